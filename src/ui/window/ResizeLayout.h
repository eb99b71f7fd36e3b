#pragma once

#include <QSize>

class QWidget;

// How the main window's panels follow its size: the two right-hand frames keep their distance
// from the right edge, the tree panel, the tree and the tree panel's strip grow and shrink with
// the window. Margins are measured in pixels once, at the designed size, so that size always
// gives back the designed layout.
class ResizeLayout {
  public:
    struct Widgets {
        QWidget* treeFrame;
        QWidget* tree;
        QWidget* treeStrip;
        QWidget* editFrame;
        QWidget* browserFrame;
    };

    // Measures the margins with the window at its start-up size.
    ResizeLayout(const Widgets& widgets, QSize startUpSize);

    // Places the panels for a window of `size`; never lays out below the start-up size.
    void apply(QSize size) const;

  private:
    Widgets widgets_;
    QSize startUpSize_;
    int treeFrameHeightMargin_;
    int treeHeightMargin_;
    int treeFrameWidthMargin_;
    int treeWidthMargin_;
    int stripWidthMargin_;
    int editFrameMargin_;
    int browserFrameMargin_;
};
