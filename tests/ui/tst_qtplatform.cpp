#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The real message box: its title, its default button, what Escape answers, and that its
// text is never read as markup; the real file choosers, the real clipboard and drops.
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

    // The save chooser asks before replacing a file unless told not to; the open chooser
    // takes only a file that exists. Both start at the proposed file.
    void fileChoosers_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<Platform::Overwrite>("overwrite");
        QTest::newRow("save, asking") << true << Platform::Overwrite::Ask;
        QTest::newRow("save, not asking") << true << Platform::Overwrite::DontAsk;
        QTest::newRow("open") << false << Platform::Overwrite::Ask;
    }

    void fileChoosers() {
        QFETCH(bool, save);
        QFETCH(Platform::Overwrite, overwrite);
        QTemporaryDir dir;
        const QString proposed = dir.filePath(QStringLiteral("tickvane.reg"));
        QStringList shown;  // read while the chooser is open: it is gone afterwards
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            shown << chooser->windowTitle() << chooser->selectedFiles().value(0)
                  << QString::number(chooser->acceptMode()) << QString::number(chooser->fileMode())
                  << QString::number(chooser->testOption(QFileDialog::DontConfirmOverwrite));
            chooser->reject();
        });
        QtPlatform platform;
        const QString filters = QStringLiteral("Registration files (*.reg)");
        const QString chosen = save ? platform.chooseSaveFile(proposed, filters, overwrite)
                                    : platform.chooseOpenFile(proposed, filters);
        QVERIFY(chosen.isEmpty());
        QCOMPARE(
            shown,
            (QStringList{QStringLiteral("Tickvane"), proposed,
                         QString::number(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen),
                         QString::number(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile),
                         QString::number(overwrite == Platform::Overwrite::DontAsk)}));
    }

    // A local file is offered before text, text before a web address; a drop of neither is
    // refused at the door. A list is always dropped as a copy, never moved, and the drop is
    // answered as ignored unless the dialog that takes it is accepted, when it has finished.
    void clipboardAndDrops_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("offered");  // file|text
        QTest::addColumn<QString>("taker");    // none, accepted, rejected, or accepted later
        QTest::newRow("a local file") << QString("file:///tmp/l.csv") << QString("AAPL")
                                      << QString("/tmp/l.csv|") << QString("accepted");
        QTest::newRow("a web address, taken once its preview is done")
            << QString("https://x.org/l.csv") << QString("AAPL") << QString("|AAPL")
            << QString("later");
        QTest::newRow("text whose preview is cancelled")
            << QString("") << QString("AAPL") << QString("|AAPL") << QString("rejected");
        QTest::newRow("text that opens no preview")
            << QString("") << QString("B") << QString("|B") << QString("none");
        QTest::newRow("nothing") << QString("") << QString("") << QString("|") << QString("none");
    }
    void clipboardAndDrops() {
        QFETCH(QString, url);
        QFETCH(QString, text);
        QFETCH(QString, offered);
        QFETCH(QString, taker);
        auto* mime = new QMimeData;  // the clipboard's own
        mime->setUrls(url.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(url)});
        mime->setText(text);
        QtPlatform platform;
        QApplication::clipboard()->setMimeData(mime);
        const OfferedList pasted = platform.clipboardList();
        QCOMPARE(pasted.file + u'|' + pasted.text, offered);

        QWidget target;
        QDialog preview;
        QString dropped = QStringLiteral("none");
        platform.acceptDrops(target, [&](const OfferedList& l) -> QDialog* {
            dropped = l.file + u'|' + l.text;
            preview.setResult(taker == "accepted" ? QDialog::Accepted : QDialog::Rejected);
            if (taker == "later") {
                preview.open();
                QTimer::singleShot(0, &preview, &QDialog::accept);
            }
            return taker == "none" ? nullptr : &preview;
        });
        // A text editor's drag offers a move first.
        const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(1, 1), both, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QCOMPARE(enter.isAccepted(), offered != "|");
        QDropEvent drop(QPointF(1, 1), both, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        QCOMPARE(dropped, offered == "|" ? "none" : offered);
        if (offered != "|") {
            const bool taken = taker == "accepted" || taker == "later";
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
            QCOMPARE(drop.isAccepted(), taken);
            QCOMPARE(drop.dropAction(), taken ? Qt::CopyAction : Qt::IgnoreAction);
        }
        // A drag that can only move is refused.
        QDragEnterEvent moveOnly(QPoint(1, 1), Qt::MoveAction, mime, Qt::LeftButton,
                                 Qt::NoModifier);
        QApplication::sendEvent(&target, &moveOnly);
        QVERIFY(!moveOnly.isAccepted());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
