// SPDX-License-Identifier: GPL-3.0-or-later
// The words for how the calculation spreads the strips along the span: the choice beside the
// calculate button and the line on the printed page and in batch mode's text summary.
#pragma once

#include "lang/language.h"
#include "model/spanwise_spacing.h"

namespace ab::texts {

inline constexpr Text3 SpacingLabel{"Strips along the span:", "Streifen längs der Spannweite:",
                                    "Franjas a lo largo de la envergadura:"};
inline constexpr Text3 SpacingEqual{"equal (standard)", "gleich (Standard)", "iguales (estándar)"};
inline constexpr Text3 SpacingRefined{"refined towards the ends", "zu den Enden hin verfeinert",
                                      "refinadas hacia los extremos"};
inline constexpr Text3 SpacingTip{
    "Refined: the same number of strips, closer together towards the root, the breaks and the tip of every "
    "trapezoid; a more accurate neutral point in about the same time",
    "Verfeinert: gleich viele Streifen, dichter zur Wurzel, zu den Knicken und zur Spitze jedes Trapezes hin; "
    "ein genauerer Neutralpunkt in etwa derselben Zeit",
    "Refinadas: el mismo número de franjas, más juntas hacia la raíz, los quiebres y la punta de cada trapecio; "
    "un punto neutro más exacto en casi el mismo tiempo"};

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
