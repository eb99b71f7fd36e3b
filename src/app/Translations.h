#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The variables that name the user's language, as the environment holds them (empty: unset).
struct LocaleVariables {
    QString language;    // LANGUAGE: a colon-separated list of languages
    QString lcAll;       // LC_ALL
    QString lcMessages;  // LC_MESSAGES
    QString lang;        // LANG
};

// The languages the user wants, most wanted first, read as gettext reads them: LANGUAGE's list
// unless the locale is C or POSIX, else the locale (the first set of LC_ALL, LC_MESSAGES and
// LANG). Each name comes with its region first, then without ("de_DE.UTF-8": de_DE, de). The
// list ends before English, the program's own language.
QStringList WantedLanguages(const LocaleVariables& variables);

// The first wanted language that has a translation, or an empty string for English.
QString ChosenLanguage(const QStringList& wanted,
                       const std::function<bool(const QString&)>& hasTranslation);

// Installs, into the application object being made, the translation of the user's language
// and Qt's own for it; with English, or a language without a translation, nothing. The
// choice is made once, from a few file look-ups.
void InstallTranslations();
