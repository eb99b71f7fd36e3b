#pragma once

#include "ui/kit/ModelDialog.h"

#include <array>

class QButtonGroup;
class QLineEdit;
class WebAddressField;

// "Custom URLs": the two links of the user's own that end every navigation page, each with
// a description, an address and whether and where it opens. An entry without a description
// or an address is disabled on Done, its texts kept.
class CustomUrlDialog : public ModelDialog {
    Q_OBJECT
  public:
    CustomUrlDialog(Model& model, StockView& tree, Platform& platform, QWidget* parent = nullptr);

    // Fills the dialog from the two entries and opens it.
    void CustomURL_Init();

  protected:
    bool applyChanges() override;
    QWidget& firstField() override;

  private:
    struct Entry {
        QLineEdit* description;
        WebAddressField* url;
        QButtonGroup* action;  // button ids are the actions they stand for
    };
    Entry buildEntry(int n);

    std::array<Entry, 2> entries_;
};
