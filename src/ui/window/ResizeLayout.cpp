#include "ui/window/ResizeLayout.h"

#include <QWidget>

ResizeLayout::ResizeLayout(const Widgets& widgets, QSize startUpSize)
    : widgets_(widgets),
      startUpSize_(startUpSize),
      treeFrameHeightMargin_(startUpSize.height() - widgets.treeFrame->height()),
      treeHeightMargin_(startUpSize.height() - widgets.tree->height()),
      treeFrameWidthMargin_(startUpSize.width() - widgets.treeFrame->width()),
      treeWidthMargin_(startUpSize.width() - widgets.tree->width()),
      stripWidthMargin_(startUpSize.width() - widgets.treeStrip->geometry().right() - 1),
      editFrameMargin_(startUpSize.width() - widgets.editFrame->x()),
      browserFrameMargin_(startUpSize.width() - widgets.browserFrame->x()) {}

void ResizeLayout::apply(QSize size) const {
    const QSize s = size.expandedTo(startUpSize_);
    widgets_.editFrame->move(s.width() - editFrameMargin_, widgets_.editFrame->y());
    widgets_.browserFrame->move(s.width() - browserFrameMargin_, widgets_.browserFrame->y());
    widgets_.treeFrame->resize(s.width() - treeFrameWidthMargin_,
                               s.height() - treeFrameHeightMargin_);
    widgets_.tree->resize(s.width() - treeWidthMargin_, s.height() - treeHeightMargin_);
    widgets_.treeStrip->resize(s.width() - stripWidthMargin_, widgets_.treeStrip->height());
}
