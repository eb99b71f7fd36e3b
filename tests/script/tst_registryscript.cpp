#include "script/RegistryScript.h"
#include "support/RandomText.h"
#include "support/TestSeed.h"

#include <QDir>
#include <QSet>
#include <QTest>

namespace {

// One line per section and per value, so that a failed comparison shows where they differ.
QString Render(const StoreSections& sections) {
    QString text;
    for (const StoreSection& section : sections) {
        text += QStringLiteral("[%1]\n").arg(section.name);
        for (const auto& [key, value] : section.values) {
            text += QStringLiteral("%1=%2\n").arg(key, value);
        }
    }
    return text;
}

// Names differ without regard to case, as registry names must.
QString UniqueName(QRandomGenerator& random, const QStringList& pool, QSet<QString>& used) {
    QString name;
    do {
        name = QStringLiteral("N") + RandomText(random, pool, 8);
    } while (used.contains(name.toCaseFolded()));
    used.insert(name.toCaseFolded());
    return name;
}

StoreSections RandomSections(QRandomGenerator& random) {
    const QStringList names =
        QString::fromUtf8("abcXYZ09_ \"=[];.-\u00e9").split(QString(), Qt::SkipEmptyParts);
    const QStringList values =
        names + QStringList{"\\", "\t", "@", "'", "\u20ac", "\u4e2d", "\U0001F4C8"};
    StoreSections sections;
    QSet<QString> sectionNames;
    for (int s = 1 + random.bounded(4); s > 0; --s) {
        StoreSection section{UniqueName(random, names, sectionNames), {}};
        QSet<QString> keys;
        for (int k = 1 + random.bounded(6); k > 0; --k) {
            QString key = UniqueName(random, values, keys);
            section.values.emplace_back(std::move(key), RandomText(random, values, 12));
        }
        sections.push_back(std::move(section));
    }
    return sections;
}
}  // namespace

class RegistryScriptTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // A line break cannot be carried: it becomes a blank, with a warning naming the value.
    // The escapes are pinned with the export's layout in the storage test.
    void writesEveryValueForm_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("warned");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Caf\u00e9 \u20ac")
                                   << QByteArray("\"Note\"=\"Caf\xC3\xA9 \xE2\x82\xAC\"") << false;
        QTest::newRow("LF") << "a\nb" << QByteArray(R"("Note"="a b")") << true;
        QTest::newRow("CR LF") << "a\r\nb" << QByteArray(R"("Note"="a  b")") << true;
    }
    void writesEveryValueForm() {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QFETCH(bool, warned);
        const ScriptText script = WriteRegistryScript({{"StockList", {{"Note", value}}}});
        QVERIFY2(script.bytes.endsWith("\r\n" + line + "\r\n"), script.bytes.constData());
        QCOMPARE(script.warnings.size(), int(warned));
        QVERIFY(!warned || script.warnings[0].contains("in Note of section StockList"));
    }

    // Every tests/data/scripts/NAME.reg reads as NAME.txt holds: its sections, or
    // "refused: REASON". Among them both ends of every character-set range the reader decodes
    // (UTF-8, Windows-1252, UTF-16 in either byte order) and one past them.
    void readsScripts_data() {
        QTest::addColumn<QString>("file");
        const QDir scripts(QT_TESTCASE_SOURCEDIR "/data/scripts");
        for (const QString& name : scripts.entryList({"*.reg"})) {
            QTest::newRow(qPrintable(name)) << scripts.filePath(name);
        }
    }
    void readsScripts() {
        QFETCH(QString, file);
        QFile in(file), expected(file.chopped(3) + "txt");
        QVERIFY(in.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        const ScriptContent content = ReadRegistryScript(in.readAll());
        QCOMPARE(content.ok ? Render(content.sections) : "refused: " + content.reason + u'\n',
                 QString::fromUtf8(expected.readAll()));
    }

    void readingGivesBackWhatWasWritten() {
        QRandomGenerator random(TestSeed());
        for (int round = 0; round < 300; ++round) {
            const StoreSections sections = RandomSections(random);
            const ScriptText script = WriteRegistryScript(sections);
            QVERIFY(script.warnings.isEmpty());
            const ScriptContent content = ReadRegistryScript(script.bytes);
            QVERIFY2(content.ok, qPrintable(content.reason));
            QCOMPARE(Render(content.sections), Render(sections));
        }
    }
};

QTEST_GUILESS_MAIN(RegistryScriptTest)
#include "tst_registryscript.moc"
