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
      presets_(AddFramedControl<QTreeWidget>(this, tr("&Start from"), QStringLiteral("Presets"),
                                             QRect(120, 120, Width, ListHeight),
                                             QRect(120, 300, Width - 240, ListHeight - 420))) {
    NameAfterFrame(*presets_);
    presets_->setRootIsDecorated(false);
    presets_->setHeaderLabels({tr("Site"), tr("Address template")});
    presets_->header()->resizeSection(0, LayoutPixels(*this, 1800));
    presets_->addTopLevelItem(new QTreeWidgetItem({tr("Blank site")}));
    for (const ChartSitePreset& preset : ChartSitePresets()) {
        presets_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromLatin1(preset.name), QString::fromLatin1(preset.addressTemplate)}));
    }
    auto* note = new QLabel(tr("The presets are the sites' public address forms as they were "
                               "documented; Tickvane cannot check them without going on the "
                               "network. Try a site once it is added."),
                            this);
    note->setWordWrap(true);
    PlaceAt(*note, 120, NoteTop, Width, 600);
    connect(presets_, &QTreeWidget::itemDoubleClicked, this, &FixedDialog::Done_Click);
    chainTabOrder({presets_});
}

void PresetChooser::Add_Init() {
    presets_->setCurrentItem(presets_->topLevelItem(0));
}

const ChartSitePreset* PresetChooser::chosen() const {
    const int row = presets_->indexOfTopLevelItem(presets_->currentItem());
    return row > 0 ? &ChartSitePresets()[static_cast<size_t>(row - 1)] : nullptr;
}

QWidget& PresetChooser::firstField() {
    return *presets_;
}
