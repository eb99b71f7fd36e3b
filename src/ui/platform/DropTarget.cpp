#include "ui/platform/DropTarget.h"

#include <QDropEvent>
#include <QMimeData>
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

DropTarget::DropTarget(QWidget& target, std::function<void(const OfferedList&)> dropped)
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
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        dropped_(offered);
    }
    return true;
}
