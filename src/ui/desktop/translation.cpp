// SPDX-License-Identifier: MIT
#include "ui/desktop/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool Translation::wantsEnglish(const QLocale &locale)
{
    return locale.language() != QLocale::C && locale.language() != QLocale::Japanese;
}

bool Translation::install(QCoreApplication &app, const QLocale &locale)
{
    if (!wantsEnglish(locale))
        return false;
    auto *english = new QTranslator(&app);
    if (!english->load(QString::fromLatin1(englishTexts)) || !app.installTranslator(english)) {
        delete english;
        return false;
    }
    return true;
}

QLocale Translation::userLocale()
{
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in the order the desktop reads them.
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}
