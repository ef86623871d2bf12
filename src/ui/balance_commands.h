// SPDX-License-Identifier: GPL-3.0-or-later
// The window's balance as a part of its own: the balance tab's rows, the stability mode and the
// margin typed go into the document as edits; the figures under the table follow the rows and every
// stability display. The part asks the window only for its language and to record an edit.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace ab {

class AircraftViews;
class BalancePage;

class BalanceCommands : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<Language()> language;
        std::function<void(const Edit& edit, int typingKey)> recordEdit; // -1: a step of its own
        std::function<int()> focusSession; // counts focus changes: typing steps merge within one
        int marginTypingKey = -1;
    };
    // Builds the balance page on `tab`.
    BalanceCommands(AircraftDocument& document, AircraftViews* views, QWidget* tab, Window window, QObject* parent);

    // The measured centre of gravity in the top view (drawn again while it shows results) and the
    // figures under the table, both from the document.
    void showBalance();
    void showFigures();
    // The rows, margin and stability mode an opened file brought (or the starting ones).
    void showStored(const BalanceCut& cut);

    BalancePage* page = nullptr; // the balance tab

private:
    void edited(const std::vector<BalanceItemTexts>& items);

    AircraftDocument& document;
    AircraftViews* views;
    Window window;
    BalanceCut cutOnOpen;               // what the opened file's balance held beyond the limits
    int marginSession = -1;             // the focus session the margin was last typed in
    std::string marginWhenEditingBegan; // the margin in use when that typing began
};

} // namespace ab
