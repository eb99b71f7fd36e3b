#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The real message box: its title, its default button, what Escape answers, and that its
// text is never read as markup. The real clipboard and drops.
class QtPlatformTest : public QObject {
    Q_OBJECT
  private:
    using A = Platform::Answer;
    using B = Platform::Buttons;

  private Q_SLOTS:
    void messageBox_data() {
        QTest::addColumn<B>("buttons");
        QTest::addColumn<A>("defaultButton");
        QTest::addColumn<int>("key");
        QTest::addColumn<A>("answer");
        const int enter = Qt::Key_Return;
        const int escape = Qt::Key_Escape;
        QTest::newRow("OK, Enter") << B::Ok << A::Ok << enter << A::Ok;
        QTest::newRow("OK, Escape") << B::Ok << A::Ok << escape << A::Ok;
        QTest::newRow("OK/Cancel, Enter on Cancel")
            << B::OkCancel << A::Cancel << enter << A::Cancel;
        QTest::newRow("OK/Cancel, Escape") << B::OkCancel << A::Ok << escape << A::Cancel;
        QTest::newRow("Yes/No/Cancel, Enter on Yes") << B::YesNoCancel << A::Yes << enter << A::Yes;
        QTest::newRow("Yes/No/Cancel, Enter on No") << B::YesNoCancel << A::No << enter << A::No;
        QTest::newRow("Yes/No/Cancel, Escape") << B::YesNoCancel << A::Yes << escape << A::Cancel;
        QTest::newRow("Yes/No, Escape") << B::YesNo << A::Yes << escape << A::No;
    }

    void messageBox() {
        QFETCH(B, buttons);
        QFETCH(A, defaultButton);
        QFETCH(int, key);
        QFETCH(A, answer);
        QString title;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            format = box->textFormat();
            QTest::keyClick(box, Qt::Key(key));
        });
        QtPlatform platform;
        QCOMPARE(platform.message(QStringLiteral("text"), buttons, defaultButton), answer);
        QCOMPARE(title, QStringLiteral("Tickvane"));
        QCOMPARE(format, Qt::PlainText);
    }

    // A local file is offered before text, text before a web address; a drop of neither is
    // refused at the door.
    void clipboardAndDrops_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("offered");  // "file:PATH", "text:TEXT" or empty
        QTest::newRow("a local file") << "file:///tmp/list.csv"
                                      << "file:/tmp/list.csv";
        QTest::newRow("a web address") << "https://example.com/list.csv"
                                       << "text:AAPL";
        QTest::newRow("text") << ""
                              << "text:AAPL";
        QTest::newRow("nothing") << ""
                                 << "";
    }
    void clipboardAndDrops() {
        QFETCH(QString, url);
        QFETCH(QString, offered);
        const auto data = [&] {
            auto* mime = new QMimeData;
            mime->setUrls(url.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(url)});
            mime->setText(offered.isEmpty() ? QString() : QStringLiteral("AAPL"));
            return mime;
        };
        const auto shown = [](const OfferedList& list) {
            return list.empty()          ? QString()
                   : list.file.isEmpty() ? "text:" + list.text
                                         : "file:" + list.file;
        };
        QtPlatform platform;
        QApplication::clipboard()->setMimeData(data());
        QCOMPARE(shown(platform.clipboardList()), offered);

        QWidget target;
        QString dropped;
        platform.acceptDrops(target, [&](const OfferedList& list) { dropped = shown(list); });
        const std::unique_ptr<QMimeData> mime(data());
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, mime.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QCOMPARE(enter.isAccepted(), !offered.isEmpty());
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        QCOMPARE(dropped, offered);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
