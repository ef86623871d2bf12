// SPDX-License-Identifier: GPL-3.0-or-later
// The balance tab's table, its add and remove buttons and the lines of figures under it.
#include "ui/balance_page.h"

#include "draw/colours.h"
#include "lang/captions.h"
#include "lang/entry_texts.h"
#include "lang/units_texts.h"
#include "ui/character_limit.h"
#include "ui/figure_table.h"
#include "ui/widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace ab {
namespace {

constexpr int kColumns = 3; // name, mass in g, x in mm

// What each column holds and the metric decimals a figure typed in other units keeps.
constexpr Quantity kQuantity[kColumns] = {Quantity::Length, Quantity::Mass, Quantity::Length};

} // namespace

BalancePage::BalancePage(QWidget* tab, QObject* parent) : QObject(parent)
{
    table = place<QTableWidget>(tab, "BalanceTable", 24, 24, 561, 330);
    table->setColumnCount(kColumns);
    // A name takes no more characters than the file keeps.
    table->setItemDelegateForColumn(0, new CharacterLimitDelegate(MaxBalanceNameLength, table));
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setColumnWidth(1, 110);
    table->setColumnWidth(2, 110);
    table->verticalHeader()->setDefaultSectionSize(22);
    addButton = place<QPushButton>(tab, "BalanceAdd", 24, 362, 170, 24);
    removeButton = place<QPushButton>(tab, "BalanceRemove", 200, 362, 170, 24);
    const char* names[] = {"BalanceMass",    "BalanceCg",   "BalanceMargin", "BalanceVerdict",
                           "BalanceFlagged", "BalanceNote", "BalanceDatum"};
    for (int i = 0; i < static_cast<int>(line.size()); ++i) {
        line[i] = place<QLabel>(tab, names[i], 24, 394 + 20 * i, 780, 18);
        line[i]->setTextFormat(Qt::PlainText);
    }
    QFont bold = line[3]->font();
    bold.setBold(true);
    line[3]->setFont(bold);
    setLanguage(Language::English);

    connect(addButton, &QPushButton::clicked, this, [this] { addRow(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(table, &QTableWidget::cellChanged, this, [this] {
        if (!filling)
            emit itemsEdited(rows());
    });
}

void BalancePage::setLanguage(Language language)
{
    const auto titles = balanceColumnTitles(language);
    QStringList headers;
    for (std::string_view t : titles)
        headers << qs(captionInUnits(t, units));
    table->setHorizontalHeaderLabels(headers);
    // Where x is measured from, under the figures.
    line[6]->setText(qs(texts::DatumSentence.in(language)));
}

std::vector<BalanceItemTexts> BalancePage::rows() const
{
    std::vector<BalanceItemTexts> items;
    for (int r = 0; r < table->rowCount(); ++r)
        items.push_back({cellText(table, r, 0).toStdString(), storedCellText(table, r, 1, kQuantity[1], units),
                         storedCellText(table, r, 2, kQuantity[2], units)});
    return items;
}

void BalancePage::showCell(int row, int column, const std::string& stored)
{
    table->setItem(row, column, column == 0 ? new QTableWidgetItem(qs(stored)) : figureCell(stored, kQuantity[column], units));
}

void BalancePage::setUnits(UnitSystem u)
{
    const std::vector<BalanceItemTexts> stored = rows();
    units = u;
    showItems(stored);
}

void BalancePage::showItems(const std::vector<BalanceItemTexts>& items)
{
    filling = true;
    table->setRowCount(static_cast<int>(items.size()));
    for (int r = 0; r < static_cast<int>(items.size()); ++r) {
        const std::string* texts[kColumns] = {&items[r].name, &items[r].mass, &items[r].x};
        for (int c = 0; c < kColumns; ++c)
            showCell(r, c, *texts[c]);
    }
    filling = false;
}

// A new row under the current one (at the end when none is current), with the cursor in its name.
void BalancePage::addRow()
{
    filling = true;
    const int row = insertEmptyRow(table, MaxBalanceItems);
    filling = false;
    if (row < 0)
        return;
    emit itemsEdited(rows());
    startEditing(table, row); // what the user types next goes into the new row's name
}

void BalancePage::removeRow()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    table->removeRow(row);
    emit itemsEdited(rows());
}

void BalancePage::showFigures(const BalanceFigures& figures, Language language)
{
    filling = true;
    for (int r = 0; r < table->rowCount() && r < static_cast<int>(figures.items.size()); ++r) {
        for (const auto& [column, problem] : {std::pair{1, figures.items[r].massProblem}, std::pair{2, figures.items[r].xProblem}})
            markCell(table, r, column, problem == EntryProblem::None, balanceCellTip(problem, language, units));
    }
    filling = false;
    const BalanceLines lines = balanceLines(figures, language, units);
    const std::string* texts[] = {&lines.mass, &lines.centreOfGravity, &lines.staticMargin, &lines.verdict,
                                  &lines.flagged};
    for (int i = 0; i < 5; ++i)
        line[i]->setText(qs(*texts[i]));
    std::string notes;
    for (const std::string& note : balanceCutNotes(figures.cut, language))
        notes += (notes.empty() ? "" : " ") + note;
    line[5]->setText(qs(notes));
    const BalanceVerdict verdict = verdictOf(figures);
    const bool inside = verdict == BalanceVerdict::Inside;
    const bool outside = verdict == BalanceVerdict::MoveForward || verdict == BalanceVerdict::MoveRearward;
    setInk(line[3], inside ? clGreen : outside ? clRed : verdict == BalanceVerdict::RowsNotCounted ? clAmber : clBlack);
}

} // namespace ab
