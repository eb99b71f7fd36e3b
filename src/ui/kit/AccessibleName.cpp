#include "ui/kit/AccessibleName.h"

#include <QGroupBox>

namespace {
QString withoutAccessKey(const QString& caption) {
    return QString(caption).remove(u'&');
}
}  // namespace

void NameAfterFrame(QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(control.parentWidget())) {
        control.setAccessibleName(withoutAccessKey(frame->title()));
    }
}

void NameAfterCaption(QGroupBox& frame) {
    frame.setAccessibleName(withoutAccessKey(frame.title()));
}
