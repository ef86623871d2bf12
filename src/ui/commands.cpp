// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands: menus, actions, the tool buttons that show them, and their enabled states.
#include "ui/commands.h"

#include "draw/colours.h"
#include "files/aircraft_templates.h"
#include "lang/captions.h"
#include "ui/widgets.h"

#include <QAction>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace ab {
namespace {

// A small picture for a tool button: a letter code on the button face (language buttons, print).
QIcon letterIcon(const QString& letters, const QColor& ink)
{
    QPixmap pixmap(18, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPixelSize(letters.size() > 2 ? 8 : 10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
    return QIcon(pixmap);
}

QIcon printerIcon()
{
    QPixmap pixmap(18, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(5, 1, 8, 5);     // paper going in
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(1, 6, 16, 6);    // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 10, 5);   // printed sheet
    return QIcon(pixmap);
}

} // namespace

WindowCommands::WindowCommands(QMainWindow* window) : QObject(window)
{
    setObjectName("commands");
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("MainMenu1");
    auto menu = [&](const char* name) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Menu");
        return m;
    };
    auto item = [&](QMenu* m, const char* name, bool enabled, QKeySequence key) {
        QAction* a = m->addAction(QString());
        a->setObjectName(name);
        a->setEnabled(enabled);
        a->setShortcut(key);
        return a;
    };

    Open1 = menu("Open1");
    Open1->setToolTipsVisible(true); // a greyed command says why
    // File > New: one action per template kept with the program.
    New1 = Open1->addMenu(QString());
    New1->setObjectName("New1");
    New1->menuAction()->setObjectName("New1Menu");
    for (const AircraftTemplate& t : aircraftTemplates()) {
        QAction* a = New1->addAction(QString());
        a->setObjectName(t.objectName);
        newFromTemplate.push_back(a);
    }
    newShortcut = new QAction(window);
    newShortcut->setObjectName("newShortcut");
    newShortcut->setShortcut(QKeySequence::New);
    window->addAction(newShortcut);
    connect(newShortcut, &QAction::triggered, this, [this, bar] {
        New1->popup(bar->mapToGlobal(bar->actionGeometry(Open1->menuAction()).bottomLeft()));
    });
    // Save and Print come with their own work; they stay disabled until then.
    Open2 = item(Open1, "Open2", true, QKeySequence::Open);
    Save2 = item(Open1, "Save2", true, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Save3 = item(Open1, "Save3", false, QKeySequence::Save);
    Print1 = item(Open1, "Print1", false, QKeySequence::Print);
    // What the workbench and other tools take: the wing at true size, the aircraft for AVL, the
    // spanwise results for a spreadsheet.
    ExportTemplate1 = item(Open1, "ExportTemplate1", false, {});
    PrintTemplate1 = item(Open1, "PrintTemplate1", false, {});
    ExportAvl1 = item(Open1, "ExportAvl1", false, {});
    ExportCsv1 = item(Open1, "ExportCsv1", false, {});
    Open1->addSeparator();
    Exit1 = item(Open1, "Exit1", true, QKeySequence(Qt::CTRL | Qt::Key_Q));

    EEdit1 = menu("EEdit1");
    // Undo and redo name the edit they take back or make again (the window sets their texts).
    Undo1 = item(EEdit1, "Undo1", false, QKeySequence::Undo);
    Redo1 = item(EEdit1, "Redo1", false, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EEdit1->addSeparator();
    wing11 = item(EEdit1, "wing11", true, {});
    wing21 = item(EEdit1, "wing21", true, {});
    wing31 = item(EEdit1, "wing31", false, {});
    aircraft1 = item(EEdit1, "aircraft1", true, {});
    EEdit1->addSeparator();
    CopyWing1 = item(EEdit1, "CopyWing1", true, {});
    InsertCopiedWing1 = item(EEdit1, "InsertCopiedWing1", true, {});
    InsertWingFromFile1 = item(EEdit1, "InsertWingFromFile1", false, {});
    EEdit1->addSeparator();
    for (int k = 1; k <= MaxWings; ++k)
        chng[k] = item(EEdit1, ("chng" + std::to_string(k)).c_str(), true, {});

    View1 = menu("View1");
    View1->setToolTipsVisible(true);
    LiftPlot1 = item(View1, "LiftPlot1", false, {});
    LiveCalculation1 = item(View1, "LiveCalculation1", true, {});
    LiveCalculation1->setCheckable(true);

    Langu1 = menu("Langu1");
    german1 = item(Langu1, "german1", true, {});
    english1 = item(Langu1, "english1", true, {});
    spain1 = item(Langu1, "spain1", true, {});

    // "Info" is a command on the menu bar itself.
    Info1 = bar->addAction(QString());
    Info1->setObjectName("Info1");

    calculateAction = new QAction(window);
    calculateAction->setObjectName("calculateAction");
    calculateAction->setShortcut(Qt::Key_F9);
    window->addAction(calculateAction);
}

void WindowCommands::buildToolButtons(QWidget* client)
{
    struct Button {
        const char* name;
        int left;
        QToolButton* WindowCommands::*member;
        QIcon icon;
    };
    QStyle* s = client->style();
    const Button buttons[] = {
        {"SpeedButton1", 2, &WindowCommands::SpeedButton1, s->standardIcon(QStyle::SP_DialogOpenButton)},
        {"SpeedButton2", 28, &WindowCommands::SpeedButton2, s->standardIcon(QStyle::SP_DialogSaveButton)},
        {"SpeedButton3", 54, &WindowCommands::SpeedButton3, s->standardIcon(QStyle::SP_DriveFDIcon)},
        {"SpeedButton5", 80, &WindowCommands::SpeedButton5, printerIcon()},
        {"SpeedButton4", 106, &WindowCommands::SpeedButton4, s->standardIcon(QStyle::SP_MediaPlay)},
        // The language button shows the language it switches to.
        {"SpeedButtonG", 128, &WindowCommands::SpeedButtonG, letterIcon("EN", clBlue)},
        {"SpeedButtonE", 129, &WindowCommands::SpeedButtonE, letterIcon("ES", clRed)},
        {"SpeedButtonS", 129, &WindowCommands::SpeedButtonS, letterIcon("DE", clBlack)},
    };
    for (const Button& b : buttons) {
        QToolButton* button = place<QToolButton>(client, b.name, b.left, 0, 23, 22);
        button->setIcon(b.icon);
        button->setAutoRaise(true);
        this->*b.member = button;
    }
    // Each tool button shows the command of its menu item: one action, so that the two can never
    // disagree. The action takes the button's icon and hint; the language buttons switch to the
    // language their letters name.
    const std::pair<QToolButton*, QAction*> commands[] = {
        {SpeedButton1, Open2},  {SpeedButton2, Save2},    {SpeedButton3, Save3},  {SpeedButton5, Print1},
        {SpeedButton4, calculateAction}, {SpeedButtonG, english1}, {SpeedButtonE, spain1}, {SpeedButtonS, german1},
    };
    for (auto [button, action] : commands) {
        action->setIcon(button->icon());
        for (const DesignCaption& hint : designHints())
            if (button->objectName() == QLatin1String(hint.control))
                action->setToolTip(QString::fromUtf8(hint.text));
        button->setDefaultAction(action);
    }
    SpeedButtonE->hide();
    SpeedButtonS->hide();
    printHint = Print1->toolTip();
}

// Print and the exports say in their tool tips why they are greyed (the menu shows its items' tips).
void WindowCommands::showResultsWait()
{
    const Text3* why = resultsWait == ResultsWait::Calculate     ? &texts::NeedsCalculationTip
                       : resultsWait == ResultsWait::Calculating ? &texts::AwaitsCalculationTip
                                                                 : nullptr;
    Print1->setToolTip(why ? qs(why->in(language)) : printHint);
    for (QAction* a : {ExportTemplate1, PrintTemplate1, ExportAvl1, ExportCsv1, LiftPlot1})
        a->setToolTip(why ? qs(why->in(language)) : QString());
}

void WindowCommands::apply(const CommandStates& c)
{
    calculateAction->setEnabled(c.calculate);
    Print1->setEnabled(c.print);
    for (QAction* a : {ExportTemplate1, PrintTemplate1, ExportAvl1, ExportCsv1, LiftPlot1})
        a->setEnabled(c.exports);
    Save3->setEnabled(c.save);
    wing21->setEnabled(c.wingMenu.wing21);
    wing31->setEnabled(c.wingMenu.wing31);
    for (int k = 1; k <= MaxWings; ++k)
        chng[k]->setEnabled(c.wingMenu.exchange[k]);
    CopyWing1->setEnabled(c.copy.copy);
    InsertCopiedWing1->setEnabled(c.copy.insert);
    InsertWingFromFile1->setEnabled(c.insertFromFile);
    resultsWait = c.resultsWait;
    showResultsWait();
}

void WindowCommands::setLanguage(Language l)
{
    language = l;
    showResultsWait();
    const auto templates = aircraftTemplates();
    for (std::size_t i = 0; i < templates.size(); ++i)
        newFromTemplate[i]->setText(qs(templates[i].caption.in(l)));
}

void WindowCommands::showLanguageButton(Language l)
{
    SpeedButtonG->setVisible(l == Language::German);
    SpeedButtonE->setVisible(l == Language::English);
    SpeedButtonS->setVisible(l == Language::Spanish);
}

} // namespace ab
