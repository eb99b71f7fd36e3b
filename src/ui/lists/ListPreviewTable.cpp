#include "ui/lists/ListPreviewTable.h"

#include "model/ListAddition.h"

#include <algorithm>

namespace {
// A table cell shows one line; a text read from a file may be as long as a megabyte.
constexpr qsizetype ShownLength = 200;

QString shown(const QString& text) {
    return text.size() > ShownLength ? text.left(ShownLength).simplified() + u'…'
                                     : text.simplified();
}
}  // namespace

void ListPreviewTable::show(const ListAddition& addition) {
    beginResetModel();
    addition_ = &addition;
    endResetModel();
}

bool ListPreviewTable::anyExchange() const {
    return addition_ && std::ranges::any_of(addition_->rows, [](const PlannedRow& planned) {
               return !planned.row.stock.Exchange.isEmpty();
           });
}

int ListPreviewTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !addition_ ? 0 : int(addition_->rows.size());
}

int ListPreviewTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ListPreviewTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const PlannedRow& planned = addition_->rows[index.row()];
    // The last column is cut off at the table's edge; its tip has the whole of it.
    if (role == Qt::ToolTipRole && index.column() == Columns - 1) {
        return ActionHelp(planned);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
        case 0:
            return QString::number(planned.row.line);
        case 1:
            return shown(planned.row.stock.Stock);
        case 2:
            return shown(planned.row.stock.Description);
        case ExchangeColumn:
            return shown(planned.row.stock.Exchange);
        case 4:
            return shown(planned.typeName.isEmpty() ? planned.row.type : planned.typeName);
        default:
            return ActionText(planned);
    }
}

QVariant ListPreviewTable::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const Titles[Columns] = {
        //: the column of the rows' line numbers in the list
        QT_TR_NOOP("Line"), QT_TR_NOOP("Symbol"), QT_TR_NOOP("Description"),
        //: the column of the market each row's stock trades on
        QT_TR_NOOP("Exchange"),
        //: the column of the type (category) each row goes to
        QT_TR_NOOP("Type"), QT_TR_NOOP("What happens")};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= Columns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return tr(Titles[section]);
}
