#pragma once

#include <QAbstractTableModel>

struct ListAddition;

// The rows of a list to add, as the preview's table shows them: line, symbol, description,
// exchange, type and what will happen to the row.
class ListPreviewTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int Columns = 6;
    static constexpr int ExchangeColumn = 3;

    // Shows `addition`, which must outlive the table or the next call.
    void show(const ListAddition& addition);
    // Whether a row shown names the exchange its stock trades on.
    bool anyExchange() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const ListAddition* addition_ = nullptr;
};
