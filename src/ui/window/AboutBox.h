#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "About Tickvane": the version line and the credits. Created once and hidden by OK.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* text_;
    QPushButton* ok_;
};
