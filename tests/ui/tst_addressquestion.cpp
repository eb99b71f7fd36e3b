#include "support/EditingHarness.h"
#include "ui/lists/StockEditor.h"
#include "ui/options/CustomUrlDialog.h"

#include <QLineEdit>
#include <QTest>

namespace {
using A = Platform::Answer;

const QString Question = QStringLiteral(
    "This address does not start with http://, https://, ftp://, mailto: or file:, so the "
    "pages show the description without a link. Keep it?");
}  // namespace

// Done in the stock editor and the Custom URLs dialog asks about an address that the pages
// would show without a link: Yes keeps it as typed, No goes back to its field and stores
// nothing.
class AddressQuestionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void questionAtDone_data() {
        QTest::addColumn<QStringList>("typed");  // FIELD=ADDRESS; WebURL is the stock editor's
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("focus");   // the field returned to; empty: the dialog closed
        QTest::addColumn<QString>("stored");  // URL of the stock, CustomURL0, CustomURL1
        const auto row = [](const char* name, const QStringList& typed, const QList<A>& answers,
                            int asked, const QString& focus, const QString& stored) {
            QTest::newRow(name) << typed << answers << asked << focus << stored;
        };
        row("editor, web address", {"WebURL=https://ibm.com/"}, {}, 0, "", "https://ibm.com/||");
        row("editor, Yes", {"WebURL=javascript:alert(1)"}, {A::Yes}, 1, "",
            "javascript:alert(1)||");
        row("editor, No", {"WebURL= data:text/html,x"}, {A::No}, 1, "WebURL", "||");
        row("custom, second kept", {"CustomURL0=notes/a.html", "CustomURL1=vbscript:x"}, {A::Yes},
            1, "", "|notes/a.html|vbscript:x");
        row("custom, both asked, No to the second",
            {"CustomURL0=JaVaScRiPt:x", "CustomURL1=data:y"}, {A::Yes, A::No}, 2, "CustomURL1",
            "||");
        row("custom, No to the first", {"CustomURL0=javascript:x", "CustomURL1=data:y"}, {A::No}, 1,
            "CustomURL0", "||");
    }
    void questionAtDone() {
        QFETCH(QStringList, typed);
        QFETCH(QList<A>, answers);
        QFETCH(int, asked);
        QFETCH(QString, focus);
        QFETCH(QString, stored);
        EditingHarness h(QStringLiteral("A:a1"));
        CustomUrlDialog custom(h.model, h.tree, h.platform);
        ModelDialog* dialog = &custom;
        if (typed[0].startsWith("WebURL")) {
            h.select(QStringLiteral("a1"));
            h.commands.Edit();
            dialog = &h.commands.stockEditor();
        } else {
            custom.CustomURL_Init();
            custom.show();
        }
        for (const QString& field : typed) {
            dialog->findChild<QLineEdit*>(field.section(u'=', 0, 0))
                ->setText(field.section(u'=', 1));
        }
        h.platform.answers = answers;
        dialog->Done_Click();
        QCOMPARE(h.platform.messages.size(), asked);
        for (const FakePlatform::Shown& shown : h.platform.messages) {
            QCOMPARE(shown.text, Question);
            QCOMPARE(shown.buttons, Platform::Buttons::YesNo);
            QCOMPARE(shown.defaultButton, A::Yes);
        }
        QCOMPARE(dialog->isVisible(), !focus.isEmpty());
        QVERIFY(focus.isEmpty() || dialog->focusWidget()->objectName() == focus);
        QCOMPARE(QStringList({h.model.list.stocks[0].URL, h.model.custom[0].CustomURL,
                              h.model.custom[1].CustomURL})
                     .join(u'|'),
                 stored);
    }
};

QTEST_MAIN(AddressQuestionTest)
#include "tst_addressquestion.moc"
