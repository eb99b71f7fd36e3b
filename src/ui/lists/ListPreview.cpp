#include "ui/lists/ListPreview.h"

#include "ui/kit/AccessibleName.h"
#include "ui/kit/DialogLayout.h"
#include "ui/kit/StockView.h"
#include "ui/lists/ListPreviewTable.h"
#include "ui/platform/Platform.h"
#include "ui/undo/UndoHistory.h"
#include "ui/undo/UndoSteps.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <algorithm>

namespace {
// Widths of the table's columns but the last, which takes the rest. A description of 40
// characters shows whole.
constexpr int ColumnTwips[ListPreviewTable::Columns - 1] = {600, 1300, 3380, 900, 1900};
}  // namespace

ListPreview::ListPreview(Model& model, StockView& tree, Platform& platform, UndoHistory& history,
                         QWidget* parent)
    : ModelDialog(model, tree, platform,
                  {QStringLiteral("ListPreview"), tr("Add stocks from a list"), QSize(9960, 6600),
                   QRect(7440, 6060, 972, 312), QRect(8640, 6060, 972, 312)},
                  parent),
      typePicker_(AddFramedControl<QComboBox>(
          //: the type (category) rows without one are added to
          this, tr("&Type for rows that name none"), QStringLiteral("ListType"),
          QRect(360, 240, 4680, 612), QRect(240, 240, 4200, 288))),
      rows_(AddFramedControl<QTableView>(this, tr("&Rows"), QStringLiteral("ListRows"),
                                         QRect(360, 1020, 9240, 4380),
                                         QRect(120, 300, 9000, 3960))),
      summary_(new QLabel(this)),
      table_(new ListPreviewTable(this)),
      history_(history) {
    NameAfterFrame(*typePicker_);
    NameAfterFrame(*rows_);
    //: the button that adds the rows
    doneButton().setText(tr("&Add"));
    doneButton().setToolTip(tr("Add the rows marked add"));
    summary_->setObjectName(QStringLiteral("ListSummary"));
    summary_->setWordWrap(true);
    PlaceAt(*summary_, 360, 5460, 9240, 480);
    buildTable();
    connect(typePicker_, &QComboBox::currentIndexChanged, this, &ListPreview::plan);
    chainTabOrder({rows_, typePicker_});
}

void ListPreview::buildTable() {
    rows_->setModel(table_);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control, as in every other dialog.
    rows_->setTabKeyNavigation(false);
    rows_->setWordWrap(false);
    rows_->verticalHeader()->hide();
    // Rows of one height need no measuring, however many there are.
    rows_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rows_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int column = 0; column < ListPreviewTable::Columns - 1; ++column) {
        rows_->setColumnWidth(column, LayoutPixels(*this, ColumnTwips[column]));
    }
    rows_->horizontalHeader()->setStretchLastSection(true);
}

void ListPreview::List_init(ListReading reading, const QString& newTypeName) {
    reading_ = std::move(reading);
    newTypeName_ = newTypeName;
    filledFrom_.take(model_.list);
    fillTypePicker();
    plan();
    // Most lists name no exchange; they keep the room for what happens to each row.
    rows_->setColumnHidden(ListPreviewTable::ExchangeColumn, !table_->anyExchange());
    rows_->setCurrentIndex(table_->index(0, 0));
}

void ListPreview::fillTypePicker() {
    const QSignalBlocker quiet(typePicker_);
    const StockList& list = model_.list;
    typePicker_->clear();
    for (qint16 t = 0; t <= list.Maxtypes; ++t) {
        typePicker_->addItem(list.types[t].Type);
    }
    if (list.Maxtypes < 0) {
        //: %1 is the name of the type the rows will make
        typePicker_->addItem(tr("%1 (new)").arg(newTypeName_));
    }
    const TreeSelection selection = tree_.selection();
    typePicker_->setCurrentIndex(selection.kind == TreeSelection::Kind::None
                                     ? std::max<int>(list.Maxtypes, 0)
                                     : selection.type);
    typePicker_->setEnabled(list.Maxtypes >= 0);
}

void ListPreview::plan() {
    const qint16 type = model_.list.Maxtypes < 0 ? -1 : qint16(typePicker_->currentIndex());
    addition_ = PlanListAddition(model_.list, reading_.rows, type, newTypeName_);
    table_->show(addition_);
    const QString refusal = CapacityRefusal(addition_);
    summary_->setText(WithUnreadColumns(AdditionSummary(addition_, false), reading_) +
                      (refusal.isEmpty() ? QString() : u'\n' + refusal));
}

bool ListPreview::applyChanges() {
    if (!filledFrom_.stillHeldBy(model_.list, platform_)) {
        return true;  // closes, nothing applied
    }
    // A list refused for the room it needs changes nothing, so the exit question has no cause.
    if (const QString refusal = CapacityRefusal(addition_); !refusal.isEmpty()) {
        platform_.message(refusal);
        return false;
    }
    model_.SettingsChanged = true;
    if (addition_.stocksToAdd > 0 || addition_.newTypes > 0) {
        history_.push(AddListStep(model_, tree_, addition_));
    }
    return true;
}

QWidget& ListPreview::firstField() {
    return *rows_;
}
