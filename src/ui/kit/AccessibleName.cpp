#include "ui/kit/AccessibleName.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

namespace {
// A drop-down list as a screen reader reads it: its name, its entry as its value, the list it
// opens and the field of one that takes typing as its children, and an action that opens the
// list.
class DropDownAccess : public QAccessibleWidget {
  public:
    explicit DropDownAccess(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(kind);
    }
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        QObject* const children[] = {list()->view(), list()->lineEdit()};
        return index >= 0 && index < childCount()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child) {
                return index;
            }
        }
        return -1;
    }
    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* dropDownAccess(const QString& className, QObject* object) {
    auto* list =
        className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
    return list ? new DropDownAccess(list) : nullptr;
}
}  // namespace

QString WithoutAccessKey(const QString& caption) {
    return QString(caption).remove(u'&');
}

void NameAfterFrame(QWidget& control) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(control.parentWidget())) {
        control.setAccessibleName(WithoutAccessKey(frame->title()));
        // A drop-down that takes typing has the focus in its field.
        if (const auto* list = qobject_cast<const QComboBox*>(&control); list && list->lineEdit()) {
            list->lineEdit()->setAccessibleName(control.accessibleName());
        }
    }
}

void NameAfterCaption(QGroupBox& frame) {
    frame.setAccessibleName(WithoutAccessKey(frame.title()));
}

void AnnounceDropDownsByName() {
    static const bool installed = (QAccessible::installFactory(dropDownAccess), true);
    Q_UNUSED(installed);
}
