#include "ui/platform/QtPlatform.h"

#include "ui/platform/DropTarget.h"
#include "ui/platform/RgbValue.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

namespace {
const QString Title = QStringLiteral("Tickvane");

QMessageBox::StandardButton toStandard(Platform::Answer answer) {
    switch (answer) {
        case Platform::Answer::Ok:
            return QMessageBox::Ok;
        case Platform::Answer::Cancel:
            return QMessageBox::Cancel;
        case Platform::Answer::Yes:
            return QMessageBox::Yes;
        case Platform::Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons standardButtons(Platform::Buttons buttons) {
    switch (buttons) {
        case Platform::Buttons::Ok:
            return QMessageBox::Ok;
        case Platform::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Platform::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Platform::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Platform::Answer fromStandard(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return Platform::Answer::Ok;
        case QMessageBox::Yes:
            return Platform::Answer::Yes;
        case QMessageBox::No:
            return Platform::Answer::No;
        default:
            return Platform::Answer::Cancel;
    }
}
}  // namespace

Platform::Answer QtPlatform::message(const QString& text, Buttons buttons, Answer defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, standardButtons(buttons),
                    QApplication::activeWindow());
    // File names and user texts in messages must not be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(toStandard(defaultButton));
    if (buttons == Buttons::Ok || buttons == Buttons::YesNo) {
        // Escape closes a box without Cancel through its only or its "No" button.
        box.setEscapeButton(toStandard(buttons == Buttons::Ok ? Answer::Ok : Answer::No));
    } else {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return fromStandard(box.exec());
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPlatform::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

QString QtPlatform::chooseSaveFile(const QString& proposed, const QString& filters,
                                   Overwrite overwrite) {
    const QFileDialog::Options options =
        overwrite == Overwrite::Ask ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), Title, proposed, filters,
                                        nullptr, options);
}

QString QtPlatform::chooseOpenFile(const QString& proposed, const QString& filters) {
    // The open dialog accepts existing files only.
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), Title, proposed, filters);
}

std::optional<qint32> QtPlatform::chooseColor(qint32 initial) {
    const QColor chosen =
        QColorDialog::getColor(ColorOfRgb(initial), QApplication::activeWindow(), Title);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return RgbOfColor(chosen);
}

OfferedList QtPlatform::clipboardList() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? OfferedListOf(*data) : OfferedList{};
}

void QtPlatform::acceptDrops(QWidget& target, DropTaker dropped) {
    new DropTarget(target, std::move(dropped));
}

void QtPlatform::raiseWindow(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    // A question or dialog of the window stays in front of it and keeps the keyboard.
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}
