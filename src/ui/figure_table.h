// SPDX-License-Identifier: GPL-3.0-or-later
// What the balance and fuselage tables share: cells of figures shown in the window's units that keep
// the stored text (mm, g) they were given, cells marked where a figure does not count, and rows added
// under the current one or taken away.
#pragma once

#include "model/units.h"

#include <QString>

#include <string>

class QTableWidget;
class QTableWidgetItem;

namespace ab {

QString cellText(const QTableWidget* table, int row, int column); // empty for a cell without an item

// A cell showing the stored text in the units, with the stored text kept beside it.
QTableWidgetItem* figureCell(const std::string& stored, Quantity q, UnitSystem u);

// The stored text of a figure's cell: what it was given while it still shows that, else what is
// typed, converted (one metric decimal kept).
std::string storedCellText(const QTableWidget* table, int row, int column, Quantity q, UnitSystem u);

// Red behind a cell whose figure does not count (the tip says why), plain otherwise.
void markCell(QTableWidget* table, int row, int column, bool counts, const std::string& tip);

// Inserts an empty row under the current one (at the end when none is current) while the table
// holds fewer than maxRows; returns it, or -1. The caller tells its listeners, then startEditing.
int insertEmptyRow(QTableWidget* table, int maxRows);
// The cursor in the row's first cell, editing it: what the user types next goes there.
void startEditing(QTableWidget* table, int row);

} // namespace ab
