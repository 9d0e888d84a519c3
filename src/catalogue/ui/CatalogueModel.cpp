#include "catalogue/ui/CatalogueModel.h"

namespace qw {

int CatalogueModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.rows().size());
}

int CatalogueModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 6;
}

QString CatalogueModel::cell(int row, int column) const {
    if (row < 0 || row >= rowCount())
        return {};
    const CatalogueEntry& e = list_.entry(static_cast<size_t>(row));
    switch (column) {
    case 0:
        return QString::fromStdString(e.number);
    case 1:
        return QString::fromStdString(e.title);
    case 2:
        return QString::fromStdString(e.info);
    case 3:
        return QString::fromStdString(e.year);
    case 4:
        return QString::fromStdString(e.fileName);
    case 5:
        return list_.sequenced() ? QStringLiteral("%1").arg(row + 1, 6) : QString();
    default:
        return {};
    }
}

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole) {
        const QString text = cell(index.row(), index.column());
        if (index.column() != 2)
            return text;
        QStringList lines = text.split(QLatin1String("\r\n"));
        for (QString& line : lines)
            line = line.trimmed();
        return lines.join(QLatin1String("  ")); // one line in the cell
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return tr("PG No.");
    case 1:
        return tr("Title and Author");
    case 2:
        return tr("Additional information");
    default:
        return {};
    }
}

} // namespace qw
