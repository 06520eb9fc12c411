#pragma once

#include <QListView>

namespace quirnel::ui {

// A list box: a view of one LineList with single selection. The selection is the user's:
// a click beside the lines, a Ctrl+click on the selected line or the removal of a line
// never moves it to another line, as "Löschen" and "Editieren" act on it.
class ListView : public QListView
{
    Q_OBJECT

public:
    explicit ListView(QWidget *parent);

    int selectedRow() const; // -1 when nothing is selected
    void selectRow(int row);

signals:
    // A right click leaves the selection alone; the window decides what it opens.
    void rightPressed(const QPoint &globalPos);
    // Every key that produces a character, before the list handles it as usual.
    void characterTyped(QChar character);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace quirnel::ui
