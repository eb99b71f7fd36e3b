#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// The smallest Qt window program, built like Tickvane: the yardstick for its start-up time.
// With the argument "text" it shows one line of text, so that it loads the fonts as every
// window with a caption does.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    if (app.arguments().contains(QStringLiteral("text"))) {
        window.setCentralWidget(new QLabel(QStringLiteral("Minimal"), &window));
    }
    window.resize(640, 480);
    window.show();
    return app.exec();
}
