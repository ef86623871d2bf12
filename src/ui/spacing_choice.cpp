// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/spacing_choice.h"

#include "lang/spacing_texts.h"
#include "ui/widgets.h"

#include <QComboBox>

namespace ab {

// The box's entries in the order of SpanwiseSpacing.
constexpr SpanwiseSpacing kEntries[] = {SpanwiseSpacing::Equal, SpanwiseSpacing::Refined};

SpacingChoice::SpacingChoice(QWidget* page, int columnEnd, QObject* parent) : QObject(parent)
{
    box = place<QComboBox>(page, "ComboSpacing", 1, 0, columnEnd - 9, 22);
    for (const SpanwiseSpacing s : kEntries)
        box->addItem(QString(), static_cast<int>(s));
    connect(box, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing && index >= 0)
            emit chosen(kEntries[index]);
    });
}

void SpacingChoice::setLanguage(Language l)
{
    for (int i = 0; i < box->count(); ++i)
        box->setItemText(i, QString::fromUtf8(texts::spacingChoice(kEntries[i]).in(l)));
    const QString tip = QString::fromUtf8(texts::SpacingTip.in(l));
    box->setToolTip(tip);
    box->setAccessibleName(tip.section(':', 0, 0));
}

void SpacingChoice::show(SpanwiseSpacing spacing)
{
    showing = true;
    box->setCurrentIndex(spacing == SpanwiseSpacing::Refined ? 1 : 0);
    showing = false;
}

int SpacingChoice::placeAt(int top)
{
    box->move(box->x(), top);
    return bottomOf(box);
}

} // namespace ab
