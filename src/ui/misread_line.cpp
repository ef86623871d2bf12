// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/misread_line.h"

#include "draw/colours.h"
#include "ui/widgets.h"

#include <QEvent>

#include <algorithm>
#include <QLabel>
#include <QPlainTextEdit>

namespace ab {

MisreadLine::MisreadLine(QPlainTextEdit* memo, const char* name, const QColor& ink, Shown shown, QObject* parent)
    : QObject(parent), memo(memo), shown(shown)
{
    label = place<QLabel>(memo->parentWidget(), name, memo->x(), memo->y(), memo->width(), 16);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    setInk(label, ink);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->hide();
    memo->installEventFilter(this);
}

void MisreadLine::setText(const QString& line)
{
    const bool changed = line != label->text();
    label->setText(line);
    if (!follow() && changed && !label->isHidden())
        emit reshaped();
}

int MisreadLine::placeAt(int top, int left)
{
    const int x = std::max(memo->x(), left), width = memo->x() + memo->width() - x;
    label->setGeometry(x, top, width, label->heightForWidth(width));
    return label->isHidden() ? top : top + label->height() + 2;
}

bool MisreadLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memo && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        follow();
    return QObject::eventFilter(watched, event);
}

bool MisreadLine::follow()
{
    const bool visible = (shown == Shown::WhenSet || !memo->isHidden()) && !label->text().isEmpty();
    if (visible == !label->isHidden())
        return false;
    label->setVisible(visible);
    emit reshaped();
    return true;
}

} // namespace ab
