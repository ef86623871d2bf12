// SPDX-License-Identifier: GPL-3.0-or-later
// A line of its own above the message memo: the misread fields of the last calculation (red, shown
// while the memo shows and the calculation found such fields), or the heights a calculation while
// editing used in place of those typed (shown while it has text, memo or not).
#pragma once

#include <QObject>
#include <QString>

class QColor;
class QLabel;
class QPlainTextEdit;

namespace ab {

class MisreadLine : public QObject {
    Q_OBJECT
public:
    // Makes the label `name` on the memo's page, hidden; withMemo: it shows only while the memo does.
    enum class Shown { WithMemo, WhenSet };
    MisreadLine(QPlainTextEdit* memo, const char* name, const QColor& ink, Shown shown, QObject* parent);

    // The fields' line as the memo is filled: empty when every field read cleanly.
    void setText(const QString& line);
    // Places the line at `top` from the memo's left edge, or from column `left` where that lies further
    // right, to the memo's right edge, as high as its wrapped text; returns the row under it (top
    // itself when the line is hidden).
    int placeAt(int top, int left = 0);

    QLabel* label = nullptr;

signals:
    // The line appeared, went or changed its text: what lies under it must move.
    void reshaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool follow(); // true when the line appeared or went
    QPlainTextEdit* memo;
    Shown shown;
};

} // namespace ab
