#include "ui/kit/CommandGuard.h"

#include "ui/platform/Platform.h"

#include <QApplication>
#include <QDialog>

CommandGuard::CommandGuard(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {}

bool CommandGuard::take() {
    if (held_) {
        platform_.beep();
        return false;
    }
    held_ = true;
    Q_EMIT commandStarting();
    startedUnder_ = QApplication::activeModalWidget();
    return true;
}

void CommandGuard::release() {
    // Messages and file choosers have closed by now; a dialog shown with open() has not, and
    // it may open another one as it closes.
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog != startedUnder_) {
        connect(dialog, &QDialog::finished, this, &CommandGuard::release, Qt::SingleShotConnection);
    } else {
        held_ = false;
    }
}
