#include "ui/options/PresetChooser.h"

#include "model/ChartSitePresets.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/CornerButtons.h"
#include "ui/kit/DialogLayout.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace {
constexpr int Width = 7200;
constexpr int ListHeight = 2640;
constexpr int NoteTop = 120 + ListHeight + 120;
constexpr QSize Client(120 + Width + 120, NoteTop + 600 + 120 + CornerButtons::Height + 120);
}  // namespace

PresetChooser::PresetChooser(QWidget* parent)
    : FixedDialog(CornerLayout(QStringLiteral("AddChartSite"), tr("Add a chart site"), Client),
                  parent),
      Presets_(AddFramedControl<QTreeWidget>(this, tr("&Start from"), QStringLiteral("Presets"),
                                             QRect(120, 120, Width, ListHeight),
                                             QRect(120, 300, Width - 240, ListHeight - 420))) {
    NameAfterFrame(*Presets_);
    Presets_->setRootIsDecorated(false);
    Presets_->setHeaderLabels({tr("Site"), tr("Address template")});
    Presets_->header()->resizeSection(0, LayoutPixels(*this, 1800));
    Presets_->addTopLevelItem(new QTreeWidgetItem({tr("Blank site")}));
    for (const ChartSitePreset& preset : ChartSitePresets()) {
        Presets_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromLatin1(preset.name), QString::fromLatin1(preset.addressTemplate)}));
    }
    auto* note = new QLabel(tr("The presets are the sites' public address forms as they were "
                               "documented; Tickvane cannot check them without going on the "
                               "network. Try a site once it is added."),
                            this);
    note->setWordWrap(true);
    PlaceAt(*note, 120, NoteTop, Width, 600);
    connect(Presets_, &QTreeWidget::itemDoubleClicked, this, &FixedDialog::Done_Click);
    chainTabOrder({Presets_});
}

void PresetChooser::Add_Init() {
    Presets_->setCurrentItem(Presets_->topLevelItem(0));
}

const ChartSitePreset* PresetChooser::chosen() const {
    const int row = Presets_->indexOfTopLevelItem(Presets_->currentItem());
    return row > 0 ? &ChartSitePresets()[static_cast<size_t>(row - 1)] : nullptr;
}

QWidget& PresetChooser::firstField() {
    return *Presets_;
}
