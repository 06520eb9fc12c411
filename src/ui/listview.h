#pragma once

#include <QListView>

namespace quirnel::ui {

// A list box: a view of one LineList with single selection. The selection is the user's:
// a click beside the lines, a Ctrl+click on the selected line or the removal of a line
// never moves it to another line, as "Löschen" and "Editieren" act on it. Every row is one
// line of text as wide as the list; a longer line ends in "…", never in a scroll bar. The
// list shows whole rows only: no row shows cut, and the scroll bar tells there is more.
class ListView : public QListView
{
    Q_OBJECT

public:
    explicit ListView(QWidget *parent);

    int selectedRow() const; // -1 when nothing is selected
    void selectRow(int row);

    // One line of text in this list's font, as the style lays it out; every row is this high.
    int rowHeight() const;

signals:
    // A right click leaves the selection alone; the window decides what it opens.
    void rightPressed(const QPoint &globalPos);
    // Every key that produces a character, before the list handles it as usual.
    void characterTyped(QChar character);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quirnel::ui
