// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft's views on the aircraft tab: the top view with the lattice and the stability display,
// the three-dimensional view, their bars (elevation, azimuth, size, zoom, pressure contrast), the
// pressure box and the stability controls (mode, margin bar, field and marks). It draws what the
// aircraft document gives (the aircraft, its lattice, the stability figures and the balance), handles
// the mouse on both views, and tells the window when the pressure box, the margin or the mode
// changes; the window puts the change into the document and decides what it sets off.
#pragma once

#include "lang/language.h"
#include "document/aircraft_document.h"
#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "draw/top_view_scene.h"
#include "stability/stability.h"
#include "views/projection.h"
#include "views/view_geometry.h"

#include <QObject>
#include <QSize>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace ab {

class ImageView;

class AircraftViews : public QObject {
    Q_OBJECT
public:
    explicit AircraftViews(const AircraftDocument& document, QObject* parent);

    // The controls are made in two steps so that the calculation button made between them keeps its
    // place in the tab order: the views with their bars, then the stability controls.
    void buildViews(QWidget* tab);
    void buildStabilityControls(QWidget* tab);

    // The language of the stability texts and the flight direction written in the top view.
    void setLanguage(Language language, const std::string& flightDirection);
    // The units of the stability texts; they show at the next drawing of the top view.
    void setUnits(UnitSystem u) { units = u; }

    // The top view fits the aircraft anew, or keeps the zoom its bar has set.
    enum class TopViewScale { Fit, Zoomed };
    void clearTopView();
    void d_1d(TopViewScale scale = TopViewScale::Fit); // the wings and the flight direction
    void DrawGrid();                                   // the lattice, with the pressure colours if chosen
    void drawLatticeOf(const Aircraft& aircraft, const SolverData& lattice); // a run's, before its solve
    void STABIL(TopViewScale scale = TopViewScale::Fit); // the stability display over the lattice
    void Zeiger();                                     // the pointer lines of the stability marks
    void showResults(TopViewScale scale);              // the stability display when the results are valid
    void d_3d();

    // The images take the page's room; the bars follow them.
    void resizeTo(QSize page);
    // Places the stability controls from row `top` down in a page of that size; returns the row
    // under the margin field (under the manual mode's button while the field is hidden).
    int placeStabilityControls(int top, QSize page);

    void chooseStabilityMode(bool automatic);
    void uncheckPressure(); // runs the pressure box's change when it was checked
    bool pressureChecked() const;
    void showContrastBar(); // with the pressure box
    void showResultsCursor(bool valid); // the top view's drag cursor while the results are valid
    void resetZoom();
    void showStaleMarginCaption(); // "%" behind the margin field instead of the distance
    QString topViewTip() const;    // what the top view's tool tip says: where lengths are measured from

    // The stored choice of an opened aircraft: mode and margin text.
    void showStabilityChoice(bool automatic, const std::string& margin);

    void ScrollBar3Change();
    void ScrollBar4Change();
    void ScrollBar5Change();
    void ScrollBar5Exit();

    const ViewState& state() const { return views; }
    const TopViewDrawn& topViewDrawn() const { return drawn; } // where the last stability display stood
    ThreeDInput threeDInput() const; // the three-dimensional view as the bars set it
    std::vector<PointerLine> pointerLinesShown() const; // Zeiger's lines from the texts to the marks
    int sizeBarPosition() const;

    // Controls, named as their objectName.
    ImageView *Image2 = nullptr, *Image3 = nullptr;
    QScrollBar *ScrollBar1 = nullptr, *ScrollBar2 = nullptr, *ScrollBar3 = nullptr, *ScrollBar4 = nullptr,
               *ScrollBar5 = nullptr, *ScrollBar6 = nullptr;
    QCheckBox* CheckBoxA = nullptr;
    QLabel *Label_Press = nullptr, *Label_Contrast = nullptr, *Label21 = nullptr, *Label22 = nullptr, *Label28 = nullptr, *Label29 = nullptr,
           *Label30 = nullptr;
    QRadioButton *RadioButton15 = nullptr, *RadioButton16 = nullptr;
    QLineEdit* Edit_Mstab = nullptr;

signals:
    void pressureToggled();
    void stabilityShown(); // the stability display (or its stale state) was shown
    void marginEdited(const QString& text); // as typed, margin or not
    void stabilityModeChosen(bool automatic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fits the top view to its image, and the three-dimensional view's starting scale with it.
    void layOutViews();
    TopViewLayout topViewLayout() const; // the top view as last laid out (and zoomed)
    StabilityMarks stabilityMarks() const;
    std::optional<int> pressureContrast() const;
    std::uint64_t sceneTag() const;
    void marginTyped(const QString& text);
    void markMarginField();
    void topViewPressed(QMouseEvent* e);
    void topViewMoved(QMouseEvent* e);
    void topViewReleased(QMouseEvent* e);
    void threeDPressed(QMouseEvent* e);
    void threeDMoved(QMouseEvent* e);
    void threeDReleased(QMouseEvent* e);

    const AircraftDocument& document; // every figure the views show comes from it
    const Aircraft& aircraft;
    const SolverData& solver;
    Language language = Language::English;
    UnitSystem units = UnitSystem::Metric;
    QString flightDirection;
    ViewState views;
    ThreeDView threeD; // the point tables of the three-dimensional view, kept between drawings
    TopViewDrawn drawn; // where the last stability display put its texts
    // Drag state: the pointer at the last press or release, and whether no drag is under way.
    Pixel dragAnchor;
    bool threeDDragIdle = true;
    bool topViewDragIdle = true;
};

} // namespace ab
