// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers that make a control with its object name at its place, so that the building code
// reads like the table of controls it follows.
#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <string_view>

namespace ab {

template <typename T>
T* place(QWidget* parent, std::string_view name, int x, int y, int width, int height)
{
    auto* control = new T(parent);
    control->setObjectName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    control->setGeometry(x, y, width, height);
    return control;
}

inline void setInk(QWidget* control, const QColor& ink)
{
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, ink);
    p.setColor(QPalette::Text, ink);
    p.setColor(QPalette::ButtonText, ink);
    control->setPalette(p);
}

inline void setBackground(QWidget* control, const QColor& colour)
{
    QPalette p = control->palette();
    p.setColor(control->backgroundRole(), colour); // buttons fill with their button colour
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

// A label that takes the size of its text, as labels do here: every text change resizes it.
inline QLabel* autoLabel(QWidget* parent, std::string_view name, int x, int y, const QColor& ink)
{
    auto* label = place<QLabel>(parent, name, x, y, 10, 10);
    label->setTextFormat(Qt::PlainText);
    setInk(label, ink);
    return label;
}

inline void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

// Controls whose caption must not run into a neighbour carry the room they have and their usual
// font size; a caption too wide for the room in some language is set in a smaller font (down to
// 9 pixels) instead of being cut, and the next caption starts again from the usual size.
// The row just under a control.
inline int bottomOf(const QWidget* w) { return w->y() + w->height(); }

inline void setCaptionRoom(QWidget* control, int width)
{
    control->setProperty("captionRoom", width);
    control->setProperty("captionPixels", control->font().pixelSize());
}

template <typename Control>
void fitCaption(Control* control, const QString& text)
{
    control->setText(text);
    const int room = control->property("captionRoom").toInt();
    if (room <= 0)
        return;
    QFont f = control->font();
    f.setPixelSize(control->property("captionPixels").toInt());
    control->setFont(f);
    while (f.pixelSize() > 9 && control->sizeHint().width() > room) {
        f.setPixelSize(f.pixelSize() - 1);
        control->setFont(f);
    }
}

// Radio buttons that exclude each other, and no others: buttons of one parent would otherwise
// also exclude the buttons of the panels inside it.
template <typename... Buttons>
void exclusiveGroup(QObject* owner, Buttons*... buttons)
{
    auto* group = new QButtonGroup(owner);
    (group->addButton(buttons), ...);
}

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// An input field in the ink of its wing.
inline QLineEdit* inputField(QWidget* parent, std::string_view name, int x, int y, const QColor& ink)
{
    auto* field = place<QLineEdit>(parent, name, x, y, 45, 21);
    setInk(field, ink);
    return field;
}

} // namespace ab
