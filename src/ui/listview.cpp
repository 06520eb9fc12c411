#include "ui/listview.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quirnel::ui {

ListView::ListView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ListView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListView::selectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QItemSelectionModel::SelectionFlags ListView::selectionCommand(const QModelIndex &index,
                                                               const QEvent *event) const
{
    const auto command = QListView::selectionCommand(index, event);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ListView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // Qt would select the next line in place of a removed current one.
    const int current = currentIndex().row();
    if (current >= start && current <= end)
        selectionModel()->clear();
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void ListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit rightPressed(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void ListView::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint())
        emit characterTyped(text.at(0));
    QListView::keyPressEvent(event);
}

} // namespace quirnel::ui
