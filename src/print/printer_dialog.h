// SPDX-License-Identifier: GPL-3.0-or-later
// The printer dialog: choose an installed printer, one of its resolutions and colour, or a PDF file,
// and print the summary page there. It stays open beside the main window until printed or cancelled.
#pragma once

#include "lang/language.h"
#include "print/print_components.h"
#include "print/summary_page.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace ab {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // The page that "Print" sends, and the language of the dialog and its messages.
    // pdfName: the name the "PDF file" entry offers (the aircraft's file name with ".pdf").
    void setPage(const SummaryPage& page, Language language, const QString& pdfName = "summary.pdf");
    // The dialog's captions and messages in another language; the page stays as it was composed.
    void setLanguage(Language language);

    // Asks for the PDF file's name (empty: cancelled); tests put their own answer here.
    std::function<QString()> choosePdfFile;
    // Shows a message that printing failed.
    std::function<void(const QString&)> showError;

    void FormCreate();        // fills the list, the resolution grid and the colour box
    void ComboBox1Change();
    void CheckBoxColorClick();
    void ButtonCloseClick();  // "Print"
    bool pdfChosen() const;

    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QCheckBox* CheckBoxColor = nullptr;
    QPushButton* ButtonClose = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* note = nullptr; // why "Print" is not offered

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showTexts();
    void fillResolutions();
    void fillColour();
    void report(const std::string& message);

    TXPrintSet XPrintSet1;
    SummaryPage page;
    Language language = Language::English;
    QString pdfName = "summary.pdf";
    bool suppress = false; // the dialog fills its own controls
};

} // namespace ab
