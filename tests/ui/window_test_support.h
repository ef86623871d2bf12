// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the window's controls by object name in the window tests.
#pragma once

#include "files/open_aircraft.h"
#include "model/recalculation.h"
#include "ui/image_view.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTabBar>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <string>

namespace ab {

template <typename T = QWidget>
T* control(const TForm1& form, const std::string& name)
{
    T* found = form.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline std::string textOf(const TForm1& form, const std::string& name)
{
    if (auto* label = form.findChild<QLabel*>(QString::fromStdString(name)))
        return label->text().toStdString();
    if (auto* edit = form.findChild<QLineEdit*>(QString::fromStdString(name)))
        return edit->text().toStdString();
    if (auto* button = form.findChild<QAbstractButton*>(QString::fromStdString(name)))
        return button->text().toStdString();
    if (auto* action = form.findChild<QAction*>(QString::fromStdString(name)))
        return action->text().toStdString();
    ADD_FAILURE() << "no control " << name;
    return {};
}

inline void type(TForm1& form, const std::string& field, const std::string& text)
{
    control<QLineEdit>(form, field)->setText(QString::fromStdString(text));
}

// Calculate runs on the worker: waits, the event loop running, until its results are shown (and
// what waited for them, such as an export, has run).
inline void waitForCalculation(TForm1& form)
{
    QElapsedTimer t;
    t.start();
    while (form.calculationRunning() && t.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_FALSE(form.calculationRunning());
}

// Lets `milliseconds` pass with the event loop running, as between two keys of a user.
inline void waitFor(int milliseconds)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Calculating while editing: waits until no calculation runs or waits for its pause.
inline void waitUntilCalculated(TForm1& form)
{
    QElapsedTimer t;
    t.start();
    while (form.liveCalculationBusy() && t.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
}

// Triggers the action as the user would and, when it started Calculate, waits for its end.
inline void trigger(TForm1& form, const std::string& action)
{
    control<QAction>(form, action)->trigger();
    waitForCalculation(form);
}

} // namespace ab

namespace ab {

// Types an aircraft into the window as a user would: wing count, then per wing the trapezoid count
// and every field.
inline void typeAircraft(TForm1& form, const AircraftTexts& texts)
{
    control<QRadioButton>(form, std::string(wingCountButtonName(texts.wingCount)))->click();
    for (int w = 1; w <= MaxWings; ++w) {
        control<QRadioButton>(form, std::string(trapezoidButtonName(w, texts.wing[w].trapezoidCount)))->click();
        for (int r = 0; r < RoleCount; ++r)
            type(form, std::string(fieldName(w, static_cast<Role>(r))), texts.wing[w].field[r]);
        for (int k = 1; k <= MaxTrapezoids; ++k)
            type(form, "Edit_dih" + std::to_string(w) + std::to_string(k), texts.wing[w].dihedral[k]);
    }
}

} // namespace ab

namespace ab {

inline const std::string kExamples = AEROBALANCE_SOURCE_DIR "/examples/";
inline constexpr const char* kExampleNames[] = {"default.wk4", "trainer.wk4", "canard.wk4",
                                                "flying_wing.wk4", "glider.wk4", "biplane.da4", "fuselage_gap.wk4",
                                                "vtail_glider.wk4"};

// An example as the core opens it over the start aircraft, as batch mode does.
struct CoreOpened {
    Aircraft aircraft;
    AircraftTexts texts = defaultAircraftTexts();
};
inline CoreOpened openedByCore(const std::string& name)
{
    CoreOpened o;
    recalculate(o.aircraft, o.texts);
    EXPECT_TRUE(openAircraftFile(kExamples + name, o.aircraft, o.texts, Language::English).ok()) << name;
    return o;
}

// The top view's colour just right of the centre line at the neutral point's row, where the core
// places its red mark.
inline QColor neutralPointMarkColour(const TForm1& form)
{
    const ViewState& v = form.viewState();
    const QImage& top = control<ImageView>(form, "Image2")->bitmap();
    const StabilityMarks m = stabilityMarks(form.aircraftState(), {}, v.ViewScale, v.ViewOffsetY, top.width());
    return top.pixelColor(m.centreColumn + 3, m.neutralRow);
}

} // namespace ab

namespace ab {

// A window test that runs in a folder of its own, which is also the working folder, with the
// desktop's configuration and data folders inside it ("config", "data"), so that the settings and
// the wing copy of one test are not seen by another.
class InOwnFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            previousFolders.push_back(qgetenv(name));
        qputenv("XDG_CONFIG_HOME", (folder.path() + "/config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (folder.path() + "/data").toLocal8Bit());
    }
    void TearDown() override
    {
        QDir::setCurrent(previous);
        qputenv("XDG_CONFIG_HOME", previousFolders.at(0));
        qputenv("XDG_DATA_HOME", previousFolders.at(1));
    }
    std::string path(const char* name) const { return (folder.path() + "/" + name).toStdString(); }
    std::string settingsPath() const { return path("config/aerobalance/Default.pa4"); }
    std::string copyPath() const { return path("data/aerobalance/wingcopy.fl4"); }

    QTemporaryDir folder;
    QString previous;
    QList<QByteArray> previousFolders;
};

} // namespace ab
