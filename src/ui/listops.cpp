// Operations on the two data lists: deleting, parking by double-click, clearing,
// discarding, editing an entry, selection and the pop-up menu, and saving. Each is one
// operation of the edit session plus what the controls show of it.

#include "ui/mainwindow.h"

#include "core/lines.h"
#include "core/saving.h"
#include "ui/layout.h"
#include "ui/listview.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace quirnel::ui {

void MainWindow::connectListOps()
{
    connect(deleteButton, &QPushButton::clicked, this, &MainWindow::deleteSelected);
    connect(discardButton, &QPushButton::clicked, this, &MainWindow::discardChanges);
    connect(editButton, &QPushButton::clicked, this, &MainWindow::editSelected);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::saveLists);
    connect(newEntryAction, &QAction::triggered, this, &MainWindow::newFromMenu);
    connect(editEntryAction, &QAction::triggered, this, &MainWindow::editFromMenu);
    connect(deleteEntryAction, &QAction::triggered, this, &MainWindow::deleteFromMenu);
    for (const DataList which : {DataList::Birthdays, DataList::Appointments}) {
        ListView *view = viewOf(which);
        connect(view, &ListView::doubleClicked, this, [this, which] { park(which); });
        connect(view, &ListView::characterTyped, this,
                [this, which](QChar typed) { clearListOnKey(which, typed); });
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, which] { selectionChanged(which); });
        connect(view, &ListView::rightPressed, this,
                [this, which](const QPoint &at) { openListMenu(which, at); });
    }
}

void MainWindow::lockLists(bool locked)
{
    birthdayList->setEnabled(!locked);
    appointmentList->setEnabled(!locked);
}

void MainWindow::clearEditFields()
{
    nameField->clear();
    dateField->clear();
    timeField->clear();
}

void MainWindow::showListCount(DataList which)
{
    QLineEdit *counter = which == DataList::Birthdays ? birthdayListCount : appointmentListCount;
    counter->setText(QString::number(m_session.list(which).count()));
}

// "Löschen": the selected line of the list being edited is held until "Abbrechen" or
// "Speichern", and both lists wait for one of them.
void MainWindow::deleteSelected()
{
    saveStatus->setText(QStringLiteral(" nicht gesichert"));
    if (m_session.list(DataList::Birthdays).count() > 0
        || m_session.list(DataList::Appointments).count() > 0)
        saveButton->setEnabled(true);
    if (m_session.takeOutForDeleting()) {
        showListCount(m_session.edited());
        deleteButton->setEnabled(false);
    }
    editButton->setEnabled(false);
    lockLists(true);
    insertButton->setEnabled(false);
    discardButton->setEnabled(true);
}

void MainWindow::deleteFromMenu()
{
    if (!birthdayList->isHidden())
        showBirthdayView();
    else
        enterAppointmentEdit();
    birthdayEditButton->hide();
    calendar->show();
    deleteSelected();
}

// A double-click parks the line; any number can be parked before a save.
void MainWindow::park(DataList which)
{
    const bool birthdays = which == DataList::Birthdays;
    if (!inEditMode() || m_session.list(which).count() == 0) {
        // Only the birthday list offers "Abbrechen" for a double-click outside edit mode.
        if (birthdays)
            discardButton->setEnabled(true);
        return;
    }
    saveButton->setEnabled(true);
    discardButton->setEnabled(true);
    if (m_session.park(which)) {
        showListCount(which);
        deleteButton->setEnabled(false);
    }
}

void MainWindow::clearListOnKey(DataList which, QChar typed)
{
    const QString title = which == DataList::Birthdays
        ? QStringLiteral("GEBURTSTAGS-LISTE LÖSCHEN !")
        : QStringLiteral("TERMIN-LISTE LÖSCHEN !");
    const bool yes = m_dialogs->ask(this, title, QStringLiteral("Alle Einträge löschen ?"));
    if (yes && typed == QLatin1Char('L'))
        m_session.empty(which);
    saveButton->setEnabled(true);
}

void MainWindow::discardChanges()
{
    timeField->clear();
    saveStatusCaption->show();
    saveStatus->show();
    showMinutePicker(false);
    deleteButton->setEnabled(false);
    appointmentModeButton->setEnabled(true);
    m_session.discard();
    clearEditFields();
    lockLists(false);
    showListCounts();
    insertButton->setEnabled(false);
    saveButton->setEnabled(false);
    saveStatus->clear();
}

// "Editieren": the selected line is held and its fields go into the edit fields, from
// where "Einfügen" puts the changed line in.
void MainWindow::editSelected()
{
    editButton->setEnabled(false);
    if (m_session.edited() == DataList::Birthdays) {
        birthdayEditButton->setEnabled(false);
        saveStatus->show();
        if (const auto line = m_session.takeOutForEditing()) {
            const lines::BirthdayParts parts = lines::takeApartBirthday(*line);
            nameField->setText(parts.name);
            dateField->setText(parts.date);
            showListCount(DataList::Birthdays);
            deleteButton->setEnabled(false);
            saveButton->setEnabled(false);
            discardButton->setEnabled(true);
        }
    } else if (const auto line = m_session.takeOutForEditing()) {
        const lines::AppointmentParts parts = lines::takeApartAppointment(*line);
        dateField->setText(parts.date);
        timeField->setText(parts.time);
        nameField->setText(parts.text);
        showListCount(DataList::Appointments);
        deleteButton->setEnabled(false);
        saveButton->setEnabled(false);
    }
    lockLists(true);
    insertButton->setEnabled(true);
    saveStatus->setText(QStringLiteral("nicht gesichert"));
}

