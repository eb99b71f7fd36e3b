#pragma once

#include "ui/kit/DialogLayout.h"

#include <QPushButton>
#include <QRect>
#include <QString>

// A push button, check box or radio button named `name` at `twips` in `parent`. An "&" in the
// caption marks its access key.
template <typename Button = QPushButton>
Button* AddButton(QWidget* parent, const QString& name, const QString& caption,
                  const QRect& twips) {
    auto* button = new Button(caption, parent);
    button->setObjectName(name);
    PlaceAt(*button, twips);
    return button;
}
