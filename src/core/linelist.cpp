#include "core/linelist.h"

#include "core/sorting.h"

#include <utility>

namespace quirnel {

LineList::LineList(bool sorted, QObject *parent)
    : QAbstractListModel(parent)
    , m_sorted(sorted)
{ }

int LineList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant LineList::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size())
        return {};
    return m_lines.at(index.row());
}

void LineList::setLines(QStringList lines)
{
    beginResetModel();
    m_lines = m_sorted ? sorting::inOrder(std::move(lines)) : std::move(lines);
    endResetModel();
}

void LineList::setLinesInOrder(QStringList lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

qsizetype LineList::add(const QString &line)
{
    const qsizetype row = m_sorted ? sorting::insertPosition(m_lines, line) : m_lines.size();
    beginInsertRows({}, int(row), int(row));
    m_lines.insert(row, line);
    endInsertRows();
    return row;
}

QString LineList::takeAt(qsizetype row)
{
    beginRemoveRows({}, int(row), int(row));
    QString line = m_lines.takeAt(row);
    endRemoveRows();
    return line;
}

QStringList LineList::takeAll()
{
    beginResetModel();
    QStringList all = std::exchange(m_lines, {});
    endResetModel();
    return all;
}

} // namespace quirnel
