#include "ui/window/FindBar.h"

#include "model/Model.h"
#include "model/StockSearch.h"
#include "ui/kit/TreeSelection.h"
#include "ui/window/StockTree.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace {
const QColor NotFound(255, 210, 210);
}  // namespace

FindBar::FindBar(Model& model, StockTree& tree)
    : QWidget(tree.parentWidget()), model_(model), tree_(tree), field_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FindBar"));
    field_->setObjectName(QStringLiteral("FindText"));
    field_->setPlaceholderText(tr("Symbol or description"));
    field_->setAccessibleName(tr("Find"));
    field_->setToolTip(tr("Enter or F3: next match, Shift+F3: previous, Escape: close"));
    found_ = field_->palette();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(field_);
    addButton(QStringLiteral("FindPrevious"), Qt::UpArrow, tr("Previous match (Shift+F3)"),
              &FindBar::findPrevious);
    addButton(QStringLiteral("FindNext"), Qt::DownArrow, tr("Next match (F3)"), &FindBar::findNext);
    addButton(QStringLiteral("FindClose"), Qt::NoArrow, tr("Close (Escape)"), &FindBar::dismiss);
    addKey(QKeySequence(Qt::Key_F3), &FindBar::findNext);
    addKey(QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::findPrevious);
    addKey(QKeySequence(Qt::Key_Escape), &FindBar::dismiss);
    connect(field_, &QLineEdit::returnPressed, this, &FindBar::findNext);
    // Text a screen reader or other assistive tool puts in searches as typed text does.
    connect(field_, &QLineEdit::textChanged, this,
            [this] { find(StockBelow(tree_.selection(), model_.list, true), +1); });
    tree_.installEventFilter(this);
    hide();
}

void FindBar::addButton(const QString& name, Qt::ArrowType arrow, const QString& tip,
                        void (FindBar::*action)()) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::NoFocus);
    if (arrow == Qt::NoArrow) {
        button->setText(QStringLiteral("\u00d7"));
    } else {
        button->setArrowType(arrow);
    }
    connect(button, &QToolButton::clicked, this, action);
    layout()->addWidget(button);
}

void FindBar::addKey(const QKeySequence& key, void (FindBar::*action)()) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
}

void FindBar::open() {
    origin_ = tree_.selectedNode() != 0 ? tree_.currentIndex() : QModelIndex();
    if (isHidden()) {
        show();
        fitBelowTheTree(tree_.height());
    }
    field_->selectAll();
    field_->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::findNext() {
    find(StockBelow(tree_.selection(), model_.list, false), +1);
}

void FindBar::findPrevious() {
    find(StockAbove(tree_.selection(), model_.list), -1);
}

void FindBar::dismiss() {
    hide();
    fitting_ = true;
    tree_.resize(tree_.width(), tree_.height() + height());
    fitting_ = false;
    tree_.WebTree_GiveFocus();
}

void FindBar::find(int start, int step) {
    const QString text = field_->text();
    const qint16 match = text.isEmpty()
                             ? qint16(-1)
                             : FindStock(model_.list, text, MatchRule::Anywhere, start, step);
    if (match >= 0) {
        tree_.setCurrentItem(tree_.stockNode(match));
    } else if (origin_.isValid()) {
        tree_.setCurrentIndex(origin_);
    } else {
        tree_.clearSelection();
    }
    const bool shown = match >= 0 || text.isEmpty();
    QPalette palette = found_;
    if (!shown) {
        palette.setColor(QPalette::Base, NotFound);
    }
    field_->setPalette(palette);
    field_->setAccessibleDescription(shown ? QString() : tr("No match"));
}

void FindBar::fitBelowTheTree(int treeHeight) {
    const int barHeight = sizeHint().height();
    fitting_ = true;
    tree_.resize(tree_.width(), treeHeight - barHeight);
    fitting_ = false;
    setGeometry(tree_.x(), tree_.y() + tree_.height(), tree_.width(), barHeight);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && !isHidden() && !fitting_) {
        fitBelowTheTree(tree_.height());
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    event->accept();
}
