// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/figure_table.h"

#include "ui/widgets.h"

#include <QTableWidget>

namespace ab {
namespace {

// The stored text (mm, g) a figure's cell shows is kept in this role of its item.
constexpr int StoredRole = Qt::UserRole;

} // namespace

QString cellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

QTableWidgetItem* figureCell(const std::string& stored, Quantity q, UnitSystem u)
{
    auto* item = new QTableWidgetItem(qs(shownText(stored, q, u)));
    item->setData(StoredRole, qs(stored));
    return item;
}

std::string storedCellText(const QTableWidget* table, int row, int column, Quantity q, UnitSystem u)
{
    const std::string shown = cellText(table, row, column).toStdString();
    const QTableWidgetItem* item = table->item(row, column);
    const QVariant stored = item ? item->data(StoredRole) : QVariant();
    if (stored.isValid() && shownText(stored.toString().toStdString(), q, u) == shown)
        return stored.toString().toStdString();
    return storedText(shown, q, u, 1);
}

void markCell(QTableWidget* table, int row, int column, bool counts, const std::string& tip)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setBackground(counts ? QBrush() : QBrush(QColor(255, 200, 200)));
    item->setToolTip(qs(tip));
}

int insertEmptyRow(QTableWidget* table, int maxRows)
{
    if (table->rowCount() >= maxRows)
        return -1;
    const int row = table->currentRow() >= 0 ? table->currentRow() + 1 : table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < table->columnCount(); ++c)
        table->setItem(row, c, new QTableWidgetItem);
    return row;
}

void startEditing(QTableWidget* table, int row)
{
    table->setCurrentCell(row, 0);
    table->setFocus(Qt::OtherFocusReason);
    table->editItem(table->item(row, 0));
}

} // namespace ab
