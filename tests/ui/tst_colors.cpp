#include "ui/kit/RgbValue.h"
#include "ui/options/ColorSample.h"

#include <QApplication>
#include <QTest>

// Colours as the program keeps them, red in the low byte, and as the general options' sample
// shows them.
class ColorsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rgbValues_data() {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::newRow("black") << qint32(0) << QColor(0, 0, 0);
        QTest::newRow("red") << qint32(255) << QColor(255, 0, 0);
        QTest::newRow("green") << qint32(65280) << QColor(0, 255, 0);
        QTest::newRow("blue") << qint32(16711680) << QColor(0, 0, 255);
        QTest::newRow("three bytes") << qint32(0x0CB00A) << QColor(0x0A, 0xB0, 0x0C);
        QTest::newRow("white") << qint32(16777215) << QColor(255, 255, 255);
    }

    void rgbValues() {
        QFETCH(qint32, value);
        QFETCH(QColor, color);
        QCOMPARE(ColorOfRgb(value), color);
        QCOMPARE(RgbOfColor(color), value);
    }

    // A stored value beyond 24 bits (a hand-edited store) shows its low three bytes.
    void highByteIgnored() { QCOMPARE(ColorOfRgb(qint32(0xFF000001)), QColor(1, 0, 0)); }

    // The chosen text colour on the chosen background; the desktop's own while the browser's
    // colours are used, the chosen ones kept for later.
    void sampleShowsTheColours() {
        ColorSample sample;
        const QPalette desktop = QApplication::palette(&sample);
        const auto shows = [&sample](const QColor& text, const QColor& back) {
            const QPalette colors = sample.palette();
            return colors.color(sample.foregroundRole()) == text &&
                   colors.color(sample.backgroundRole()) == back && sample.autoFillBackground();
        };
        sample.setColors(255, 65280);
        sample.showSystemColors(false);
        QVERIFY(shows(Qt::red, Qt::green));
        sample.showSystemColors(true);
        QVERIFY(shows(desktop.color(QPalette::WindowText), desktop.color(QPalette::Window)));
        sample.showSystemColors(false);
        QVERIFY(shows(Qt::red, Qt::green));
        QCOMPARE(sample.textColor(), 255);
        QCOMPARE(sample.backColor(), 65280);
    }
};

QTEST_MAIN(ColorsTest)
#include "tst_colors.moc"
