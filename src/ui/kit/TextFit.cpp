#include "ui/kit/TextFit.h"

#include "ui/kit/AccessibleName.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <deque>
#include <map>

namespace {
using Widgets = std::vector<QWidget*>;

// Room a push button's frame takes beside its caption, and a group box's beside its title.
constexpr QSize ButtonPadding(8, 4);
constexpr int TitlePadding = 16;

int titleWidth(const QGroupBox& frame) {
    return frame.fontMetrics().horizontalAdvance(WithoutAccessKey(frame.title())) + TitlePadding;
}

// The size the text of `widget` needs; empty for a widget without a text of its own.
QSize textRoom(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) + ButtonPadding;
    }
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)) {
        return widget.sizeHint();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        // A wrapped text keeps its width and takes more lines.
        return label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                 : label->sizeHint();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return {titleWidth(*frame), 0};
    }
    return {};
}

// Group boxes, frames and plain widgets hold controls placed by hand; other widgets' children
// are their own parts, and a layout places its widgets itself.
bool holdsPlacedControls(const QWidget& widget) {
    const QMetaObject* type = widget.metaObject();
    return !widget.layout() &&
           (qobject_cast<const QGroupBox*>(&widget) || type == &QFrame::staticMetaObject ||
            type == &QWidget::staticMetaObject || widget.isWindow());
}

Widgets placedChildren(const QWidget& container) {
    Widgets children;
    if (holdsPlacedControls(container)) {
        for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow()) {
                children.push_back(child);
            }
        }
    }
    return children;
}

// A child that reaches an edge of its container, such as a band across its top, spans it.
bool reachesRight(const QWidget& child) {
    return child.geometry().right() >= child.parentWidget()->width() - 1;
}
bool reachesBottom(const QWidget& child) {
    return child.geometry().bottom() >= child.parentWidget()->height() - 1;
}

// How far right and down `children` reach.
QSize reach(const Widgets& children) {
    QSize size;
    for (const QWidget* child : children) {
        size =
            size.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    }
    return size;
}

// Moves the siblings that `moved` now covers, since it grew or moved from `was`, right or down
// by as much as it did, and so on for those they then cover.
void pushAside(const Widgets& siblings, QWidget* moved, const QRect& was) {
    std::deque<std::pair<QWidget*, QRect>> pending{{moved, was}};
    while (!pending.empty()) {
        const auto [pusher, before] = pending.front();
        pending.pop_front();
        const QRect now = pusher->geometry();
        for (QWidget* sibling : siblings) {
            const QRect place = sibling->geometry();
            if (sibling == pusher || place.intersects(before) || !place.intersects(now)) {
                continue;
            }
            if (place.left() > before.right()) {
                sibling->move(place.topLeft() + QPoint(now.right() - before.right(), 0));
            } else if (place.top() > before.bottom()) {
                sibling->move(place.topLeft() + QPoint(0, now.bottom() - before.bottom()));
            } else {
                continue;
            }
            pending.emplace_back(sibling, place);
        }
    }
}

QSize fitChildren(const Widgets& children);

// Grows `widget` to what its text and its children need; children spanning it keep spanning it.
void fit(QWidget& widget) {
    Widgets inside = placedChildren(widget);
    Widgets spanning;
    std::erase_if(inside, [&spanning](QWidget* child) {
        const bool spans = reachesRight(*child) || reachesBottom(*child);
        if (spans) {
            spanning.push_back(child);
        }
        return spans;
    });
    const QSize before = widget.size();
    const QSize needed = textRoom(widget).expandedTo(before + fitChildren(inside));
    if (needed == before) {
        return;
    }
    const QSize growth = needed - before;
    for (QWidget* child : spanning) {
        child->resize(child->size() + QSize(reachesRight(*child) ? growth.width() : 0,
                                            reachesBottom(*child) ? growth.height() : 0));
    }
    widget.resize(needed);
}

QSize fitChildren(const Widgets& children) {
    const QSize before = reach(children);
    Widgets ordered = children;
    // From the top left, so that what a control pushes aside is fitted after it.
    std::ranges::sort(ordered, [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    // Push buttons drawn in a column, at one left and of one width, stay as wide as each other.
    std::map<std::pair<int, int>, int> columns;
    std::vector<std::pair<QWidget*, std::pair<int, int>>> buttons;
    for (QWidget* child : ordered) {
        const QRect was = child->geometry();
        fit(*child);
        pushAside(children, child, was);
        if (qobject_cast<QPushButton*>(child)) {
            buttons.emplace_back(child, std::pair(was.x(), was.width()));
            int& widest = columns[buttons.back().second];
            widest = std::max(widest, child->width());
        }
    }
    for (const auto& [button, column] : buttons) {
        const QRect was = button->geometry();
        button->resize(columns[column], was.height());
        pushAside(children, button, was);
    }
    return (reach(children) - before).expandedTo(QSize(0, 0));
}
}  // namespace

QSize FitChildrenToTexts(QWidget& container) {
    return fitChildren(placedChildren(container));
}

void FitDialogToTexts(QDialog& dialog, const Widgets& corner) {
    const QSize before = dialog.size();
    const QSize cornerBefore = reach(corner);
    const QSize after = before + FitChildrenToTexts(dialog);
    if (after == before) {
        return;
    }
    dialog.setFixedSize(after);
    // Together, so that they keep their gaps; never back over what they made room for.
    const QSize shift = (after - before - (reach(corner) - cornerBefore)).expandedTo(QSize(0, 0));
    for (QWidget* button : corner) {
        button->move(button->pos() + QPoint(shift.width(), shift.height()));
    }
}
