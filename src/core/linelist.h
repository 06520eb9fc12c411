#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace quirnel {

// The lines of one list box as a model for a QListView. A sorted list keeps its lines in
// ascending order without regard to case, an added line at its place after equal ones;
// an unsorted one keeps the order of adding. One QString per line and no item objects,
// so that a million lines cost little more than their text.
class LineList final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit LineList(bool sorted, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    bool isSorted() const { return m_sorted; }
    qsizetype count() const { return m_lines.size(); }
    const QStringList &lines() const { return m_lines; }
    QString line(qsizetype row) const { return m_lines.value(row); }

    // Sorts once unless already in order, as saved files are.
    void setLines(QStringList lines);
    void setLinesInOrder(QStringList lines); // known to be in order: not even checked
    qsizetype add(const QString &line);      // the row it took
    QString takeAt(qsizetype row);
    QStringList takeAll();

private:
    QStringList m_lines;
    bool m_sorted;
};

} // namespace quirnel
