#include "model/HtmlDirPath.h"
#include "model/OwnSiteSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The rules the option dialogs apply to what the user enters, called without a dialog: the
// folder for the pages and the own chart site.
class InputRulesTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // $T stands for a scratch folder holding "folder" and "file". The expected problem is
    // the start of the message; empty: the folder is taken.
    void htmlDirProblem_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << ""
                               << "The path for HTML files is empty. Please enter";
        QTest::newRow("relative")
            << "pages"
            << "The path for HTML files \"pages\" is not a full path. Please enter";
        QTest::newRow("home not expanded") << "~/pages"
                                           << "The path for HTML files \"~/pages\"";
        QTest::newRow("a file") << "$T/file"
                                << "The path for HTML files \"$T/file\" names a file, not a";
        QTest::newRow("a file, with the separator")
            << "$T/file/"
            << "The path for HTML files \"$T/file/\" names a file";
        QTest::newRow("a folder") << "$T/folder"
                                  << "";
        QTest::newRow("a folder not there yet") << "$T/new/pages/"
                                                << "";
        QTest::newRow("the root") << "/"
                                  << "";
    }

    void htmlDirProblem() {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        path.replace(QStringLiteral("$T"), dir.path());
        problem.replace(QStringLiteral("$T"), dir.path());
        const QString said = HtmlDirProblem(path);
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.startsWith(problem), qPrintable(said));
    }

    // "~/" at the start is the home folder; "~" elsewhere, or without the slash, is a name.
    void expandHome_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("home") << "~/pages" << QDir::homePath() + "/pages";
        QTest::newRow("home alone") << "~/" << QDir::homePath() + "/";
        QTest::newRow("tilde without the slash") << "~pages"
                                                 << "~pages";
        QTest::newRow("tilde inside") << "/a/~/b"
                                      << "/a/~/b";
        QTest::newRow("full path") << "/srv/pages/"
                                   << "/srv/pages/";
    }

    void expandHome() {
        QFETCH(QString, path);
        QFETCH(QString, expanded);
        QCOMPARE(ExpandHome(path), expanded);
    }

    // The folder of a file chosen in the file chooser, its separator kept.
    void folderOf_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folder");
        QTest::newRow("a file") << "/srv/web/index.htm"
                                << "/srv/web/";
        QTest::newRow("at the root") << "/index.htm"
                                     << "/";
        QTest::newRow("no folder") << "index.htm"
                                   << "";
    }

    void folderOf() {
        QFETCH(QString, file);
        QFETCH(QString, folder);
        QCOMPARE(FolderOf(file), folder);
    }

    // Why an own site cannot make chart links, checked in this order; empty: it can.
    void ownSiteProblem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("problem");
        const QString sound = QStringLiteral("https://o.test/c?s={symbol}&t=1");
        const QString noName = QStringLiteral("Please enter a name for the chart site.");
        const QString tooLong =
            QStringLiteral("The name of the chart site may be at most 40 characters long.");
        const QString once =
            QStringLiteral("The address template must contain {symbol} exactly once.");
        const QString incomplete = QStringLiteral(
            "The address template must be a complete http or https address, such as "
            "https://www.example.com/chart?s={symbol}");
        QTest::newRow("sound") << "Own" << sound << "";
        QTest::newRow("http, upper-case scheme") << "Own"
                                                 << "HTTP://o.test/{symbol}"
                                                 << "";
        QTest::newRow("40 characters") << QString(40, u'n') << sound << "";
        QTest::newRow("41 characters") << QString(41, u'n') << sound << tooLong;
        QTest::newRow("empty name") << "" << sound << noName;
        QTest::newRow("blank name") << "   " << sound << noName;
        QTest::newRow("blank name before a bad template") << " "
                                                          << "x" << noName;
        QTest::newRow("no placeholder") << "Own"
                                        << "https://o.test/c" << once;
        QTest::newRow("two placeholders") << "Own"
                                          << "https://o.test/{symbol}{symbol}" << once;
        QTest::newRow("other scheme") << "Own"
                                      << "javascript:{symbol}" << incomplete;
        QTest::newRow("no scheme") << "Own"
                                   << "o.test/{symbol}" << incomplete;
        QTest::newRow("no host") << "Own"
                                 << "https:///c?s={symbol}" << incomplete;
        QTest::newRow("blank inside") << "Own"
                                      << "https://o.test/a b/{symbol}" << incomplete;
    }

    void ownSiteProblem() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, problem);
        const OwnSiteSettings settings{true, name, address, -1, false};
        QCOMPARE(OwnSiteProblem(settings), problem);
        QCOMPARE(OwnSiteInUse(settings), problem.isEmpty());
        QVERIFY(!OwnSiteInUse({false, name, address, -1, false}));
    }
};

QTEST_GUILESS_MAIN(InputRulesTest)
#include "tst_inputrules.moc"
