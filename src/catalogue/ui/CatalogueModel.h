#pragma once
// The catalogue list as a table: the six fields of the shown entries, with
// the headers "PG No.", "Title and Author", "Additional information"; column
// 5 holds a row's position once the list was sorted or filtered.

#include "catalogue/catalogue_list.h"

#include <QAbstractTableModel>

namespace qw {

class CatalogueModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CatalogueModel(const CatalogueList& list, QObject* parent = nullptr)
        : QAbstractTableModel(parent), list_(list) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list changed its rows: every view shows them anew.
    void refresh() {
        beginResetModel();
        endResetModel();
    }
    // The text of a cell, as the view shows it.
    QString cell(int row, int column) const;

  private:
    const CatalogueList& list_;
};

} // namespace qw
