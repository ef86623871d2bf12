// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file in the window: the open command with its reader applied to the fields and
// buttons, the save command with the extension rule, unsaved changes offered for saving before
// they would be lost, and the end of the program with the settings written back.
#include "ui/main_window.h"

#include "ui/balance_commands.h"
#include "ui/units_choice.h"

#include "files/aircraft_reader.h"
#include "files/aircraft_record.h"
#include "files/aircraft_writer.h"
#include "files/file_messages.h"
#include "files/open_aircraft.h"
#include "files/save_target.h"
#include "files/settings_file.h"
#include "files/wing_copy.h"
#include "lang/import_texts.h"
#include "ui/fuselage_page.h"
#include "ui/image_view.h"
#include "ui/info_dialog.h"
#include "ui/page_control.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace ab {

QString TForm1::askOpenFileName()
{
    if (chooseFileToOpen)
        return chooseFileToOpen();
    return QFileDialog::getOpenFileName(this, QString(), QString(),
                                        "*.da4 *.wk4 (*.da4 *.wk4);;AVL, XFLR5 (*.avl *.xml)");
}

QString TForm1::askSaveFileName()
{
    if (chooseFileToSave)
        return chooseFileToSave();
    // The window asks about replacing a file itself, once the extension rule has made the name.
    const QString proposed = qs(saveAsProposal(fileOfAircraft, designName, CurrentFileName));
    return QFileDialog::getSaveFileName(this, QString(), proposed, "*.wk4 (*.wk4)", nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void TForm1::reportFileError(const std::string& message)
{
    if (starting) {
        // At start-up the message waits until the window is on the screen.
        QTimer::singleShot(0, this, [this, message] { reportFileError(message); });
        return;
    }
    if (showError)
        showError(qs(message));
    else
        QMessageBox::warning(this, QApplication::applicationName(), qs(message));
}

bool TForm1::offerToSave()
{
    if (!isWindowModified())
        return true;
    SaveAnswer answer = SaveAnswer::Cancel;
    if (askToSaveChanges) {
        answer = askToSaveChanges();
    } else {
        const auto button = QMessageBox::question(
            this, QApplication::applicationName(),
            qs(std::string(texts::SaveChangesQuestion.in(language()))),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        answer = button == QMessageBox::Save ? SaveAnswer::Save
                 : button == QMessageBox::Discard ? SaveAnswer::Discard
                                                  : SaveAnswer::Cancel;
    }
    if (answer == SaveAnswer::Save) {
        Save1Click(saveOffered ? SaveChoice::CurrentFile : SaveChoice::AskName);
        return !isWindowModified(); // a cancelled or failed save keeps the window open
    }
    return answer == SaveAnswer::Discard;
}

void TForm1::Load1Click()
{
    if (!offerToSave())
        return;
    // A cancelled choice or a refused file leaves the aircraft, its file name, its label and the
    // target of the next Save as they were.
    const QString chosen = askOpenFileName();
    if (chosen.isEmpty() || !Load2(chosen.toStdString()))
        return;
    CopyAvailable = copyAvailable(fileToRead(CopyFileName));
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->offerInsert(CopyAvailable);
    aircraftViews->uncheckPressure();
    showOpenedAircraft();
}

// An aircraft the document opened, at start or by Open: its texts are on the controls already (the
// document's change put them there, keeping the results the file stored); the wings show as after
// any change of geometry, the stability display with the stored results.
void TForm1::showOpenedAircraft()
{
    aircraftViews->resetZoom();
    editedSinceCalculation = true;
    markResultsStale();
    aircraftViews->showStaleMarginCaption();
    balance->showFigures();
    saveOffered = true;
    PageControl1->setActivePage(TabSheet5);
    aircraftViews->showResultsCursor(aircraft.ResultsValid);
    aircraftViews->STABIL();
    applyCommandStates();
    noteDamagedFile();
}

// A file that ends early or lacks a wing opened with defaults in its gaps: the memo says where, and
// the aircraft counts as unsaved, so that Save is offered before the file is left as it is.
void TForm1::noteDamagedFile()
{
    if (openedFileNotes.empty())
        return;
    showMemo(openedFileNotes, true);
    document.keepUnsaved();
}

// Opens fileName through the document, which puts it on the controls; the file becomes the
// current one only once it has been read. A file that cannot be read changes nothing and says why.
bool TForm1::Load2(const std::string& fileName)
{
    // An AVL deck that does not say its unit: the unit is asked, offering the one chosen last.
    if (deckNeedsUnit(fileName)) {
        std::optional<DeckUnit> chosen;
        if (chooseDeckUnit) {
            chosen = chooseDeckUnit(deckUnit);
        } else {
            QStringList names;
            for (DeckUnit u : DeckUnits)
                names << qs(std::string(deckUnitName(u)));
            bool ok = false;
            const QString name = QInputDialog::getItem(this, QApplication::applicationName(),
                                                       qs(std::string(texts::DeckUnitQuestion.in(language()))), names,
                                                       static_cast<int>(deckUnit), false, &ok);
            if (ok)
                chosen = deckUnitNamed(name.toStdString());
        }
        if (!chosen)
            return false;
        deckUnit = *chosen;
    }
    const OpenOutcome opened = document.open(fileName, language(), deckUnit);
    if (opened.status == AircraftReadStatus::NoFileChosen)
        return false;
    if (!opened.ok()) {
        reportFileError(opened.message);
        return false;
    }
    openedFileNotes = opened.notes;
    // A design brought in from another tool has no file yet: Save as offers its name with ".wk4".
    designName = opened.importedAs;
    CurrentFileName = opened.importedAs.empty() ? fileName : opened.importedAs;
    Lab_FName->setText(qs(CurrentFileName));
    balance->showStored(opened.balanceCut);
    return true;
}

// Carries a read record out on the buttons and fields, each write running its change handling, and
// takes the stored results, remarks and balance.
void TForm1::applyReading(const AircraftFileReading& reading, const std::string& fileName)
{
    const RecordApplication a = applicationOf(reading.record, fileName);
    document.takeStoredResults(reading.extras, a.WingCount);
    wingCountButton[a.WingCount]->setChecked(true);
    for (int w = 1; w <= MaxWings; ++w)
        if (a.trapezoidCount[w])
            wingPage[w]->checkTrapezoidCount(*a.trapezoidCount[w]);
    document.useAllWings();
    applyWrites(a.fields);
    for (int w = 1; w <= MaxWings; ++w)
        for (int k = 1; k <= MaxTrapezoids; ++k)
            wingPage[w]->writeDihedral(k, reading.extras.dihedral[w][k]);
    if (a.uncheckPressure)
        aircraftViews->uncheckPressure();
    if (reading.extras.comment) {
        document.setComment(*reading.extras.comment); // as the file gives it, which the memo may show otherwise
        Memo2->setPlainText(qs(*reading.extras.comment));
    }
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->writeName(reading.extras.wingName[w]);
    document.takeBalance(reading.extras);
    balance->showStored(reading.extras.balanceCut);
    document.takeFuselage(reading.extras);
    fuselagePage->showStations(texts.fuselage);
    document.takeSpacing(reading.extras);
    spacingChoice->show(texts.spacing);
}

// A new, unnamed aircraft from a template kept with the program: the unsaved-changes question
// first, as for Open; then no file, no results, and Save asks for a name. The new aircraft is an
// edit that can be undone, and the state the window starts a design from.
void TForm1::newFromTemplate(const AircraftTemplate& from)
{
    if (!offerToSave())
        return;
    const AircraftFileReading reading = readTemplate(from, language(), unitsChoice->units());
    if (!reading.ok()) {
        reportFileError(reading.message);
        return;
    }
    aircraftViews->uncheckPressure();
    asOneEdit({.kind = EditKind::New}, [&] { applyReading(reading, "Unknown.wk4"); });
    CurrentFileName = "Unknown.wk4";
    document.setFileName({});
    designName = std::string(from.id) + ".wk4";
    Lab_FName->setText(qs(CurrentFileName));
    Calc();
    saveOffered = false;
    PageControl1->setActivePage(TabSheet5);
    aircraftViews->STABIL();
    applyCommandStates();
    markSaved(HistoryAfterSave::Keep);
}

bool TForm1::confirmReplace(const std::string& fileName)
{
    const QString question = qs(fileMessage(language(), texts::ReplaceQuestion, fileName));
    if (askToReplace)
        return askToReplace(question);
    return QMessageBox::question(this, QApplication::applicationName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void TForm1::Save1Click(SaveChoice choice)
{
    std::string chosen;
    // "Save" of an aircraft that has no file yet (the start's "Unknown.wk4") asks for a name as
    // "Save as" does, instead of writing a file the user never chose.
    if (choice == SaveChoice::AskName || fileOfAircraft.empty()) {
        chosen = askSaveFileName().toStdString();
        if (chosen.empty()) {
            CurrentFileName = applyExtensionRule(CurrentFileName);
            return;
        }
    }
    const SaveTarget target = saveTargetOf(chosen, fileOfAircraft);
    if (target.askBeforeReplace && !confirmReplace(target.fileName))
        return;
    // A failed save leaves the old file, the file name and its label as they were.
    const SaveOutcome saved = document.save(target.fileName, language());
    if (!saved.ok) {
        reportFileError(saved.message);
        return;
    }
    CurrentFileName = document.fileName;
    saveOffered = true;
    Lab_FName->setText(qs(CurrentFileName));
    applyCommandStates();
}

void TForm1::Exit1Click() { close(); }

void TForm1::BitBtn1Click()
{
    if (!infoDialog)
        infoDialog = new TForm2(this);
    // German when chosen, else English when chosen, else Spanish.
    infoDialog->showTexts(languageFlags.LanguageGerman ? Language::German
                          : languageFlags.LanguageEnglish ? Language::English
                                                          : Language::Spanish);
    infoDialog->show();
    infoDialog->raise();
    infoDialog->activateWindow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!offerToSave()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// The language and the window's size and place for the next start. A settings file that cannot be
// written is said, naming the file and the reason; the window closes all the same, since nothing of
// the aircraft is in it.
void TForm1::FormClose()
{
    const QRect frame = frameGeometry();
    const SettingsSaveOutcome saved = saveSettingsFile(settingsFile.path, letterOf(language()), width(), height(),
                                                       frame.x(), frame.y(), language(), liveCalculation(),
                                                       // metres, the starting unit, need no line
                                                       deckUnit == DeckUnit::Metre ? std::nullopt : std::optional(deckUnit),
                                                       // and millimetres and grams none either
                                                       unitsChoice->units() == UnitSystem::Metric
                                                           ? std::nullopt
                                                           : std::optional(unitsChoice->units()));
    if (!saved.ok)
        reportFileError(saved.message);
}

} // namespace ab
