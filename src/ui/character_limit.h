// SPDX-License-Identifier: GPL-3.0-or-later
// A limit on what a text field takes, counted in characters as the files count them (a character
// outside the 16-bit range, an emoji, is one, where Qt's own maxLength counts two), for the line
// fields and for a column of a table.
#pragma once

#include <QStyledItemDelegate>
#include <QValidator>

namespace ab {

// Keeps at most `characters` characters: of a text typed or pasted beyond the limit, the characters
// just inserted before the cursor are dropped, as Qt's own limit does; a text set whole is cut at
// its end.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int characters, QObject* parent) : QValidator(parent), characters(characters) {}
    State validate(QString& text, int& cursor) const override;

private:
    int characters;
};

// The editors of the table column it is set on take at most `characters` characters.
class CharacterLimitDelegate : public QStyledItemDelegate {
public:
    CharacterLimitDelegate(int characters, QObject* parent) : QStyledItemDelegate(parent), characters(characters) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int characters;
};

} // namespace ab
