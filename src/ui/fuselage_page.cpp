// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage tab's table, its buttons, the quick shape and the lines of figures under them.
#include "ui/fuselage_page.h"

#include "lang/entry_texts.h"
#include "lang/fuselage_texts.h"
#include "lang/units_texts.h"
#include "ui/figure_table.h"
#include "ui/widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace ab {
namespace {

constexpr int kColumns = 2; // x in mm, width in mm

} // namespace

FuselagePage::FuselagePage(QWidget* tab, QObject* parent) : QObject(parent)
{
    table = place<QTableWidget>(tab, "FuselageTable", 24, 24, 300, 400);
    table->setColumnCount(kColumns);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(22);
    addButton = place<QPushButton>(tab, "FuselageAdd", 24, 432, 146, 24);
    removeButton = place<QPushButton>(tab, "FuselageRemove", 178, 432, 146, 24);

    shapeTitle = place<QLabel>(tab, "FuselageShapeTitle", 360, 24, 300, 18);
    QFont bold = shapeTitle->font();
    bold.setBold(true);
    shapeTitle->setFont(bold);
    const char* fields[] = {"FuselageNoseX", "FuselageLength", "FuselageWidth"};
    const char* labels[] = {"FuselageNoseXLabel", "FuselageLengthLabel", "FuselageWidthLabel"};
    const char* starting[] = {"-250", "1000", "100"};
    for (int i = 0; i < 3; ++i) {
        shapeLabel[i] = place<QLabel>(tab, labels[i], 360, 52 + 30 * i, 180, 21);
        shapeField[i] = place<QLineEdit>(tab, fields[i], 545, 52 + 30 * i, 80, 21);
        shapeField[i]->setText(starting[i]);
    }
    shapeButton = place<QPushButton>(tab, "FuselageShape", 360, 146, 265, 24);

    hint = place<QLabel>(tab, "FuselageHint", 24, 466, 780, 18);
    const char* figures[] = {"FuselageNeutralPoint", "FuselageShift"};
    for (int i = 0; i < 2; ++i) {
        figureLine[i] = place<QLabel>(tab, figures[i], 24, 510 + 20 * i, 780, 18);
        figureLine[i]->setTextFormat(Qt::PlainText);
    }
    setLanguage(Language::English);

    connect(addButton, &QPushButton::clicked, this, [this] { addRow(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(shapeButton, &QPushButton::clicked, this, [this] { fillWithShape(); });
    connect(table, &QTableWidget::cellChanged, this, [this] {
        if (!filling)
            emit stationsEdited(rows());
    });
}

void FuselagePage::setLanguage(Language l)
{
    language = l;
    table->setHorizontalHeaderLabels({qs(captionInUnits(texts::FuselageColumnX.in(l), units)),
                                      qs(captionInUnits(texts::FuselageColumnWidth.in(l), units))});
    addButton->setText(qs(texts::FuselageAdd.in(l)));
    removeButton->setText(qs(texts::FuselageRemove.in(l)));
    shapeTitle->setText(qs(texts::FuselageShapeTitle.in(l)));
    const Text3* labels[] = {&texts::FuselageNoseX, &texts::FuselageLength, &texts::FuselageLargestWidth};
    for (int i = 0; i < 3; ++i)
        shapeLabel[i]->setText(qs(captionInUnits(labels[i]->in(l), units)));
    shapeButton->setText(qs(texts::FuselageShapeButton.in(l)));
    hint->setText(qs(texts::FuselageHint.in(l)));
}

std::vector<FuselageStationTexts> FuselagePage::rows() const
{
    std::vector<FuselageStationTexts> out;
    for (int r = 0; r < table->rowCount(); ++r)
        out.push_back({storedCellText(table, r, 0, Quantity::Length, units), storedCellText(table, r, 1, Quantity::Length, units)});
    return out;
}

void FuselagePage::setUnits(UnitSystem u)
{
    const std::vector<FuselageStationTexts> stored = rows();
    std::array<std::string, 3> shape;
    for (int i = 0; i < 3; ++i)
        shape[i] = storedText(shapeField[i]->text().toStdString(), Quantity::Length, units, 1);
    units = u;
    showStations(stored);
    for (int i = 0; i < 3; ++i)
        shapeField[i]->setText(qs(shownText(shape[i], Quantity::Length, units)));
    setLanguage(language);
}

void FuselagePage::showStations(const std::vector<FuselageStationTexts>& stations)
{
    filling = true;
    table->setRowCount(static_cast<int>(stations.size()));
    for (int r = 0; r < static_cast<int>(stations.size()); ++r) {
        table->setItem(r, 0, figureCell(stations[r].x, Quantity::Length, units));
        table->setItem(r, 1, figureCell(stations[r].width, Quantity::Length, units));
    }
    filling = false;
}

// A new row under the current one (at the end when none is current), with the cursor in its x.
void FuselagePage::addRow()
{
    filling = true;
    const int row = insertEmptyRow(table, MaxFuselageStations);
    filling = false;
    if (row < 0)
        return;
    emit stationsEdited(rows());
    startEditing(table, row);
}

void FuselagePage::removeRow()
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    table->removeRow(row);
    emit stationsEdited(rows());
}

// The quick shape replaces the table when its three figures read as a length and a width.
void FuselagePage::fillWithShape()
{
    std::array<DecimalReading, 3> figure;
    for (int i = 0; i < 3; ++i) {
        figure[i] = readPositionMm(storedText(shapeField[i]->text().toStdString(), Quantity::Length, units, 1));
        setBackground(shapeField[i], figure[i].problem == EntryProblem::None ? QColor(Qt::white) : QColor(255, 200, 200));
    }
    const std::vector<FuselageStationTexts> shape = quickFuselageShape(figure[0].value, figure[1].value, figure[2].value);
    if (shape.empty() || figure[0].problem != EntryProblem::None)
        return;
    showStations(shape);
    emit stationsEdited(shape);
}

void FuselagePage::showFigures(const FuselageReading& reading, const std::vector<std::string>& lines, Language l)
{
    filling = true;
    for (int r = 0; r < table->rowCount() && r < static_cast<int>(reading.rows.size()); ++r) {
        for (const auto& [column, problem] : {std::pair{0, reading.rows[r].x}, std::pair{1, reading.rows[r].width}})
            markCell(table, r, column, problem == EntryProblem::None, fuselageCellTip(problem, column == 0, l));
    }
    filling = false;
    for (std::size_t i = 0; i < figureLine.size(); ++i)
        figureLine[i]->setText(i < lines.size() ? qs(lines[i]) : QString());
}

} // namespace ab
