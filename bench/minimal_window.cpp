#include <QApplication>
#include <QMainWindow>

// The smallest Qt window program, built like Tickvane: the yardstick for its start-up time.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
