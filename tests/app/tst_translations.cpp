#include "app/Translations.h"
#include "support/DataRows.h"

#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The language chosen from the environment, among the languages with a translation
    // ("none": English, nothing installed). Rows: tests/data/languages.txt.
    void chosenLanguage_data() { AddDataRows(QStringLiteral("languages.txt")); }
    void chosenLanguage() {
        // LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, translated);
        QFETCH(QString, chosen);
        const QStringList files = translated.split(u' ', Qt::SkipEmptyParts);
        const QString found =
            ChosenLanguage(WantedLanguages({language, lcAll, lcMessages, lang}),
                           [&](const QString& name) { return files.contains(name); });
        QCOMPARE(found.isEmpty() ? QStringLiteral("none") : found, chosen);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
