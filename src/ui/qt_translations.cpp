// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace ab {

QtTranslations::~QtTranslations()
{
    if (installed)
        QCoreApplication::removeTranslator(&translator);
}

bool QtTranslations::use(Language language)
{
    if (installed)
        QCoreApplication::removeTranslator(&translator);
    installed = false;
    if (language == Language::English)
        return true;
    const QLocale locale(language == Language::German ? QLocale::German : QLocale::Spanish);
    if (!translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    installed = QCoreApplication::installTranslator(&translator);
    return installed;
}

} // namespace ab
