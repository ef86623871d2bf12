// SPDX-License-Identifier: GPL-3.0-or-later
// One wing's part of the window: its tab (fields on the parameter sketch, trapezoid count, station
// labels, gap question, planform view, figures, copy and insert buttons) and its position fields and
// box on the aircraft tab. It draws its views, handles the mouse on its planform and tells the
// window what the user changed; the window decides what a change sets off.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/configuration.h"
#include "model/planform.h"
#include "model/units.h"
#include "views/view_geometry.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ab {

class ImageView;

// The controls of one wing, named in their objectName; the position fields stand in `field` too.
struct WingControls {
    QWidget* tab = nullptr;
    std::array<QLineEdit*, RoleCount> field{};                      // by role
    std::array<QRadioButton*, MaxTrapezoids + 1> trapezoidButton{}; // counts 1..4
    std::array<QLabel*, MaxStations> stationLabel{};                // y_0 .. y_4
    // Figures in the order of WingLabels: span, area, mean chord, r25, aspect ratio.
    std::array<QLabel*, 5> figure{};
    std::array<QLabel*, 5> figureCaption{};
    QLabel* neutralPoint = nullptr;        // Label_anp<w>
    QLabel* liftCentre = nullptr;          // Label_ynp<w>
    QLabel* neutralPointCaption = nullptr; // Label25, Label26, Label27, Label36, Label48
    QLabel* liftCentreCaption = nullptr;   // Label37 .. Label41
    std::array<QLabel*, 2> gapWarning{};
    QWidget* trapezoidPanel = nullptr;
    ImageView* sketch = nullptr;      // Image_W, Image_W2 ..
    ImageView* planform = nullptr;    // Image1, Image11 ..
    ImageView* positionBox = nullptr; // Image5, Image55 .. on the aircraft tab
    QPushButton* copyButton = nullptr;
    QPushButton* insertButton = nullptr;
    QLabel* nameCaption = nullptr; // Label_name<w>
    QLineEdit* name = nullptr;     // Edit_name<w>: the user's name for the wing
    // The dihedral of trapezoids 1..4 in degrees (Edit_dih<w><k>, index 0 unused), under each width.
    std::array<QLineEdit*, MaxTrapezoids + 1> dihedral{};
    // Span and area seen from above, shown while the wing has dihedral (Label_bp<w>, Label_ap<w>),
    // and their captions (Label_pspan<w>, Label_parea<w>).
    std::array<QLabel*, 2> projected{};
    std::array<QLabel*, 2> projectedCaption{};
};

// How the neutral-point labels show the calculated results: current ones, those of the geometry
// before the last change (greyed, while a calculation of the new one runs), or none.
enum class ResultsShown { Current, Previous, None };

class WingPage : public QObject {
    Q_OBJECT
public:
    // Builds the wing's controls on its tab, and its position box and fields on the aircraft tab,
    // with the texts of `texts`. The page reads the aircraft as the window evaluates it.
    WingPage(int w, QWidget* tab, QWidget* aircraftTab, const Aircraft& aircraft, const AircraftTexts& texts,
             QObject* parent);

    int wing() const { return w; }
    QWidget* tab() const { return ui.tab; }

    // Writes a stored text (mm) into a field, shown in the page's units; the field's change comes
    // back as fieldEdited with the stored text.
    void write(Role role, const std::string& text);
    // Shows the fields, the figures and the results in these units; typing is read in them.
    void setUnits(UnitSystem units);
    // Writes the wing's name into its field; the change comes back as nameEdited.
    void writeName(const std::string& name);
    // Writes the dihedral of trapezoid k (1..4) into its field; the change comes back as dihedralEdited.
    void writeDihedral(int k, const std::string& text);
    // Checks a trapezoid-count button; the choice comes back as trapezoidCountChosen.
    void checkTrapezoidCount(int n);
    // The fields and station labels the trapezoid count uses.
    void showTrapezoidCount(int n);
    // Tab-independent controls of a wing that is in use or not: its position box and fields.
    void showInUse(bool used);
    void offerInsert(bool offered);

    void drawSketch(const QString& flightDirection);
    void drawPlanform(); // with the neutral point while the aircraft's results are valid
    double planformScale() const { return scale; } // pixels per mm of the last planform drawing
    void resizePlanform(QSize pageSize);
    void titlePositionBox(const QString& title, const QString& name);

    void showLabels(const WingLabels& labels); // with the projected figures of a tilted wing
    void showNeutralPoint(const std::string& neutralPoint, const std::string& liftCentre);
    // Stale results grey the captions and hide the values, previous ones grey both and say why in
    // the tool tip.
    void showNeutralPointLabels(ResultsShown shown, const QString& previousTip = {});
    void showGapQuestion(bool ask, const std::string& line1, const std::string& line2);
    void placeResultColumns(); // figures right of the longest caption in the current language
    // A field whose text is not read whole gets a red frame and says in its tool tip what was read;
    // the tips follow the language.
    void setLanguage(Language language);

signals:
    void fieldEdited(Role role, const QString& text);
    void nameEdited(const QString& name);
    void dihedralEdited(int k, const QString& text);
    void trapezoidCountChosen(int n);
    void copyClicked();
    void insertClicked();
    void dragged(const std::vector<FieldChange>& writes); // a corner drag's field writes, one edit
    // While a corner is dragged: the writes a release here would make. The window evaluates them
    // without writing the fields; the page then draws the outline they give over the planform.
    void dragPreviewed(const std::vector<FieldChange>& writes);

private:
    void buildTab();
    void buildPosition(QWidget* aircraftTab);
    void drawPositionBox();
    void bindMouse();
    void mousePressed(QMouseEvent* e);
    void mouseMoved(QMouseEvent* e);
    void mouseReleased(QMouseEvent* e);
    void lightFields(const std::vector<Role>& lit);
    void markReading(Role role);
    void markDihedralReading(int k);
    void buildDihedralFields();
    void buildProjectedFigures(const QFont& font);
    ViewMapping planformViewMapping() const;

    const int w;
    const Aircraft& aircraft;
    const AircraftTexts& texts;
    WingControls ui;
    double scale = 0;
    Language language = Language::English;
    UnitSystem units = UnitSystem::Metric;
    // The stored text each field stands for, and the labels the last evaluation gave, in mm.
    std::array<std::string, RoleCount> storedFor{};
    WingLabels metricLabels;
    // The corner taken at the press and the one under the pointer (0: none), and the pointer at the
    // last press or release.
    int grabbedCorner = 0;
    int hoverCorner = 0;
    Pixel anchor;
    // What a drag starts from: the wing as it was at the press (the preview changes the aircraft),
    // the scale of the view and its picture, which the rubber band is drawn over.
    struct DragStart {
        Aircraft aircraft;
        std::string rootGapText;
        double scale = 0;
        QImage picture;
    };
    std::optional<DragStart> dragStart;
    std::vector<FieldChange> dragWritesAt(const QMouseEvent* e) const;
};

} // namespace ab
