// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/info_dialog.h"

#include "draw/colours.h"
#include "ui/widgets.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ab {
namespace {

// The labels from top to bottom with their indent, ink and weight; the texts per language.
struct InfoLabel {
    const char* name;
    int indent;
    QColor ink;
    bool bold;
};
const InfoLabel kLabels[] = {
    {"Label9", 32, clBlack, false}, {"Label1", 0, clBlue, true},    {"Label2", 24, clBlue, true},
    {"Label7", 32, clBlue, true},   {"Label3", 40, clBlack, true},  {"Label4", 72, clBlack, false},
    {"Label5", 48, clBlack, true},  {"Label6", 72, clBlack, false}, {"Label10", 8, clBlack, false},
    {"Label11", 11, clBlack, false}, {"Label8", 32, clBlack, false},
};

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName("Form2");
    setWindowTitle(" Info");
    setModal(false);
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // sized to its contents
    layout->setSpacing(2);
    for (const InfoLabel& l : kLabels) {
        auto* label = new QLabel(this);
        label->setObjectName(l.name);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(l.indent, 0, 12, 0);
        setInk(label, l.ink);
        QFont lf = label->font();
        lf.setBold(l.bold);
        label->setFont(lf);
        layout->addWidget(label);
    }
    // The window manager's frame is not the only way out: the dialog closes with its own button and
    // with Escape.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName("ButtonClose");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

void TForm2::showTexts(Language l)
{
    using namespace texts;
    const std::pair<const char*, QString> content[] = {
        {"Label1", qs(InfoLine1.in(l))},
        {"Label2", qs(InfoLine2.in(l))},
        {"Label7", qs(InfoLine3.in(l))},
        {"Label3", qs(InfoIdeaCredit.in(l))},
        {"Label4", qs(InfoIdeaContact.in(l))},
        {"Label5", qs(InfoRealisationCredit.in(l))},
        {"Label6", qs(InfoRealisationContact.in(l))},
        // Without a download page the line that would announce it stays empty too.
        {"Label10", *InfoDownloadAddress ? qs(InfoDownload.in(l)) : QString()},
        {"Label11", QString::fromUtf8(InfoDownloadAddress)},
    };
    for (const auto& [name, text] : content)
        findChild<QLabel*>(name)->setText(text);
    findChild<QPushButton*>("ButtonClose")->setText(qs(InfoClose.in(l)));
}

} // namespace ab
