// SPDX-License-Identifier: GPL-3.0-or-later
// What the balance's verdict says while rows are left out of the sum: the verdict would be about
// another aircraft than the one typed, so it asks the user to check the rows first.
#pragma once

#include "lang/language.h"

namespace ab::texts {

inline constexpr Text3 BalanceRowNotCounted{"1 row not counted: check it", "1 Zeile nicht gezählt: bitte prüfen",
                                            "1 fila sin contar: revísela"};
inline constexpr Text3 BalanceRowsNotCounted{"{value} rows not counted: check them",
                                             "{value} Zeilen nicht gezählt: bitte prüfen",
                                             "{value} filas sin contar: revíselas"};

} // namespace ab::texts
