// Search: a text typed into the search panel marks the last line of the shown data list
// that holds it, without regard to case.

#include "ui/mainwindow.h"

#include "ui/listview.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace quirnel::ui {

void MainWindow::connectSearch()
{
    connect(searchAction, &QAction::triggered, this, &MainWindow::searchFromMenu);
    connect(searchEntryAction, &QAction::triggered, this, &MainWindow::openSearch);
    connect(searchField, &QLineEdit::textChanged, this, &MainWindow::findEntry);
    connect(cancelSearchButton, &QPushButton::clicked, this, &MainWindow::closeSearch);
}

void MainWindow::openSearch()
{
    appointmentTitle->hide();
    calendar->hide();
    searchTitle->setText(appointmentList->isHidden() ? QStringLiteral("Namen suchen")
                                                     : QStringLiteral("Termin suchen"));
    cancelSearchButton->show();
    searchPanel->show();
    searchField->show();
    searchField->setFocus();
    searchField->clear();
    weekTitle->hide();
    monthPanel->hide();
}

void MainWindow::searchFromMenu()
{
    if (!birthdayList->isHidden() || !appointmentList->isHidden())
        openSearch();
}

void MainWindow::findEntry()
{
    const QString wanted = searchField->text();
    if (wanted.isEmpty())
        return;
    for (const DataList which : {DataList::Birthdays, DataList::Appointments}) {
        if (viewOf(which)->isHidden())
            continue;
        // Compared in place: a lower-case copy of every line on every key costs too much
        // in a long list.
        const QStringList &lines = m_session.list(which).lines();
        for (qsizetype row = lines.size() - 1; row >= 0; --row) {
            if (lines.at(row).contains(wanted, Qt::CaseInsensitive)) {
                viewOf(which)->selectRow(int(row));
                break;
            }
        }
    }
}

void MainWindow::closeSearch()
{
    searchPanel->hide();
    greetingLeft->show();
    greetingRight->show();
    searchField->clear();
    if (!nameField->isHidden())
        nameField->setFocus();
    calendar->show();
}

} // namespace quirnel::ui
