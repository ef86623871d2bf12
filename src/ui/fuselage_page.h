// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage tab: the body's stations (x from the datum and the width seen from above) in a table
// the user types into, the quick shape that fills the table from nose x, length and largest width,
// and under them the neutral point with the fuselage and the fuselage's share. The page reports the
// typed rows; the window keeps them with the texts and hands back the figures the core gives.
#pragma once

#include "lang/language.h"
#include "model/fuselage.h"
#include "model/units.h"

#include <QObject>
#include <array>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace ab {

class FuselagePage : public QObject {
    Q_OBJECT
public:
    FuselagePage(QWidget* tab, QObject* parent);

    // Fills the table with rows (after an open, New, undo); no stationsEdited comes back.
    void showStations(const std::vector<FuselageStationTexts>& rows);
    // The cells not read as typed marked in red with the reason in their tool tips, and the lines of
    // figures under the table (the neutral point with the fuselage, the fuselage's share).
    void showFigures(const FuselageReading& reading, const std::vector<std::string>& figureLines, Language language);
    void setLanguage(Language language);
    // Shows the stations and the quick shape, and reads what is typed, in these units.
    void setUnits(UnitSystem units);
    UnitSystem shownUnits() const { return units; }

    QTableWidget* table = nullptr;                             // FuselageTable
    QPushButton *addButton = nullptr, *removeButton = nullptr; // FuselageAdd, FuselageRemove
    // The quick shape: FuselageNoseX, FuselageLength, FuselageWidth and the button FuselageShape.
    std::array<QLineEdit*, 3> shapeField{};
    std::array<QLabel*, 3> shapeLabel{};
    QLabel* shapeTitle = nullptr;
    QPushButton* shapeButton = nullptr;
    QLabel* hint = nullptr;                // FuselageHint
    std::array<QLabel*, 2> figureLine{};   // FuselageNeutralPoint, FuselageShift

signals:
    void stationsEdited(const std::vector<FuselageStationTexts>& rows);

private:
    std::vector<FuselageStationTexts> rows() const;
    void addRow();
    void removeRow();
    void fillWithShape();
    Language language = Language::English;
    UnitSystem units = UnitSystem::Metric;
    bool filling = false; // the table is being filled: its changes are no edits
};

} // namespace ab
