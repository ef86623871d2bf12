// SPDX-License-Identifier: GPL-3.0-or-later
// The words for how the calculation spreads the strips along the span: the choice under the
// calculate button and the line on the printed page and in batch mode's text summary.
#pragma once

#include "lang/language.h"
#include "model/spanwise_spacing.h"

namespace ab::texts {

// The box's entries, short enough for the column under the calculate button; the tip says it whole.
inline constexpr Text3 SpacingEqual{"Strips: equal (standard)", "Streifen: gleich (Standard)", "Franjas: iguales"};
inline constexpr Text3 SpacingRefined{"Strips: refined to the ends", "Streifen: Enden verfeinert",
                                      "Franjas: extremos refinados"};
inline constexpr Text3 SpacingTip{
    "Strips along the span: equal (standard), or refined towards the ends: the same number of strips, "
    "closer together towards the root, the breaks and the tip of every trapezoid, for a more accurate "
    "neutral point in about the same time",
    "Streifen längs der Spannweite: gleich (Standard) oder zu den Enden hin verfeinert: gleich viele "
    "Streifen, dichter zur Wurzel, zu den Knicken und zur Spitze jedes Trapezes hin, für einen genaueren "
    "Neutralpunkt in etwa derselben Zeit",
    "Franjas a lo largo de la envergadura: iguales (estándar) o refinadas hacia los extremos: el mismo "
    "número de franjas, más juntas hacia la raíz, los quiebres y la punta de cada trapecio, para un punto "
    "neutro más exacto en casi el mismo tiempo"};

// The page's line, e.g. "strips along the span: equal".
inline constexpr Text3 SummarySpacing{"strips along the span: ", "Spannweitenstreifen: ", "franjas en envergadura: "};
inline constexpr Text3 SummarySpacingEqual{"equal", "gleich", "iguales"};
inline constexpr Text3 SummarySpacingRefined{"refined towards the ends", "zu den Enden feiner",
                                             "más finas en los extremos"};

inline constexpr const Text3& spacingChoice(SpanwiseSpacing s) { return s == SpanwiseSpacing::Refined ? SpacingRefined : SpacingEqual; }
inline constexpr const Text3& summarySpacing(SpanwiseSpacing s)
{
    return s == SpanwiseSpacing::Refined ? SummarySpacingRefined : SummarySpacingEqual;
}

} // namespace ab::texts
