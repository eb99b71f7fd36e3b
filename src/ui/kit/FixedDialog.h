#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <vector>

class QPushButton;

// A dialog of a fixed client area with a Cancel and a default Done button. Done closes it only
// when the changes were applied; Cancel, Escape and the close box close it without applying
// anything. The dialog is created once and only hidden between uses.
class FixedDialog : public QDialog {
    Q_OBJECT
  public:
    void Done_Click();
    void setVisible(bool visible) override;

  protected:
    struct Layout {
        QString objectName;
        QString title;
        QSize clientTwips;
        QRect cancelTwips;
        QRect doneTwips;
    };
    // Cancel and Done side by side in the bottom right corner of the client area.
    static Layout CornerLayout(const QString& objectName, const QString& title, QSize client);
    FixedDialog(const Layout& layout, QWidget* parent);

    // Applies the controls; false keeps the dialog open.
    virtual bool applyChanges() = 0;
    // The control that has the focus whenever the dialog opens.
    virtual QWidget& firstField() = 0;
    void showEvent(QShowEvent* event) override;
    // Tab order: `fields` in the order given, then Cancel and Done.
    void chainTabOrder(const std::vector<QWidget*>& fields);
    QPushButton& cancelButton() const { return *cancel_; }
    QPushButton& doneButton() const { return *done_; }

  private:
    QPushButton* cancel_;
    QPushButton* done_;
    bool fitted_ = false;  // to its texts, when first shown
};
