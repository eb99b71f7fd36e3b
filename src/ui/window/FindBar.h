#pragma once

#include <QPalette>
#include <QPersistentModelIndex>
#include <QWidget>

class QLineEdit;
class StockTree;
struct Model;

// The find bar below the tree (Ctrl+F), which it shortens while it is shown: selects the stock
// whose symbol or description holds the text, without regard to case, as the text is typed; Enter
// and F3 go on to the next match, Shift+F3 back to the previous one, Escape closes the bar and
// gives the list the focus with the match still selected. While the text matches nothing, the
// node selected when the bar opened is selected again. The list itself never changes.
class FindBar : public QWidget {
    Q_OBJECT
  public:
    FindBar(Model& model, StockTree& tree);

    // Shows the bar with the focus in its field, the text there selected.
    void open();
    void findNext();
    void findPrevious();
    void dismiss();

  protected:
    // Keeps the bar below the tree when the window's layout resizes the tree.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Keys the field leaves alone stop here rather than reach the list.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addButton(const QString& name, Qt::ArrowType arrow, const QString& tip,
                   void (FindBar::*action)());
    void addKey(const QKeySequence& key, void (FindBar::*action)());
    // Selects the first match from stock `start` on, in the direction of `step`.
    void find(int start, int step);
    // Gives the tree `treeHeight` less the bar's height and puts the bar below it.
    void fitBelowTheTree(int treeHeight);

    Model& model_;
    StockTree& tree_;
    QLineEdit* field_;
    QPalette found_;
    // The node selected when the bar opened; invalid once the tree has been refilled.
    QPersistentModelIndex origin_;
    bool fitting_ = false;
};
