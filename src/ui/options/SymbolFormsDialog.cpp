#include "ui/options/SymbolFormsDialog.h"

#include "ui/kit/AccessibleName.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/kit/ExchangePicker.h"
#include "ui/options/SymbolFormEditor.h"
#include "ui/platform/Platform.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

namespace {
// Layout in twips: the table with the row buttons beside it, and below it the preset to reset
// the table to.
constexpr int Gap = 120;
constexpr int TableWidth = 6600;
constexpr int TableHeight = 3600;
constexpr int ButtonsLeft = Gap + TableWidth + Gap;
constexpr int ButtonWidth = 1320;
constexpr int PresetTop = Gap + TableHeight + Gap;
constexpr int PresetWidth = 3000;
constexpr QSize Client(ButtonsLeft + ButtonWidth + Gap,
                       PresetTop + 732 + Gap + CornerButtons::Height + Gap);

struct ButtonSpec {
    const char* name;
    const char* caption;
    QRect twips;
    void (SymbolFormsDialog::*click)();
};
constexpr ButtonSpec Buttons[] = {
    {"AddForm",
     QT_TRANSLATE_NOOP("SymbolFormsDialog", "&Add…"),
     {ButtonsLeft, 300, ButtonWidth, CornerButtons::Height},
     &SymbolFormsDialog::Add_Click},
    {"ChangeForm",
     QT_TRANSLATE_NOOP("SymbolFormsDialog", "C&hange…"),
     {ButtonsLeft, 780, ButtonWidth, CornerButtons::Height},
     &SymbolFormsDialog::Change_Click},
    {"RemoveForm",
     QT_TRANSLATE_NOOP("SymbolFormsDialog", "&Remove"),
     {ButtonsLeft, 1260, ButtonWidth, CornerButtons::Height},
     &SymbolFormsDialog::Remove_Click},
    {"ResetForms",
     QT_TRANSLATE_NOOP("SymbolFormsDialog", "R&eset to preset"),
     {Gap + PresetWidth + Gap, PresetTop + 300, 1800, CornerButtons::Height},
     &SymbolFormsDialog::Reset_Click},
};

// The presets offered, "None" (an empty table) first.
SymbolForms presetForms(int index) {
    return index > 0 ? SymbolFormsPresets()[static_cast<size_t>(index - 1)].forms : SymbolForms{};
}

int presetIndex(const SymbolForms& forms) {
    for (int index = 0; index <= static_cast<int>(SymbolFormsPresets().size()); ++index) {
        if (presetForms(index) == forms) {
            return index;
        }
    }
    return -1;
}
}  // namespace

SymbolFormsDialog::SymbolFormsDialog(Platform& platform, QWidget* parent)
    : FixedDialog(CornerLayout(QStringLiteral("SymbolForms"), tr("Symbol forms"), Client), parent),
      platform_(platform),
      table_(AddFramedControl<QTreeWidget>(this, tr("&Symbol forms"), QStringLiteral("Forms"),
                                           QRect(Gap, Gap, TableWidth, TableHeight),
                                           QRect(120, 300, TableWidth - 240, TableHeight - 420))),
      preset_(AddFramedControl<QComboBox>(this, tr("&Preset"), QStringLiteral("FormsPreset"),
                                          QRect(Gap, PresetTop, PresetWidth, 732),
                                          QRect(240, 240, PresetWidth - 480, 372))),
      editor_(new SymbolFormEditor(platform, this)) {
    NameAfterFrame(*table_);
    table_->setRootIsDecorated(false);
    table_->setHeaderLabels({tr("Exchange"), tr("Symbol form")});
    table_->header()->resizeSection(0, LayoutPixels(*this, 4200));
    table_->installEventFilter(this);
    guard_.connectCommand(table_, &QTreeWidget::itemDoubleClicked, [this] { Change_Click(); });
    NameAfterFrame(*preset_);
    preset_->addItem(tr("None"));
    for (const SymbolFormsPreset& preset : SymbolFormsPresets()) {
        preset_->addItem(QString::fromLatin1(preset.name));
    }
    std::vector<QWidget*> order{table_};
    buildButtons(order);
    order.insert(order.end() - 1, preset_);  // before the button that applies it
    chainTabOrder(order);
    connect(editor_, &QDialog::accepted, this, [this] {
        forms_ = editor_->forms();
        showRows(static_cast<int>(editor_->index()));
    });
}

void SymbolFormsDialog::buildButtons(std::vector<QWidget*>& order) {
    for (const ButtonSpec& spec : Buttons) {
        QPushButton* button =
            AddButton(this, QLatin1String(spec.name), tr(spec.caption), spec.twips);
        guard_.connectCommand(button, &QPushButton::clicked,
                              [this, &spec] { (this->*spec.click)(); });
        order.push_back(button);
    }
}

void SymbolFormsDialog::Forms_Init(const QString& siteName, SymbolForms forms,
                                   const SymbolForms& usual) {
    //: %1 is the name of a chart site
    setWindowTitle(tr("Symbol forms of %1").arg(siteName));
    forms_ = std::move(forms);
    const int preset = presetIndex(forms_);
    preset_->setCurrentIndex(std::max(preset >= 0 ? preset : presetIndex(usual), 0));
    showRows(0);
}

std::optional<size_t> SymbolFormsDialog::chosenRow() const {
    const int row = table_->indexOfTopLevelItem(table_->currentItem());
    if (row < 0) {
        platform_.beep();
        return std::nullopt;
    }
    return static_cast<size_t>(row);
}

void SymbolFormsDialog::showRows(int current) {
    table_->clear();
    for (const SymbolForm& form : forms_) {
        table_->addTopLevelItem(new QTreeWidgetItem({MarketLabel(form.exchange), form.form}));
    }
    table_->setCurrentItem(
        table_->topLevelItem(std::min(current, table_->topLevelItemCount() - 1)));
}

void SymbolFormsDialog::Add_Click() {
    editor_->Form_Init(forms_, forms_.size());
    editor_->open();
}

void SymbolFormsDialog::Change_Click() {
    if (const auto row = chosenRow()) {
        editor_->Form_Init(forms_, *row);
        editor_->open();
    }
}

void SymbolFormsDialog::Remove_Click() {
    if (const auto row = chosenRow()) {
        forms_.erase(forms_.begin() + static_cast<qsizetype>(*row));
        showRows(static_cast<int>(*row));
    }
}

void SymbolFormsDialog::Reset_Click() {
    forms_ = presetForms(preset_->currentIndex());
    showRows(0);
}

bool SymbolFormsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete) {
            guard_.run([this, key] { key == Qt::Key_Delete ? Remove_Click() : Change_Click(); });
            return true;
        }
    }
    return FixedDialog::eventFilter(watched, event);
}

QWidget& SymbolFormsDialog::firstField() {
    return *table_;
}
