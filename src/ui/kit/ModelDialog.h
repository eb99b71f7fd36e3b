#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <vector>

class Platform;
class QPushButton;
class StockTree;
struct Model;

// Base of every dialog that edits the model: a fixed client area, a Cancel and a default Done
// button, and the tree getting the focus back whichever way the dialog closes. The dialog is
// created once and only hidden between uses.
class ModelDialog : public QDialog {
    Q_OBJECT
  public:
    // Cancel, Escape and closing the window all end here.
    void reject() override;
    // Done: closes the dialog when the changes were applied.
    void Done_Click();

  protected:
    struct Layout {
        QString objectName;
        QString title;
        QSize clientTwips;
        QRect cancelTwips;
        QRect doneTwips;
    };
    ModelDialog(Model& model, StockTree& tree, Platform& platform, const Layout& layout,
                QWidget* parent);

    // Changes the list from the controls; false keeps the dialog open.
    virtual bool applyChanges() = 0;
    // The control that has the focus whenever the dialog opens.
    virtual QWidget& firstField() = 0;
    void showEvent(QShowEvent* event) override;
    // Tab order: `fields` in the order given, then Cancel and Done.
    void chainTabOrder(const std::vector<QWidget*>& fields);
    QPushButton& cancelButton() const { return *cancel_; }
    QPushButton& doneButton() const { return *done_; }

    Model& model_;
    StockTree& tree_;
    Platform& platform_;

  private:
    QPushButton* cancel_;
    QPushButton* done_;
};
