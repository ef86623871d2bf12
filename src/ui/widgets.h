// Small helpers that make a control with its object name at its place, so that the building code
// reads like the table of controls it follows.
#pragma once

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

inline QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// An input field in the ink of its wing.
inline QLineEdit* inputField(QWidget* parent, std::string_view name, int x, int y, const QColor& ink)
{
    auto* field = place<QLineEdit>(parent, name, x, y, 45, 21);
    setInk(field, ink);
    return field;
}

} // namespace ab
