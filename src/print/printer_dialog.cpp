// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printer_dialog.h"

#include "files/file_messages.h"
#include "lang/printer_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

namespace ab {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form3");
    setModal(false);
    auto* layout = new QGridLayout(this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    StringGrid2 = new QTableWidget(0, 1, this);
    StringGrid2->setObjectName("StringGrid2");
    StringGrid2->verticalHeader()->hide();
    StringGrid2->horizontalHeader()->setStretchLastSection(true);
    StringGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setMinimumSize(260, 120);
    CheckBoxColor = new QCheckBox(this);
    CheckBoxColor->setObjectName("CheckBoxColor");
    ButtonClose = new QPushButton(this);
    ButtonClose->setObjectName("ButtonClose");
    ButtonClose->setDefault(true);
    Button1 = new QPushButton(this);
    Button1->setObjectName("Button1");
    note = new QLabel(this);
    note->setObjectName("note");
    note->setWordWrap(true);
    layout->addWidget(ComboBox1, 0, 0, 1, 2);
    layout->addWidget(Label2, 1, 0, 1, 2);
    layout->addWidget(StringGrid2, 2, 0, 1, 2);
    layout->addWidget(CheckBoxColor, 3, 0, 1, 2);
    layout->addWidget(note, 4, 0, 1, 2);
    layout->addWidget(ButtonClose, 5, 0);
    layout->addWidget(Button1, 5, 1);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    connect(CheckBoxColor, &QCheckBox::toggled, this, [this] { CheckBoxColorClick(); });
    connect(ButtonClose, &QPushButton::clicked, this, [this] { ButtonCloseClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });
    showTexts();
    FormCreate();
}

void TForm3::setPage(const SummaryPage& p, Language l, const QString& pdf)
{
    page = p;
    pdfName = pdf;
    setLanguage(l);
}

void TForm3::setLanguage(Language l)
{
    if (l == language)
        return;
    language = l;
    showTexts();
    if (isVisible())
        FormCreate();
}

// The captions in the dialog's language; the PDF entry takes its text when the list is filled.
void TForm3::showTexts()
{
    setWindowTitle(qs(texts::PrinterTitle.in(language)));
    Label2->setText(qs(texts::PrinterResolution.in(language)));
    StringGrid2->setHorizontalHeaderLabels({qs(texts::ResolutionColumn.in(language))});
    CheckBoxColor->setText(qs(texts::PrintInColour.in(language)));
    ButtonClose->setText(qs(texts::PrintButton.in(language)));
    Button1->setText(qs(texts::CancelButton.in(language)));
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormCreate();
}

// Besides the installed printers the list offers a PDF file as its last entry, so that there is
// always somewhere to print the page.
bool TForm3::pdfChosen() const
{
    return ComboBox1->count() > 0 && ComboBox1->currentIndex() == ComboBox1->count() - 1;
}

void TForm3::FormCreate()
{
    suppress = true;
    ComboBox1->clear();
    ComboBox1->addItems(XPrintSet1.printers());
    ComboBox1->addItem(qs(texts::PdfFileEntry.in(language)));
    ComboBox1->setCurrentIndex(XPrintSet1.printersAvailable() ? XPrintSet1.currentPrinterIndex() : ComboBox1->count() - 1);
    suppress = false;
    fillResolutions();
    fillColour();
}

void TForm3::ComboBox1Change()
{
    if (suppress)
        return;
    if (!pdfChosen())
        XPrintSet1.selectPrinter(ComboBox1->currentIndex());
    fillResolutions();
    fillColour();
}

void TForm3::fillResolutions()
{
    suppress = true;
    QList<QPair<int, int>> dpis;
    if (pdfChosen())
        dpis = {{600, 600}};
    else
        for (int i = 0; i < XPrintSet1.resolutionCount(); ++i)
            dpis.append({XPrintSet1.resolutionX(i), XPrintSet1.resolutionY(i)});
    StringGrid2->setRowCount(static_cast<int>(dpis.size()));
    for (int i = 0; i < dpis.size(); ++i)
        StringGrid2->setItem(i, 0, new QTableWidgetItem(qs(resolutionText(dpis[i].first, dpis[i].second))));
    if (!dpis.isEmpty())
        StringGrid2->selectRow(0);
    const bool target = ComboBox1->currentIndex() >= 0;
    ButtonClose->setEnabled(target);
    note->setText(target ? QString() : QString::fromUtf8(texts::ChoosePrinterNote.in(language).data()));
    suppress = false;
}

void TForm3::fillColour()
{
    suppress = true;
    const bool colour = pdfChosen() || XPrintSet1.colourDepth() >= 2;
    CheckBoxColor->setEnabled(colour);
    CheckBoxColor->setChecked(pdfChosen() || (colour && XPrintSet1.colour()));
    suppress = false;
}

void TForm3::CheckBoxColorClick()
{
    if (!suppress && !pdfChosen())
        XPrintSet1.setColour(CheckBoxColor->isChecked());
}

void TForm3::report(const std::string& message)
{
    if (showError)
        showError(QString::fromStdString(message));
    else
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(message));
}

void TForm3::ButtonCloseClick()
{
    const QList<QTableWidgetItem*> selected = StringGrid2->selectedItems();
    const int row = selected.isEmpty() ? 0 : selected.front()->row();
    if (pdfChosen()) {
        QString name = choosePdfFile ? choosePdfFile()
                                     : QFileDialog::getSaveFileName(this, QString(), pdfName, "PDF (*.pdf)");
        if (name.isEmpty())
            return;
        if (!name.endsWith(".pdf", Qt::CaseInsensitive))
            name += ".pdf";
        // Without "Color" the PDF is grey, as a printer set to grey scale prints it.
        const std::string failed =
            writeSummaryPdf(name.toStdString(), CheckBoxColor->isChecked() ? page : greySummaryPage(page), language);
        if (!failed.empty()) {
            report(failed);
            return;
        }
        close();
        return;
    }
    XPrintSet1.setResolutionIndex(row);
    TXPrint XPrint1;
    if (!XPrint1.beginDocument(XPrintSet1)) {
        report(fileMessage(language, texts::PrinterCannotStart, ComboBox1->currentText().toStdString()));
        return;
    }
    paintPrintedPage(XPrint1.canvas(), page, XPrint1.dpi());
    XPrint1.endDocument();
    close();
}

} // namespace ab
