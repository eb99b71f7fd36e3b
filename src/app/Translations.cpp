#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The C locale and its spellings, which gettext leaves untranslated.
bool isCLocale(const QString& locale) {
    return locale.isEmpty() || locale == u"C" || locale.startsWith(u"C.") || locale == u"POSIX";
}

// "de_DE.UTF-8@euro" gives de_DE and de; "de" gives de.
QStringList namesOf(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != u'.' && locale[end] != u'@') {
        ++end;
    }
    const QString name = locale.left(end);
    const QString language = name.section(u'_', 0, 0);
    return name == language ? QStringList{name} : QStringList{name, language};
}

LocaleVariables environment() {
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")};
}

struct Choice {
    QString language;
    QString file;  // the program's translation without ".qm"; empty for English
};

// The folders the program's translations are looked for in: beside the program (the build
// tree), then the installed tree.
Choice choose() {
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList folders{program + QStringLiteral("/translations"),
                              program + QStringLiteral("/../share/tickvane/translations")};
    Choice choice;
    choice.language = ChosenLanguage(WantedLanguages(environment()), [&](const QString& language) {
        for (const QString& folder : folders) {
            const QString file = folder + QStringLiteral("/tickvane_") + language;
            if (QFileInfo::exists(file + QStringLiteral(".qm"))) {
                choice.file = file;
                return true;
            }
        }
        return false;
    });
    return choice;
}

void install(const QString& file, const QString& folder = QString()) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
}  // namespace

QStringList WantedLanguages(const LocaleVariables& variables) {
    QString locale = variables.lcAll;
    for (const QString& next : {variables.lcMessages, variables.lang}) {
        if (locale.isEmpty()) {
            locale = next;
        }
    }
    if (isCLocale(locale)) {
        return {};
    }
    const QStringList asked = variables.language.isEmpty()
                                  ? QStringList{locale}
                                  : variables.language.split(u':', Qt::SkipEmptyParts);
    QStringList wanted;
    for (const QString& entry : asked) {
        const QStringList names = namesOf(entry);
        if (isCLocale(entry) || names.last() == u"en") {
            break;
        }
        wanted << names;
    }
    return wanted;
}

QString ChosenLanguage(const QStringList& wanted,
                       const std::function<bool(const QString&)>& hasTranslation) {
    for (const QString& language : wanted) {
        if (hasTranslation(language)) {
            return language;
        }
    }
    return QString();
}

void InstallTranslations() {
    static const Choice choice = choose();
    if (choice.file.isEmpty()) {
        return;
    }
    install(choice.file);
    install(QStringLiteral("qtbase_") + choice.language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
