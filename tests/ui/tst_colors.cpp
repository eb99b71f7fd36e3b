#include "ui/options/ColorSample.h"
#include "ui/platform/RgbValue.h"

#include <QApplication>
#include <QTest>

// Colours as the program keeps them, red in the low byte, and as the general options' sample
// shows them.
class ColorsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Both ways; a stored value beyond 24 bits (a hand-edited store) shows its low three bytes.
    void rgbValues() {
        const std::pair<qint32, QColor> values[] = {{0, Qt::black},
                                                    {255, Qt::red},
                                                    {65280, Qt::green},
                                                    {16711680, Qt::blue},
                                                    {0x0CB00A, QColor(0x0A, 0xB0, 0x0C)},
                                                    {16777215, Qt::white}};
        for (const auto& [value, color] : values) {
            QCOMPARE(ColorOfRgb(value), color);
            QCOMPARE(RgbOfColor(color), value);
        }
        QCOMPARE(ColorOfRgb(qint32(0xFF000001)), QColor(1, 0, 0));
    }

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
