// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/character_limit.h"

#include <QLineEdit>

namespace ab {
namespace {

// The UTF-16 units of the character that ends at `end` (two for a surrogate pair).
int unitsBefore(const QString& text, int end)
{
    return end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate() ? 2 : 1;
}

int characterCount(const QString& text)
{
    int n = 0;
    for (int i = text.size(); i > 0; i -= unitsBefore(text, i))
        ++n;
    return n;
}

} // namespace

QValidator::State CharacterLimit::validate(QString& text, int& cursor) const
{
    int excess = characterCount(text) - characters;
    // The characters inserted last stand just before the cursor: those go first.
    while (excess > 0 && cursor > 0) {
        const int units = unitsBefore(text, cursor);
        text.remove(cursor - units, units);
        cursor -= units;
        --excess;
    }
    for (; excess > 0; --excess)
        text.chop(unitsBefore(text, static_cast<int>(text.size())));
    return Acceptable;
}

QWidget* CharacterLimitDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setValidator(new CharacterLimit(characters, line));
    return editor;
}

} // namespace ab