void MainWindow::editFromMenu()
{
    if (nameField->isHidden())
        enterAppointmentEdit();
    editSelected();
}

void MainWindow::newFromMenu()
{
    if (dateField->isHidden())
        enterAppointmentEdit();
    nameField->setFocus();
}

// A selection offers "Löschen" and "Editieren", but not while a line is held: a second
// take-out could not happen (a search can select a line in a locked list).
void MainWindow::selectionChanged(DataList which)
{
    const int row = viewOf(which)->selectedRow();
    m_session.select(which, row);
    if (row < 0)
        return;
    if (!m_session.held()) {
        deleteButton->setEnabled(true);
        editButton->setEnabled(true);
    }
    viewOf(which)->setToolTip(m_session.list(which).line(row));
}

void MainWindow::openListMenu(DataList which, const QPoint &globalPos)
{
    if (which == DataList::Appointments || inEditMode())
        listMenu->popup(globalPos);
}

// One warning when a save could not happen; nothing of the edit state has changed then.
void MainWindow::warnSaveProblem(const saving::Outcome &outcome)
{
    using Problem = saving::Outcome::Problem;
    const QString notPossible = QStringLiteral("Speichern nicht möglich");
    switch (outcome.problem) {
    case Problem::None:
        return;
    case Problem::UnreadableAtStart:
        m_dialogs->warn(this, notPossible,
                        QStringLiteral("Die Datei \"%1\" konnte beim Start nicht gelesen "
                                       "werden. Damit ihr Inhalt nicht verloren geht, wird "
                                       "nicht gespeichert.\n\nBitte das Programm neu starten, "
                                       "sobald die Datei wieder lesbar ist.")
                            .arg(outcome.file));
        return;
    case Problem::CannotStore:
        m_dialogs->warn(this, notPossible,
                        QStringLiteral("Der Eintrag\n%1\nenthält ein Zeichen, das in der Datei "
                                       "\"%2\" nicht gespeichert werden kann.\n\nBitte den "
                                       "Eintrag ändern; es wurde nichts gespeichert.")
                            .arg(outcome.detail, outcome.file));
        return;
    case Problem::UnreadableNow:
        m_dialogs->warn(this, notPossible,
                        QStringLiteral("Die Datei \"%1\" wurde von einem anderen Programm "
                                       "geändert und lässt sich nicht lesen:\n%2\n\nDamit "
                                       "nichts verloren geht, wird nicht gespeichert.")
                            .arg(outcome.file, outcome.detail));
        return;
    case Problem::WriteFailed:
        // The birthdays may already be written when the appointments fail: say so.
        m_dialogs->warn(
            this, QStringLiteral("Speichern fehlgeschlagen"),
            QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden:\n%2\n\n%3")
                .arg(outcome.file, outcome.detail,
                     outcome.birthdaysReplaced
                         ? QStringLiteral("Die Geburtstage sind gespeichert, die Termine nicht.")
                         : QStringLiteral("Die Änderungen sind nicht gespeichert.")));
        return;
    }
}

// What another program changed in the files is kept beside the user's changes; the
// user learns once what it was.
void MainWindow::reportChangesFromOutside(const QList<saving::FromOutside> &changes)
{
    if (changes.isEmpty())
        return;
    const auto listed = [](const QString &caption, const QStringList &lines) {
        if (lines.isEmpty())
            return QString();
        constexpr qsizetype shown = 5;
        QString text = QStringLiteral("\n%1 (%2):").arg(caption).arg(lines.size());
        for (const QString &line : lines.first(std::min(shown, lines.size())))
            text += QStringLiteral("\n   ") + line;
        if (lines.size() > shown)
            text += QStringLiteral("\n   … und %1 weitere").arg(lines.size() - shown);
        return text;
    };
    QString text;
    for (const saving::FromOutside &change : changes) {
        text += QStringLiteral("Die Datei \"%1\" wurde seit dem Laden von einem anderen "
                               "Programm geändert.")
                    .arg(change.file);
        text += listed(QStringLiteral("Dort hinzugekommen"), change.added);
        text += listed(QStringLiteral("Dort entfernt"), change.removed);
        text += QStringLiteral("\n\n");
    }
    text += QStringLiteral("Ihre Änderungen sind mit diesem Stand zusammengeführt und "
                           "gespeichert; die Listen zeigen jetzt den gespeicherten Inhalt.");
    m_dialogs->warn(this,
                    changes.size() == 1 ? QStringLiteral("Datei von außen geändert")
                                        : QStringLiteral("Dateien von außen geändert"),
                    text);
}

// Nothing of the edit state changes unless both files are written.
void MainWindow::saveLists()
{
    const saving::Outcome outcome = saving::save(m_session, dataFolder());
    if (outcome.problem != saving::Outcome::Problem::None) {
        warnSaveProblem(outcome);
        return;
    }
    const qsizetype birthdays = m_session.list(DataList::Birthdays).count();
    const qsizetype appointments = m_session.list(DataList::Appointments).count();
    saveStatus->show();
    saveStatus->setText(QStringLiteral("%1  Nam.    %2  Term.").arg(birthdays).arg(appointments));
    setColour(saveStatus, QPalette::Window, colour::green);
    birthdayFileCount->setText(QString::number(birthdays));
    appointmentFileCount->setText(QString::number(appointments));
    clearEditFields();
    lockLists(false);
    saveButton->setEnabled(false);
    discardButton->setEnabled(true);
    exitButton->setEnabled(true);
    showMinutePicker(false);
    saveStatusCaption->show();
    showListCounts();
    reportChangesFromOutside(outcome.outside);
}

} // namespace quirnel::ui
