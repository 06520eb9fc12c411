#include "ui/sortedlist.h"

#include "core/sorting.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace quirnel::ui {

ListBox::ListBox(bool sorted, QWidget *parent)
    : QListWidget(parent)
    , m_sorted(sorted)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void ListBox::add(const QString &line)
{
    quietly([&] { insertLine(line); });
}

void ListBox::insertLine(const QString &line)
{
    if (!m_sorted) {
        addItem(line);
        return;
    }
    const qsizetype at = sorting::insertPosition(
        count(), [this](qsizetype i) { return item(int(i))->text(); }, line);
    insertItem(int(at), line);
}

// Adding and removing lines is no selection by the user: no click handler runs for it,
// and taking out the selected line leaves nothing selected (Qt would select the next).
void ListBox::quietly(const std::function<void()> &change)
{
    const QSignalBlocker blocker(this);
    change();
}

QStringList ListBox::setLines(const QStringList &lines)
{
    const bool needsSort
        = m_sorted && !std::is_sorted(lines.begin(), lines.end(), sorting::lessNoCase);
    const QStringList ordered = needsSort ? sorting::sortedNoCase(lines) : lines;
    quietly([&] {
        clear();
        addItems(ordered);
    });
    return ordered;
}

QStringList ListBox::lines() const
{
    QStringList result;
    result.reserve(count());
    for (int i = 0; i < count(); ++i)
        result.append(item(i)->text());
    return result;
}

QString ListBox::line(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::removeAt(int index)
{
    quietly([&] {
        const bool wasSelected = item(index) && item(index)->isSelected();
        delete takeItem(index);
        if (wasSelected) {
            clearSelection();
            setCurrentIndex(QModelIndex());
        }
    });
}

int ListBox::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void ListBox::select(int index)
{
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit rightPressed(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint())
        emit characterTyped(text.at(0));
    QListWidget::keyPressEvent(event);
}

} // namespace quirnel::ui
