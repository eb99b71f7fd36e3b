#include "support/DataRows.h"
#include "support/Files.h"
#include "support/WindowSession.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

namespace {
// 40 characters, as a chart site or a stock may well be called.
const QString LongName = QStringLiteral("Wide Market Charts and Quotes of the Day");
}  // namespace

// A screen reader announces a control by its name, then by what it holds: every focusable
// control of the window and of each dialog has a name of its own, which is not its content.
class AccessibilityTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;
    std::unique_ptr<WindowSession> session;

    static void controlsNamed(const QWidget& window) {
        int controls = 0;
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->window() != &window || !control->isVisible() ||
                control->focusPolicy() == Qt::NoFocus) {
                continue;
            }
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
            // A list or table holds the entry it is on; it reports its name as its value.
            const auto* view = qobject_cast<const QAbstractItemView*>(control);
            const QString content =
                view ? view->currentIndex().data().toString() : access->text(QAccessible::Value);
            const QString name = access->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty() && name != content,
                     qPrintable(control->objectName() + QStringLiteral(": ") + name));
            ++controls;
        }
        QVERIFY(controls > 1);
    }

  private Q_SLOTS:
    void init() {
        session = std::make_unique<WindowSession>(dir.filePath(QStringLiteral("Tickvane.ini")));
        const QString list = dir.filePath(QStringLiteral("list.csv"));
        writeFile(list, "Symbol,Name\nZZA," + LongName.toUtf8() + "\nZZB,\n");
        session->platform.fileChoices = QStringList(3, list);
        session->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&session->window));
        session->model.chartSites = {{LongName, "https://m.test/{symbol}", -1, 0, true, "mine"}};
    }

    void cleanup() { session.reset(); }

    void windowControlsNamed() {
        QVERIFY(session->trigger(QStringLiteral("Find")));  // its field too
        controlsNamed(session->window);
    }

    // Every dialog, opened as tests/data/mechanics.txt says.
    void dialogControlsNamed_data() { AddDataRows(QStringLiteral("mechanics.txt")); }

    void dialogControlsNamed() {
        QFETCH(QString, node);
        QFETCH(QString, trigger);
        const QDialog* dialog = session->open(node, trigger);
        QVERIFY(dialog);
        controlsNamed(*dialog);
    }

    // A 40-character name shows whole in the chart sites list and the preview of a list.
    void longNamesShowWhole_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("view");
        QTest::addColumn<int>("column");
        QTest::newRow("chart site") << "ChartSitesMenu"
                                    << "SiteList" << 0;
        QTest::newRow("stock in a list") << "AddStocksFromList"
                                         << "ListRows" << 2;
    }

    void longNamesShowWhole() {
        QFETCH(QString, trigger);
        QFETCH(QString, view);
        QFETCH(int, column);
        const QDialog* dialog = session->open(QString(), trigger);
        QVERIFY(dialog);
        auto* table = dialog->findChild<QAbstractItemView*>(view);
        const QModelIndex cell =
            table->model()
                ->match(table->model()->index(0, column), Qt::DisplayRole, LongName)
                .value(0);
        QVERIFY(cell.isValid());
        const QRect shown = table->visualRect(cell);
        QVERIFY(shown.right() < table->viewport()->width());
        QVERIFY(table->sizeHintForIndex(cell).width() <= shown.width());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
