#include "ui/options/SiteOptionsDialog.h"

#include "sites/ChartSite.h"
#include "sites/MovingAverageDays.h"
#include "sites/SiteDialog.h"
#include "ui/kit/AccessibleName.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/DropHeight.h"
#include "ui/kit/UpperCaseField.h"
#include "ui/options/YahooCoupling.h"
#include "ui/platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {
QRect twipsRect(const TwipsBox& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The sites mark their dialogs' texts for translation in a context named after the dialog.
QString translated(const SiteDialog& dialog, const char* source) {
    return QCoreApplication::translate(dialog.name, source);
}

// The name a screen reader gives a list or box: its frame's caption, numbered when the frame
// holds several boxes. (On Linux Qt names a list by its entry; there the list's frame, which
// labels it, carries the caption.)
QString spokenName(const SiteDialog& dialog, const DialogControl& control) {
    const QString name = WithoutAccessKey(translated(dialog, dialog.frames[control.frame].caption));
    int boxes = 0;
    int place = 0;
    for (const DialogControl& other : dialog.controls) {
        if (other.frame == control.frame) {
            ++boxes;
            place += &other <= &control ? 1 : 0;
        }
    }
    return boxes > 1 ? name + u' ' + QString::number(place) : name;
}
}  // namespace

ModelDialog::Layout SiteOptionsDialog::layoutOf(const SiteDialog& dialog) {
    return {text(dialog.name), translated(dialog, dialog.title),
            QSize(dialog.clientWidth, dialog.clientHeight), twipsRect(dialog.cancel),
            twipsRect(dialog.done)};
}

SiteOptionsDialog::SiteOptionsDialog(Model& model, StockView& tree, Platform& platform, SiteId site,
                                     QWidget* parent)
    : ModelDialog(model, tree, platform, layoutOf(SiteDialogOf(site)), parent),
      dialog_(SiteDialogOf(site)) {
    cancelButton().setToolTip(translated(dialog_, dialog_.cancelTooltip));
    build(site);
    rule_ = RuleFor(site, *this);
}

SiteOptionsDialog::~SiteOptionsDialog() = default;

void SiteOptionsDialog::build(SiteId site) {
    std::vector<QGroupBox*> frames;
    for (const DialogFrame& frame : dialog_.frames) {
        QWidget* parent = frame.parent < 0 ? static_cast<QWidget*>(this) : frames[frame.parent];
        QGroupBox* box = AddFrame(parent, translated(dialog_, frame.caption), frame.box.left,
                                  frame.box.top, frame.box.width, frame.box.height);
        NameAfterCaption(*box);
        frames.push_back(box);
    }
    const SettingFields fields = ChartSiteFor(site).fields(model_);
    auto defaults = std::make_unique<Model>();
    const SettingFields defaultFields = ChartSiteFor(site).fields(*defaults);
    std::vector<QWidget*> order;
    for (const DialogControl& control : dialog_.controls) {
        QWidget* widget = makeControl(control, frames[control.frame]);
        if (control.kind != ControlKind::Check) {
            widget->setAccessibleName(spokenName(dialog_, control));
        }
        qint16 fallback = 0;
        if (qint16* const* value =
                std::get_if<qint16*>(&ControlField(dialog_, control, defaultFields).target)) {
            fallback = **value;
        }
        bound_.push_back({&control, widget, ControlField(dialog_, control, fields), fallback});
        order.push_back(widget);
    }
    chainTabOrder(order);
}

QWidget* SiteOptionsDialog::makeControl(const DialogControl& control, QWidget* frame) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::List: {
            auto* list = new QComboBox(frame);
            LimitDropHeight(*list, control.dropItems);
            widget = list;
            break;
        }
        case ControlKind::Check:
            widget = new QCheckBox(translated(dialog_, control.caption), frame);
            break;
        case ControlKind::Symbol: {
            auto* box = new QLineEdit(frame);
            KeepUpperCase(*box);
            widget = box;
            break;
        }
        case ControlKind::Days:
            widget = new QLineEdit(frame);
            break;
    }
    widget->setObjectName(text(control.name));
    PlaceAt(*widget, control.box.left, control.box.top, control.box.width, control.box.height);
    return widget;
}

