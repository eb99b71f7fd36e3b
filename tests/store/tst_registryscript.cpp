#include "store/RegistryScript.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

// This program's key in the scripts.
#define PROGRAM_KEY "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Tickvane"

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

QByteArray Script(const QByteArray& body, const QByteArray& newline = "\r\n") {
    QByteArray script = "REGEDIT4\n\n[" PROGRAM_KEY "]\n\n" + body;
    return script.replace("\n", newline);
}

QByteArray Utf16LE(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

StoreSection Section(const QString& name, std::vector<std::pair<QString, QString>> values) {
    return StoreSection{name, std::move(values)};
}
}  // namespace

class RegistryScriptTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void escapesEveryValueForm_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain text") << "Market Indices" << QByteArray(R"("k"="Market Indices")");
        QTest::newRow("quotes") << R"(Tech "A")" << QByteArray(R"("k"="Tech \"A\"")");
        QTest::newRow("Windows path") << R"(C:\Web\)" << QByteArray(R"("k"="C:\\Web\\")");
        QTest::newRow("escaped quote") << R"(a\"b)" << QByteArray(R"("k"="a\\\"b")");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Caf\u00e9 \u20ac")
                                   << QByteArray("\"k\"=\"Caf\xC3\xA9 \xE2\x82\xAC\"");
    }
    void escapesEveryValueForm() {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        const ScriptText script = WriteRegistryScript({Section("Custom", {{"k", value}})});
        QVERIFY2(script.bytes.endsWith("\r\n" + line + "\r\n"), script.bytes.constData());
        QVERIFY(script.warnings.isEmpty());
    }

    void replacesLineBreaksWithAWarning_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("LF") << "a\nb" << QByteArray(R"("Description3"="a b")");
        QTest::newRow("CR LF") << "a\r\nb" << QByteArray(R"("Description3"="a  b")");
    }
    void replacesLineBreaksWithAWarning() {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        const ScriptText script = WriteRegistryScript(
            {Section("StockList", {{"Stock3", "IBM"}, {"Description3", value}})});
        QVERIFY2(script.bytes.endsWith("\r\n" + line + "\r\n"), script.bytes.constData());
        QCOMPARE(script.warnings.size(), 1);
        QVERIFY(script.warnings[0].contains("Description3"));
        QVERIFY(script.warnings[0].contains("StockList"));
    }

    void readsScripts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("sections");
        const QByteArray general = "[" PROGRAM_KEY "\\General]\n";
        QTest::newRow("CR LF") << Script(general + R"("HtmlDir"="C:\\Web\\")"
                                                   "\n")
                               << "[General]\nHtmlDir=C:\\Web\\\n";
        QTest::newRow("LF, no final line end") << Script(general + R"("HtmlDir"="C:\\Web\\")", "\n")
                                               << "[General]\nHtmlDir=C:\\Web\\\n";
        QTest::newRow("UTF-8 with non-ASCII")
            << Script(general +
                      "\"HtmlDir\"=\"/home/Z\xC3\xBC\x72ich/\xE2\x82\xAC\xF0\x9F\x93\x88\"\n")
            << QString::fromUtf8("[General]\nHtmlDir=/home/Z\u00fcrich/\u20ac\U0001F4C8\n");
        QTest::newRow("UTF-8 byte-order mark")
            << "\xEF\xBB\xBF" + Script(general + "\"StartPage\"=\"\xC3\xA9\"\n")
            << QString::fromUtf8("[General]\nStartPage=\u00e9\n");
        QTest::newRow("Windows-1252")
            << Script(general +
                      "\"HtmlDir\"=\"C:\\\\Caf\xE9\\\\\"\n\"StartPage\"=\"\x80\x93q\x94\x81\"\n")
            << QString::fromUtf8(
                   "[General]\nHtmlDir=C:\\Caf\u00e9\\\nStartPage=\u20ac\u201cq\u201d\u0081\n");
        QTest::newRow("byte-order mark, then Windows-1252")
            << "\xEF\xBB\xBF" + Script(general + "\"StartPage\"=\"\xE9\"\n")
            << QString::fromUtf8("[General]\nStartPage=\u00e9\n");
        QTest::newRow("UTF-16LE, version 5 header")
            << Utf16LE(QString::fromUtf8(
                   "Windows Registry Editor Version 5.00\r\n\r\n[" PROGRAM_KEY
                   "\\Custom]\r\n\"CustomDesc0\"=\"\u00c9t\u00e9 \\\"1\\\"\"\r\n"))
            << QString::fromUtf8("[Custom]\nCustomDesc0=\u00c9t\u00e9 \"1\"\n");
        QTest::newRow("comments, other keys, other value types")
            << QByteArray(
                   "\r\n  REGEDIT4  \r\n; exported\r\n"
                   "[HKEY_CURRENT_USER\\Software\\Other]\r\n\"HtmlDir\"=\"other\"\r\n"
                   "[" PROGRAM_KEY
                   "]\r\n\"Loose\"=\"root value\"\r\n"
                   "[" PROGRAM_KEY
                   "\\General]\r\n"
                   "; \"HtmlDir\"=\"commented\"\r\n"
                   "@=\"default value\"\r\n"
                   "\"Count\"=dword:00000001\r\n"
                   "\"Bin\"=hex:01,02,\\\r\n  \"03\",04\r\n"
                   "\"Gone\"=-\r\n"
                   "\"HtmlDir\" = \"/web/\"\r\n"
                   "[" PROGRAM_KEY
                   "\\General\\Sub]\r\n\"Deep\"=\"no\"\r\n"
                   "[HKCU\\Software\\VB and VBA Program Settings\\Tickvane\\General]\r\n"
                   "\"Short\"=\"no\"\r\n"
                   "[-" PROGRAM_KEY "\\Yahoo]\r\n\"ViewType\"=\"1\"\r\n")
            << "[General]\nHtmlDir=/web/\n";
        QTest::newRow("root names in any case")
            << Script(
                   "[hkey_current_user\\SOFTWARE\\vb and vba program settings\\TICKVANE\\Yahoo]\n"
                   "\"ViewType\"=\"2\"\n")
            << "[Yahoo]\nViewType=2\n";
        QTest::newRow("file order, repeats keep the last value")
            << Script("[" PROGRAM_KEY
                      "\\Yahoo]\n\"ViewType\"=\"1\"\n\"TimePeriod\"=\"2\"\n\n"
                      "[" PROGRAM_KEY
                      "\\General]\n\"HtmlDir\"=\"/a/\"\n\n"
                      "[" PROGRAM_KEY "\\yahoo]\n\"viewtype\"=\"3\"\n")
            << "[Yahoo]\nViewType=3\nTimePeriod=2\n[General]\nHtmlDir=/a/\n";
        QTest::newRow("older export forms")
            << Script("[" PROGRAM_KEY
                      "\\StockList]\n"
                      R"("Description0"="a\b\")"
                      "\n"
                      R"("URL0"="x"y")"
                      "\n"
                      R"("Type0"="say \"hi\"")"
                      "\n")
            << "[StockList]\nDescription0=a\\b\\\nURL0=x\"y\nType0=say \"hi\"\n";
    }
    void readsScripts() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, sections);
        const ScriptContent content = ReadRegistryScript(bytes);
        QVERIFY2(content.ok, qPrintable(content.reason));
        QCOMPARE(Render(content.sections), sections);
    }

    void refusesWhatIsNoScriptOfOurs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray stocks = "[" PROGRAM_KEY "\\StockList]\n\"Maxtypes\"=\"0\"\n";
        QTest::newRow("empty file") << QByteArray() << "not a registry script";
        QTest::newRow("INI file") << QByteArray("[General]\nHtmlDir=/web/\n")
                                  << "not a registry script";
        QTest::newRow("header only") << QByteArray("REGEDIT4\r\n") << "holds no Tickvane settings";
        QTest::newRow("other program")
            << QByteArray("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Other\\General]\n\"A\"=\"1\"\n")
            << "holds no Tickvane settings";
        QTest::newRow("sections without values")
            << Script("[" PROGRAM_KEY "\\General]\n\"Count\"=dword:1\n")
            << "holds no Tickvane settings";
        QTest::newRow("truncated in a value")
            << Script(stocks + "\"Type0\"=\"Tech") << "line 7 is not a complete value";
        QTest::newRow("truncated in a key")
            << Script(stocks + "\"Typ") << "line 7 is not a complete value";
        QTest::newRow("no equals sign")
            << Script(stocks + "\"Type0\" \"x\"\n") << "line 7 is not a complete value";
        QTest::newRow("UTF-16 cut in a character")
            << Utf16LE("REGEDIT4\r\n[" PROGRAM_KEY "\\Yahoo]\r\n\"ViewType\"=\"1\"").chopped(1)
            << "line 3 is not a complete value";
    }
    void refusesWhatIsNoScriptOfOurs() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const ScriptContent content = ReadRegistryScript(bytes);
        QVERIFY(!content.ok);
        QCOMPARE(content.reason, reason);
    }

    void readingGivesBackWhatWasWritten() {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            const StoreSections sections = RandomSections(random);
            const ScriptText script = WriteRegistryScript(sections);
            QVERIFY(script.warnings.isEmpty());
            const ScriptContent content = ReadRegistryScript(script.bytes);
            QVERIFY2(content.ok, qPrintable(content.reason));
            QCOMPARE(Render(content.sections), Render(sections));
        }
    }

  private:
    // Characters, not UTF-16 units, so that no surrogate pair is split.
    static QString RandomText(QRandomGenerator& random, const QStringList& pool, int maxLength) {
        const int length = random.bounded(maxLength + 1);
        QString text;
        for (int i = 0; i < length; ++i) {
            text += pool[random.bounded(pool.size())];
        }
        return text;
    }

    // Names differ without regard to case, as registry names must.
    static QString UniqueName(QRandomGenerator& random, const QStringList& pool,
                              QSet<QString>& used) {
        QString name;
        do {
            name = QStringLiteral("N") + RandomText(random, pool, 8);
        } while (used.contains(name.toCaseFolded()));
        used.insert(name.toCaseFolded());
        return name;
    }

    static StoreSections RandomSections(QRandomGenerator& random) {
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
};

QTEST_GUILESS_MAIN(RegistryScriptTest)
#include "tst_registryscript.moc"
