// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;
class QLocale;

/**
 * The language of the program's texts. The texts are written in Japanese;
 * a user whose language is any other reads them in English. The C locale
 * (no language chosen) keeps the Japanese texts.
 */
class Translation
{
public:
    /** Whether the user of @p locale reads the English texts. */
    static bool wantsEnglish(const QLocale &locale);
    /** Puts the English texts in place in @p app when @p locale wants them; true when done. */
    static bool install(QCoreApplication &app, const QLocale &locale);
    /** The user's language: the first of the desktop's interface languages. */
    static QLocale userLocale();

    static constexpr const char *englishTexts = ":/i18n/quillnote_en.qm";
};