void SiteOptionsDialog::Init() {
    for (const Bound& bound : bound_) {
        fill(bound);
    }
    if (rule_) {
        rule_->filled();
    }
}

// Lists are filled without signals, so a site's rule sees only the finished selections.
void SiteOptionsDialog::fill(const Bound& bound) {
    const auto& target = bound.field.target;
    switch (bound.control->kind) {
        case ControlKind::List: {
            auto* list = static_cast<QComboBox*>(bound.widget);
            const QSignalBlocker quiet(list);
            list->clear();
            for (const QString& label : bound.field.table->Labels) {
                list->addItem(translated(dialog_, label.toUtf8().constData()));
            }
            const qint16 index = *std::get<qint16*>(target);
            list->setCurrentIndex(bound.field.table->contains(index) ? index : bound.fallback);
            break;
        }
        case ControlKind::Check: {
            bool* const* flag = std::get_if<bool*>(&target);
            static_cast<QCheckBox*>(bound.widget)
                ->setChecked(flag ? **flag : *std::get<qint16*>(target) != 0);
            break;
        }
        case ControlKind::Symbol:
            static_cast<QLineEdit*>(bound.widget)->setText(*std::get<QString*>(target));
            break;
        case ControlKind::Days:
            static_cast<QLineEdit*>(bound.widget)->setText(DaysText(*std::get<qint16*>(target)));
            break;
    }
}

void SiteOptionsDialog::copy(const Bound& bound) const {
    const auto& target = bound.field.target;
    switch (bound.control->kind) {
        case ControlKind::List:
            *std::get<qint16*>(target) =
                static_cast<qint16>(static_cast<QComboBox*>(bound.widget)->currentIndex());
            break;
        case ControlKind::Check: {
            const bool checked = static_cast<QCheckBox*>(bound.widget)->isChecked();
            if (bool* const* flag = std::get_if<bool*>(&target)) {
                **flag = checked;
            } else {
                *std::get<qint16*>(target) = checked ? 1 : 0;
            }
            break;
        }
        case ControlKind::Symbol:
            *std::get<QString*>(target) = static_cast<QLineEdit*>(bound.widget)->text();
            break;
        case ControlKind::Days:
            *std::get<qint16*>(target) = *ParseDays(static_cast<QLineEdit*>(bound.widget)->text());
            break;
    }
}

// Empties every Days box that does not hold a number and puts the caret in the first one.
bool SiteOptionsDialog::daysAreNumbers() {
    QLineEdit* firstBad = nullptr;
    for (const Bound& bound : bound_) {
        if (bound.control->kind != ControlKind::Days) {
            continue;
        }
        auto* box = static_cast<QLineEdit*>(bound.widget);
        if (!ParseDays(box->text())) {
            box->clear();
            firstBad = firstBad ? firstBad : box;
        }
    }
    if (firstBad) {
        platform_.message(translated(dialog_, dialog_.daysRefused));
        firstBad->setFocus(Qt::OtherFocusReason);
    }
    return !firstBad;
}

// Lists and symbols are taken even when the number boxes then refuse the Done.
bool SiteOptionsDialog::applyChanges() {
    model_.SettingsChanged = true;
    const auto copyKinds = [this](std::initializer_list<ControlKind> kinds) {
        for (const Bound& bound : bound_) {
            if (std::find(kinds.begin(), kinds.end(), bound.control->kind) != kinds.end()) {
                copy(bound);
            }
        }
    };
    copyKinds({ControlKind::List, ControlKind::Symbol});
    if (!daysAreNumbers()) {
        return false;
    }
    copyKinds({ControlKind::Days, ControlKind::Check});
    return true;
}

QWidget& SiteOptionsDialog::firstField() {
    return *bound_.front().widget;
}
