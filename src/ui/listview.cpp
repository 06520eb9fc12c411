#include "ui/listview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace quirnel::ui {

namespace {

// Rows of the list's row height and no wider than the list: the view stretches them to
// its width, and the style ends whatever does not fit there in "…".
class RowDelegate final : public QStyledItemDelegate
{
public:
    explicit RowDelegate(ListView *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    { }
    QSize sizeHint(const QStyleOptionViewItem & /*option*/,
                   const QModelIndex & /*index*/) const override
    {
        return {0, m_list->rowHeight()};
    }

private:
    const ListView *m_list;
};

} // namespace

ListView::ListView(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(new RowDelegate(this));
    // Below the last whole row the list's own background, never a cut row.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

int ListView::rowHeight() const
{
    // What the style gives one line of text in this list's font, whatever the lines hold.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Äg");
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this).height();
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

void ListView::resizeEvent(QResizeEvent *event)
{
    // The list keeps the size it is laid out at, covering the boxes behind it; the rows
    // take what holds whole rows of it.
    const int inner = contentsRect().height();
    const int row = rowHeight();
    setViewportMargins(0, 0, 0, inner < row ? 0 : inner % row);
    QListView::resizeEvent(event);
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
