#pragma once

#include "ui/kit/FixedDialog.h"

struct ChartSitePreset;
class QTreeWidget;

// "Add a chart site": a blank site or one of the presets, with their address templates, to
// start a new chart site from.
class PresetChooser : public FixedDialog {
    Q_OBJECT
  public:
    explicit PresetChooser(QWidget* parent);

    // Offers the blank site first.
    void Add_Init();
    // The preset chosen, or null for a blank site.
    const ChartSitePreset* chosen() const;

  protected:
    bool applyChanges() override { return true; }
    QWidget& firstField() override;

  private:
    QTreeWidget* presets_;
};
