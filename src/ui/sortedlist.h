#pragma once

#include <QListWidget>
#include <QStringList>

#include <functional>

namespace quirnel::ui {

// A list box of text lines with single selection. A sorted one keeps its lines in
// ascending order without regard to case (QListWidget's own sorting is
// case-sensitive); an unsorted one keeps the order of adding.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    ListBox(bool sorted, QWidget *parent);

    bool isSorted() const { return m_sorted; }
    void add(const QString &line);
    // Sorts once (unless already sorted, as saved files are), fills, and returns the
    // lines in list order.
    QStringList setLines(const QStringList &lines);
    QStringList lines() const;
    QString line(int index) const;
    void removeAt(int index);
    int selectedIndex() const; // -1 when nothing is selected
    void select(int index);

signals:
    // A right click leaves the selection alone; the window decides what it opens.
    void rightPressed(const QPoint &globalPos);
    // Every key that produces a character, before the list handles it as usual.
    void characterTyped(QChar character);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void quietly(const std::function<void()> &change);
    void insertLine(const QString &line);

    bool m_sorted;
};

} // namespace quirnel::ui
