#include "ui/DropHeight.h"

#include <QComboBox>

void LimitDropHeight(QComboBox& list, int visibleItems) {
    // A list-style popup, which every style sizes by maxVisibleItems.
    list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    list.setMaxVisibleItems(visibleItems);
}
