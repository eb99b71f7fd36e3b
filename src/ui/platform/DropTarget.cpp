#include "ui/platform/DropTarget.h"

#include <QDialog>
#include <QDropEvent>
#include <QEventLoop>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <algorithm>

OfferedList OfferedListOf(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    const auto local =
        std::find_if(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
    if (local != urls.end()) {
        return {local->toLocalFile(), {}};
    }
    return {{}, data.text()};
}

namespace {
// Waits for `taker` to finish when it is still open; whether it was accepted.
bool acceptedBy(QDialog* taker) {
    const QPointer<QDialog> dialog(taker);
    if (dialog && dialog->isVisible()) {
        QEventLoop finishing;
        QObject::connect(dialog, &QDialog::finished, &finishing, &QEventLoop::quit);
        finishing.exec();
    }
    return dialog && dialog->result() == QDialog::Accepted;
}
}  // namespace

DropTarget::DropTarget(QWidget& target, DropTaker dropped)
    : QObject(&target), dropped_(std::move(dropped)) {
    target.setAcceptDrops(true);
    target.installEventFilter(this);
}

bool DropTarget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const OfferedList offered = OfferedListOf(*drop->mimeData());
    if (offered.empty()) {
        return QObject::eventFilter(watched, event);  // not a list: the widget's own drag
    }
    // A move would have the source delete the text or file once the drop is answered.
    if (!drop->possibleActions().testFlag(Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    // The drop is answered only once it is taken or given up, so the source learns which.
    if (type == QEvent::Drop && !acceptedBy(dropped_(offered))) {
        drop->setDropAction(Qt::IgnoreAction);
        drop->ignore();
        return true;
    }
    drop->accept();
    return true;
}
