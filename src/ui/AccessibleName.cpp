#include "ui/AccessibleName.h"

#include <QGroupBox>

void NameAfterFrame(QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(control.parentWidget())) {
        control.setAccessibleName(QString(frame->title()).remove(u'&'));
    }
}
