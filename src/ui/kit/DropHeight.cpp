#include "ui/kit/DropHeight.h"

#include <QComboBox>

void LimitDropHeight(QComboBox& list, int totalItems) {
    // A list-style popup, which every style sizes by maxVisibleItems.
    list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // The closed box takes one item height of the total.
    list.setMaxVisibleItems(totalItems - 1);
}
