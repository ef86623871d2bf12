// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the window's
// language, from the translations that come with Qt.
#pragma once

#include "lang/language.h"

#include <QTranslator>

namespace ab {

class QtTranslations {
public:
    ~QtTranslations();
    // Installs Qt's translation for the language (English needs none). Returns false when the
    // translation is not installed on this machine; Qt's texts then stay English.
    bool use(Language language);

private:
    QTranslator translator;
    bool installed = false;
};

} // namespace ab
