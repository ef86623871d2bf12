// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculation spreads the strips of each trapezoid along its width, and the word that names
// the choice in the aircraft file, on batch mode's command line and in its JSON.
#pragma once

#include <optional>
#include <string_view>

namespace ab {

// Equal: the strips of the described layout, each of one ratio of width to chord. Refined: the same
// number of strips with their edges at cosine positions, denser towards both ends of the trapezoid,
// where the load changes fastest.
enum class SpanwiseSpacing { Equal, Refined };

inline std::string_view spacingName(SpanwiseSpacing s) { return s == SpanwiseSpacing::Refined ? "refined" : "equal"; }

// The spacing a word names, none for any other word.
inline std::optional<SpanwiseSpacing> spacingNamed(std::string_view word)
{
    if (word == "equal")
        return SpanwiseSpacing::Equal;
    if (word == "refined")
        return SpanwiseSpacing::Refined;
    return std::nullopt;
}

} // namespace ab
