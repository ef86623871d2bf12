// SPDX-License-Identifier: GPL-3.0-or-later
// The information dialog: what the program does, who made it, in the current language. It stays
// open beside the main window until its own close button is used.
#pragma once

#include "lang/language.h"

#include <QDialog>

class QLabel;

namespace ab {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    // Fills the labels in the language: German, English or Spanish.
    void showTexts(Language language);
};

} // namespace ab
