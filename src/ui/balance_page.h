// SPDX-License-Identifier: GPL-3.0-or-later
// The balance tab: the model's parts with their masses and places in a table the user types into,
// and under it the aircraft's own centre of gravity, its static margin and whether it lies inside
// the recommended range. The page reports the typed rows; the window keeps them with the texts and
// hands back the figures the core evaluates.
#pragma once

#include "lang/language.h"
#include "model/balance_items.h"
#include "model/units.h"
#include "stability/balance.h"

#include <QObject>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace ab {

class BalancePage : public QObject {
    Q_OBJECT
public:
    BalancePage(QWidget* tab, QObject* parent);

    // Fills the table with rows (after an open or New); no itemsEdited comes back.
    void showItems(const std::vector<BalanceItemTexts>& items);
    // The figures under the table and the rows that count as 0 g marked in red.
    void showFigures(const BalanceFigures& figures, Language language);
    void setLanguage(Language language); // column headers
    // Shows the masses and places, and reads what is typed, in these units; the column headers and
    // the figures follow at the next setLanguage and showFigures.
    void setUnits(UnitSystem units);

    QTableWidget* table = nullptr;                   // BalanceTable
    QPushButton *addButton = nullptr, *removeButton = nullptr; // BalanceAdd, BalanceRemove
    // BalanceMass, BalanceCg, BalanceMargin, BalanceVerdict, BalanceFlagged, BalanceNote, BalanceDatum
    std::array<QLabel*, 7> line{};

signals:
    void itemsEdited(const std::vector<BalanceItemTexts>& items);

private:
    std::vector<BalanceItemTexts> rows() const;
    void addRow();
    void removeRow();
    void showCell(int row, int column, const std::string& stored);
    bool filling = false; // the table is being filled: its changes are no edits
    UnitSystem units = UnitSystem::Metric;
};

} // namespace ab
