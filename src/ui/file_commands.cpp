// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file in the window: the open command through the document, which puts the file on
// the controls, the save command with the extension rule, New from a template written into the
// fields, unsaved changes offered for saving before they would be lost, and the settings read at
// start and written back at the end.
#include "ui/file_commands.h"

#include "draw/colours.h"
#include "files/aircraft_reader.h"
#include "files/aircraft_record.h"
#include "files/file_messages.h"
#include "files/open_aircraft.h"
#include "files/save_target.h"
#include "files/wing_from_file.h"
#include "lang/import_texts.h"
#include "ui/aircraft_views.h"
#include "ui/balance_commands.h"
#include "ui/commands.h"
#include "ui/field_writes.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace ab {

FileCommands::FileCommands(AircraftDocument& d, QWidget* client, Window w, QObject* parent)
    : QObject(parent), document(d), window(std::move(w))
{
    Lab_FName = place<QLabel>(client, "Lab_FName", 40, 2, 737, 15);
    Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lab_FName->setTextFormat(Qt::PlainText);
    setInk(Lab_FName, clBlue);
    QFont small = Lab_FName->font();
    small.setPixelSize(9);
    Lab_FName->setFont(small);

    const WindowCommands& c = *window.commands;
    connect(c.Open2, &QAction::triggered, this, [this] { open(); });
    connect(c.Save2, &QAction::triggered, this, [this] { save(SaveChoice::AskName); });
    connect(c.Save3, &QAction::triggered, this, [this] { save(SaveChoice::CurrentFile); });
    const auto templates = aircraftTemplates();
    for (std::size_t i = 0; i < templates.size(); ++i)
        connect(c.newFromTemplate[i], &QAction::triggered, this, [this, t = &templates[i]] { newFromTemplate(*t); });
}

Settings FileCommands::readSettings()
{
    settingsFile = userFile(configFolder(), SettingsFileName);
    // A missing or unreadable settings file leaves the designed window in English.
    const Settings settings = readSettingsFile(fileToRead(settingsFile), Language::English).settings;
    deckUnit = settings.deckUnit.value_or(DeckUnit::Metre);
    return settings;
}

void FileCommands::started()
{
    noteDamagedFile(); // a damaged file named on the command line stays unsaved
    startingUp = false;
}

QString FileCommands::askOpenFileName()
{
    if (window.questions->chooseFileToOpen)
        return window.questions->chooseFileToOpen();
    return QFileDialog::getOpenFileName(window.widget, QString(), QString(),
                                        "*.da4 *.wk4 (*.da4 *.wk4);;AVL, XFLR5 (*.avl *.xml)");
}

