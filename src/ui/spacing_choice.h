// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of how the calculation spreads the strips along the span, under the calculate button on
// the aircraft tab: the box ComboSpacing (equal, or refined towards the ends), its tip saying what
// the choice does. Choosing says so through `chosen`; showing a state of the texts says nothing.
#pragma once

#include "lang/language.h"
#include "model/spanwise_spacing.h"

#include <QObject>

class QComboBox;
class QWidget;

namespace ab {

class SpacingChoice : public QObject {
    Q_OBJECT
public:
    // Makes the box on `page`, the left column of which ends at `columnEnd`.
    SpacingChoice(QWidget* page, int columnEnd, QObject* parent);

    void setLanguage(Language language);
    void show(SpanwiseSpacing spacing);
    // Places the box at `top`; returns the row under it.
    int placeAt(int top);

    QComboBox* box = nullptr;

signals:
    void chosen(SpanwiseSpacing spacing);

private:
    bool showing = false;
};

} // namespace ab
