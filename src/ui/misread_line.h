// SPDX-License-Identifier: GPL-3.0-or-later
// The line of its own that names the misread fields of the last calculation, in red above the
// message memo: it shows while the memo shows and the calculation found such fields.
#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace ab {

class MisreadLine : public QObject {
    Q_OBJECT
public:
    // Makes the label Label_Misread on the memo's page, hidden.
    MisreadLine(QPlainTextEdit* memo, QObject* parent);

    // The fields' line as the memo is filled: empty when every field read cleanly.
    void setText(const QString& line);
    // Places the line at `top` from the memo's left edge, or from column `left` where that lies further
    // right, to the memo's right edge, as high as its wrapped text; returns the row under it (top
    // itself when the line is hidden).
    int placeAt(int top, int left = 0);

    QLabel* label = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    QPlainTextEdit* memo;
};

} // namespace ab