QString FileCommands::askSaveFileName()
{
    if (window.questions->chooseFileToSave)
        return window.questions->chooseFileToSave();
    // The window asks about replacing a file itself, once the extension rule has made the name.
    const QString proposed = qs(saveAsProposal(document.fileName, designName, CurrentFileName));
    return QFileDialog::getSaveFileName(window.widget, QString(), proposed, "*.wk4 (*.wk4)", nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void FileCommands::reportError(const std::string& message)
{
    if (startingUp) {
        // At start-up the message waits until the window is on the screen.
        QTimer::singleShot(0, this, [this, message] { reportError(message); });
        return;
    }
    if (window.questions->showError)
        window.questions->showError(qs(message));
    else
        QMessageBox::warning(window.widget, QApplication::applicationName(), qs(message));
}

bool FileCommands::offerToSave()
{
    if (!window.widget->isWindowModified())
        return true;
    using SaveAnswer = WindowQuestions::SaveAnswer;
    SaveAnswer answer = SaveAnswer::Cancel;
    if (window.questions->askToSaveChanges) {
        answer = window.questions->askToSaveChanges();
    } else {
        const auto button = QMessageBox::question(
            window.widget, QApplication::applicationName(),
            qs(std::string(texts::SaveChangesQuestion.in(window.language()))),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        answer = button == QMessageBox::Save ? SaveAnswer::Save
                 : button == QMessageBox::Discard ? SaveAnswer::Discard
                                                  : SaveAnswer::Cancel;
    }
    if (answer == SaveAnswer::Save) {
        save(saveOffered ? SaveChoice::CurrentFile : SaveChoice::AskName);
        return !window.widget->isWindowModified(); // a cancelled or failed save keeps the window open
    }
    return answer == SaveAnswer::Discard;
}

void FileCommands::open()
{
    if (!offerToSave())
        return;
    // A cancelled choice or a refused file leaves the aircraft, its file name, its label and the
    // target of the next Save as they were.
    const QString chosen = askOpenFileName();
    if (chosen.isEmpty() || !openFile(chosen.toStdString()))
        return;
    window.copyFileChanged();
    window.views->uncheckPressure();
    showOpened();
}

// An aircraft the document opened, at start or by Open: its texts are on the controls already (the
// document's change put them there, keeping the results the file stored); the wings show as after
// any change of geometry, the stability display with the stored results.
void FileCommands::showOpened()
{
    window.views->resetZoom();
    window.resultsGoStale();
    window.views->showStaleMarginCaption();
    window.balance->showFigures();
    saveOffered = true;
    window.pages->setActivePage(window.aircraftTab);
    window.views->showResultsCursor(document.aircraft.ResultsValid);
    window.views->STABIL();
    window.commandsChanged();
    noteDamagedFile();
}

// A file that ends early or lacks a wing opened with defaults in its gaps: the memo says where, and
// the aircraft counts as unsaved, so that Save is offered before the file is left as it is.
void FileCommands::noteDamagedFile()
{
    if (openedFileNotes.empty())
        return;
    window.showNotes(openedFileNotes);
    document.keepUnsaved();
}

// The index of the item the user picks from a list in a dialog, `current` offered; none: cancelled.
std::optional<int> FileCommands::pickFrom(const Text3& question, const QStringList& items, int current)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(window.widget, QApplication::applicationName(),
                                               qs(std::string(question.in(window.language()))), items, current, false, &ok);
    return ok ? std::optional(static_cast<int>(items.indexOf(item))) : std::nullopt;
}

// The unit to read fileName in: the one chosen last, or, for an AVL deck that does not say its
// own, the one the user chooses now (offered the one chosen last); none: cancelled.
std::optional<DeckUnit> FileCommands::unitToRead(const std::string& fileName)
{
    if (deckNeedsUnit(fileName)) {
        std::optional<DeckUnit> chosen;
        if (window.questions->chooseDeckUnit) {
            chosen = window.questions->chooseDeckUnit(deckUnit);
        } else {
            QStringList names;
            for (DeckUnit u : DeckUnits)
                names << qs(std::string(deckUnitName(u)));
            if (const std::optional<int> i = pickFrom(texts::DeckUnitQuestion, names, static_cast<int>(deckUnit)))
                chosen = DeckUnits[*i];
        }
        if (!chosen)
            return std::nullopt;
        deckUnit = *chosen;
    }
    return deckUnit;
}

// Opens fileName through the document, which puts it on the controls; the file becomes the
// current one only once it has been read. A file that cannot be read changes nothing and says why.
bool FileCommands::openFile(const std::string& fileName)
{
    if (!unitToRead(fileName))
        return false;
    const OpenOutcome opened = document.open(fileName, window.language(), deckUnit);
    if (opened.status == AircraftReadStatus::NoFileChosen)
        return false;
    if (!opened.ok()) {
        reportError(opened.message);
        return false;
    }
    openedFileNotes = opened.notes;
    // A design brought in from another tool has no file yet: Save as offers its name with ".wk4".
    designName = opened.importedAs;
    CurrentFileName = opened.importedAs.empty() ? fileName : opened.importedAs;
    Lab_FName->setText(qs(CurrentFileName));
    window.balance->showStored(opened.balanceCut);
    return true;
}

// Carries a read record out on the buttons and fields, each write running its change handling, and
// takes the stored results, remarks and balance.
void FileCommands::applyReading(const AircraftFileReading& reading, const std::string& fileName)
{
    const RecordApplication a = applicationOf(reading.record, fileName);
    document.takeStoredResults(reading.extras, a.WingCount);
    window.wingCountButton[a.WingCount]->setChecked(true);
    for (int w = 1; w <= MaxWings; ++w)
        if (a.trapezoidCount[w])
            window.wingPage[w]->checkTrapezoidCount(*a.trapezoidCount[w]);
    document.useAllWings();
    writeFields(window.wingPage, a.fields);
    for (int w = 1; w <= MaxWings; ++w)
        for (int k = 1; k <= MaxTrapezoids; ++k)
            window.wingPage[w]->writeDihedral(k, reading.extras.dihedral[w][k]);
    if (a.uncheckPressure)
        window.views->uncheckPressure();
    if (reading.extras.comment) {
        document.setComment(*reading.extras.comment); // as the file gives it, which the memo may show otherwise
        window.remarks->setPlainText(qs(*reading.extras.comment));
    }
    for (int w = 1; w <= MaxWings; ++w)
        window.wingPage[w]->writeName(reading.extras.wingName[w]);
    document.takeBalance(reading.extras);
    window.balance->showStored(reading.extras.balanceCut);
    document.takeFuselage(reading.extras);
    window.showFuselage();
    document.takeSpacing(reading.extras);
    window.showSpacing();
}

// A new, unnamed aircraft from a template kept with the program: the unsaved-changes question
// first, as for Open; then no file, no results, and Save asks for a name. The new aircraft is an
// edit that can be undone, and the state the window starts a design from.
void FileCommands::newFromTemplate(const AircraftTemplate& from)
{
    if (!offerToSave())
        return;
    const AircraftFileReading reading = readTemplate(from, window.language(), window.units());
    if (!reading.ok()) {
        reportError(reading.message);
        return;
    }
    window.views->uncheckPressure();
    window.asOneEdit({.kind = EditKind::New}, [&] { applyReading(reading, "Unknown.wk4"); });
    CurrentFileName = "Unknown.wk4";
    document.setFileName({});
    designName = std::string(from.id) + ".wk4";
    Lab_FName->setText(qs(CurrentFileName));
    window.evaluate();
    saveOffered = false;
    window.pages->setActivePage(window.aircraftTab);
    window.views->STABIL();
    window.commandsChanged();
    window.markSaved();
}

bool FileCommands::confirmReplace(const std::string& fileName)
{
    const QString question = qs(fileMessage(window.language(), texts::ReplaceQuestion, fileName));
    if (window.questions->askToReplace)
        return window.questions->askToReplace(question);
    return QMessageBox::question(window.widget, QApplication::applicationName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void FileCommands::save(SaveChoice choice)
{
    std::string chosen;
    // "Save" of an aircraft that has no file yet (the start's "Unknown.wk4") asks for a name as
    // "Save as" does, instead of writing a file the user never chose.
    if (choice == SaveChoice::AskName || document.fileName.empty()) {
        chosen = askSaveFileName().toStdString();
        if (chosen.empty()) {
            CurrentFileName = applyExtensionRule(CurrentFileName);
            return;
        }
    }
    const SaveTarget target = saveTargetOf(chosen, document.fileName);
    if (target.askBeforeReplace && !confirmReplace(target.fileName))
        return;
    // A failed save leaves the old file, the file name and its label as they were.
    const SaveOutcome saved = document.save(target.fileName, window.language());
    if (!saved.ok) {
        reportError(saved.message);
        return;
    }
    CurrentFileName = document.fileName;
    saveOffered = true;
    Lab_FName->setText(qs(CurrentFileName));
    window.commandsChanged();
}

// A settings file that cannot be written is said, naming the file and the reason; the window closes
// all the same, since nothing of the aircraft is in it.
void FileCommands::saveSettings(bool live)
{
    const QWidget* w = window.widget;
    const QRect frame = w->frameGeometry();
    const Language l = window.language();
    const SettingsSaveOutcome saved = saveSettingsFile(settingsFile.path, letterOf(l), w->width(), w->height(),
                                                       frame.x(), frame.y(), l, live,
                                                       // metres, the starting unit, need no line
                                                       deckUnit == DeckUnit::Metre ? std::nullopt : std::optional(deckUnit),
                                                       // and millimetres and grams none either
                                                       window.units() == UnitSystem::Metric ? std::nullopt
                                                                                            : std::optional(window.units()));
    if (!saved.ok)
        reportError(saved.message);
}

// Insert wing from file: a wing of another aircraft file, AVL deck or XFLR5 plane file goes into
// wing w as one edit, as a copied wing would, keeping w's place; the user picks the wing when the
// file holds several. What did not come along goes into the memo.
void FileCommands::insertWing(int w)
{
    if (w < 1 || w > MaxWings)
        return;
    const std::string fileName = askOpenFileName().toStdString();
    if (fileName.empty() || !unitToRead(fileName))
        return;
    const WingSource source = readWingSource(fileName, window.language(), deckUnit);
    if (!source.outcome.ok()) {
        if (source.outcome.status != AircraftReadStatus::NoFileChosen)
            reportError(source.outcome.message);
        return;
    }
    QStringList captions;
    for (const std::string& caption : source.captions)
        captions << qs(caption);
    std::optional<int> from = 0;
    if (captions.size() > 1) {
        if (window.questions->chooseWingOfFile) {
            from = window.questions->chooseWingOfFile(captions);
        } else {
            from = pickFrom(texts::WingOfFileQuestion, captions, 0);
        }
    }
    if (!from || *from < 0 || *from >= captions.size())
        return;
    const WingInsertion insertion = insertionOf(source, *from + 1, w);
    window.asOneEdit({.kind = EditKind::Insertion, .wing = w}, [&] { writeInsertion(window.wingPage, insertion); });
    if (!source.outcome.notes.empty())
        window.showNotes(source.outcome.notes);
}

} // namespace ab
