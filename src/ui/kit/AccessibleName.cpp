#include "ui/kit/AccessibleName.h"

#include <QGroupBox>

QString WithoutAccessKey(const QString& caption) {
    return QString(caption).remove(u'&');
}

void NameAfterFrame(QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(control.parentWidget())) {
        control.setAccessibleName(WithoutAccessKey(frame->title()));
    }
}

void NameAfterCaption(QGroupBox& frame) {
    frame.setAccessibleName(WithoutAccessKey(frame.title()));
}
