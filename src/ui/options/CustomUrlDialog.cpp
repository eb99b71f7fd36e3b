#include "ui/options/CustomUrlDialog.h"

#include "model/Model.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/AddressQuestion.h"
#include "ui/kit/Buttons.h"
#include "ui/kit/CornerButtons.h"
#include "ui/kit/TrimmedField.h"
#include "ui/kit/WebAddressField.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace {
struct EntryTexts {
    const char* frame;
    const char* description;
    const char* url;
    std::array<const char*, 3> actions;  // disabled, open in the chart frame, new window
};
constexpr std::array<EntryTexts, 2> Entries{{
    {QT_TRANSLATE_NOOP("CustomUrlDialog", "First custom URL"),
     QT_TRANSLATE_NOOP("CustomUrlDialog", "D&escription"),
     QT_TRANSLATE_NOOP("CustomUrlDialog", "&URL"),
     {QT_TRANSLATE_NOOP("CustomUrlDialog", "D&isable"),
      QT_TRANSLATE_NOOP("CustomUrlDialog", "&Open in frame"),
      QT_TRANSLATE_NOOP("CustomUrlDialog", "Open &new window")}},
    {QT_TRANSLATE_NOOP("CustomUrlDialog", "Second custom URL"),
     QT_TRANSLATE_NOOP("CustomUrlDialog", "De&scription"),
     QT_TRANSLATE_NOOP("CustomUrlDialog", "U&RL"),
     {QT_TRANSLATE_NOOP("CustomUrlDialog", "Di&sable"),
      QT_TRANSLATE_NOOP("CustomUrlDialog", "Open in fr&ame"),
      QT_TRANSLATE_NOOP("CustomUrlDialog", "Open new &window")}},
}};

// Layout in twips: one frame per entry, the buttons below.
constexpr int Gap = 120;
constexpr int EntryWidth = 7440;
constexpr int EntryHeight = 1740;
constexpr int ClientWidth = Gap + EntryWidth + Gap;
// Below the entries: the buttons.
constexpr int ClientHeight = Gap + 2 * (EntryHeight + Gap) + CornerButtons::Height + Gap;
constexpr QSize Client(ClientWidth, ClientHeight);
constexpr int DescriptionWidth = 2880;
constexpr int UrlLeft = Gap + DescriptionWidth + Gap;
constexpr int ActionWidth = 2160;

template <typename Field>
Field* addField(QWidget* entry, const QString& caption, const QString& name, int left, int width) {
    auto* field = AddFramedControl<Field>(entry, caption, name, QRect(left, 300, width, 660),
                                          QRect(120, 264, width - 240, 312));
    NameAfterFrame(*field);
    return field;
}
}  // namespace

CustomUrlDialog::CustomUrlDialog(Model& model, StockView& tree, Platform& platform, QWidget* parent)
    : ModelDialog(model, tree, platform,
                  CornerLayout(QStringLiteral("CustomURLForm"), tr("Custom URLs"), Client), parent),
      entries_{buildEntry(0), buildEntry(1)} {
    for (QGroupBox* frame : findChildren<QGroupBox*>()) {
        NameAfterCaption(*frame);
    }
    std::vector<QWidget*> order;
    for (const Entry& entry : entries_) {
        order.push_back(entry.description);
        order.push_back(entry.url);
        for (QAbstractButton* button : entry.action->buttons()) {
            order.push_back(button);
        }
    }
    chainTabOrder(order);
}

CustomUrlDialog::Entry CustomUrlDialog::buildEntry(int n) {
    const EntryTexts& texts = Entries[n];
    const QString number = QString::number(n);
    QGroupBox* frame = AddFrame(this, tr(texts.frame), Gap, Gap + n * (EntryHeight + Gap),
                                EntryWidth, EntryHeight);
    Entry entry{};
    entry.description =
        addField<QLineEdit>(frame, tr(texts.description), QStringLiteral("CustomUrlDesc") + number,
                            Gap, DescriptionWidth);
    entry.url =
        addField<WebAddressField>(frame, tr(texts.url), QStringLiteral("CustomURL") + number,
                                  UrlLeft, EntryWidth - UrlLeft - Gap);
    QGroupBox* actions = AddFrame(frame, tr("Action"), Gap, 1020, EntryWidth - 2 * Gap, 600);
    actions->setObjectName(QStringLiteral("CustomAction") + number);
    entry.action = new QButtonGroup(actions);
    for (int action = 0; action < 3; ++action) {
        entry.action->addButton(
            AddButton<QRadioButton>(
                actions, actions->objectName() + u'_' + QString::number(action),
                tr(texts.actions[action]),
                QRect(Gap + action * (ActionWidth + Gap), 264, ActionWidth, 264)),
            action);
    }
    return entry;
}

void CustomUrlDialog::CustomURL_Init() {
    for (std::size_t n = 0; n < entries_.size(); ++n) {
        const CustomURLEntry& stored = model_.custom[n];
        const Entry& entry = entries_[n];
        // An action no button stands for (a hand-edited store) writes no link: shown disabled.
        QAbstractButton* on = entry.action->button(stored.CustomURLAction);
        (on ? on : entry.action->button(0))->setChecked(true);
        entry.description->setText(stored.CustomDesc);
        entry.url->setText(stored.CustomURL);
    }
}

bool CustomUrlDialog::applyChanges() {
    model_.SettingsChanged = true;
    for (const Entry& entry : entries_) {
        TrimField(*entry.description);
    }
    for (const Entry& entry : entries_) {
        TrimField(*entry.url);
    }
    for (const Entry& entry : entries_) {
        if (!KeepAddress(platform_, *entry.url)) {
            return false;
        }
    }
    for (std::size_t n = 0; n < entries_.size(); ++n) {
        const Entry& entry = entries_[n];
        CustomURLEntry& stored = model_.custom[n];
        const bool complete = !entry.description->text().isEmpty() && !entry.url->text().isEmpty();
        // An incomplete entry is disabled without a word; its texts are kept for later.
        stored.CustomURLAction = complete ? static_cast<qint16>(entry.action->checkedId()) : 0;
        stored.CustomDesc = entry.description->text();
        stored.CustomURL = entry.url->text();
    }
    return true;
}

QWidget& CustomUrlDialog::firstField() {
    return *entries_[0].description;
}
