// Edit mode: entering and leaving it, switching between the two lists, and inserting.

#include "ui/mainwindow.h"

#include "core/lines.h"
#include "core/text1252.h"
#include "ui/layout.h"
#include "ui/listview.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QValidator>

namespace quirnel::ui {

namespace {

const QString birthdayListTip = QStringLiteral(
    "Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ");
const QString appointmentListTip = QStringLiteral(
    " Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ");
const QString birthdayCalendarTip = QStringLiteral("Datum selektieren ");
const QString appointmentCalendarTip
    = QStringLiteral("Klick Datum selektieren - Doppelklick Zeit selektieren");

// Keeps out, as typed or pasted, what the data files cannot store.
class StorableText final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        QString kept;
        kept.reserve(input.size());
        int removedBeforeCursor = 0;
        const QList<uint> codes = input.toUcs4();
        int utf16Index = 0;
        for (const uint code : codes) {
            const int width = code > 0xFFFF ? 2 : 1;
            if (cp1252::canStore(char32_t(code)))
                kept.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1));
            else if (utf16Index < pos)
                removedBeforeCursor += width;
            utf16Index += width;
        }
        if (kept.size() != input.size()) {
            input = kept;
            pos = std::max(0, pos - removedBeforeCursor);
        }
        return Acceptable;
    }
};

} // namespace

void MainWindow::connectEditMode()
{
    for (QLineEdit *field : {nameField, dateField, timeField})
        field->setValidator(new StorableText(field));
    connect(birthdayEditButton, &QToolButton::clicked, this, &MainWindow::editBirthdays);
    connect(appointmentEditButton, &QToolButton::clicked, this, &MainWindow::editAppointments);
    connect(appointmentModeButton, &QPushButton::clicked, this, &MainWindow::switchToAppointments);
    connect(birthdayModeButton, &QPushButton::clicked, this, &MainWindow::switchToBirthdays);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::leaveEditMode);
    connect(insertButton, &QPushButton::clicked, this, &MainWindow::insertEntry);
    connect(dateField, &QLineEdit::textChanged, this, &MainWindow::updateInsertButton);
}

void MainWindow::showEditBand()
{
    textCaption->show();
    dateCaption->show();
    stripPanel->hide();
    nameField->show();
    dateField->show();
    editOutline->show();
    insertButton->show();
    deleteButton->show();
    saveButton->show();
    discardButton->show();
    saveStatus->show();
    setColour(saveStatus, QPalette::Window, colour::paleRed);
    saveStatus->clear();
    saveStatusCaption->show();
    // The greeting and the result panel give way; nothing is to edit or save yet.
    greetingLeft->hide();
    greetingRight->hide();
    resultPanel->hide();
    editButton->show();
    editButton->setEnabled(false);
    saveButton->setEnabled(false);
}

void MainWindow::editBirthdays()
{
    showBirthdayView();
    jubileeButton->setEnabled(false);
    birthdayMonthButton->setEnabled(false);
    birthdayWeekButton->setEnabled(false);
    calendar->show();
    birthdayViewButton->setEnabled(false);
    birthdayEditButton->hide();
    appointmentEditButton->hide();
    twips::place(birthdayList, 360, 2820, 6500, 2164);
    birthdayList->setToolTip(birthdayListTip);
    twips::place(birthdayListHeading, 360, 2460, 6500, 290);
    birthdayListHeading->setText(QStringLiteral("Daten-Bearbeitung Geburtstagsliste"));
    appointmentViewButton->setEnabled(false);
    appointmentMonthButton->setEnabled(false);
    appointmentTodayButton->setEnabled(false);
    editButton->setEnabled(false);
    appointmentWeekButton->setEnabled(false);
    setWindowHeight(editHeight);
    calendar->setToolTip(birthdayCalendarTip);
    showEditBand();
    nameField->setFocus();
    birthdayFileCount->show();
    birthdayListCount->show();
    birthdayCountColumns->show();
    birthdayCountCaption->show();
    searchTitle->setText(QStringLiteral("Namen suchen"));
    deleteButton->setEnabled(false);
    appointmentCountPanel->show();
}

void MainWindow::editAppointments()
{
    jubileeButton->setEnabled(false);
    birthdayMonthButton->setEnabled(false);
    birthdayWeekButton->setEnabled(false);
    enterAppointmentEdit();
}

void MainWindow::enterAppointmentEdit()
{
    monthPanel->hide();
    weekTitle->hide();
    appointmentTitle->hide();
    setEditedList(DataList::Appointments);
    appointmentModeButton->hide();
    birthdayModeButton->hide();
    appointmentTodayButton->setEnabled(false);
    appointmentMonthButton->setEnabled(false);
    appointmentWeekButton->setEnabled(false);
    appointmentViewButton->setEnabled(false);
    birthdayViewButton->setEnabled(false);
    appointmentEditButton->hide();
    birthdayEditButton->hide();
    setWindowHeight(editHeight);
    calendar->setToolTip(appointmentCalendarTip);
    appointmentList->show();
    showEditBand();
    nameField->setFocus();
    nameField->setToolTip(QStringLiteral(" Termin-Inhalt eingeben "));
    dateField->setToolTip(QStringLiteral(" Datum eintragen "));
    timeField->setToolTip(QStringLiteral(
        " Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden)  "));
}

// The controls follow only a real change of the list being edited.
void MainWindow::setEditedList(DataList which)
{
    if (m_session.edited() == which)
        return;
    m_session.setEdited(which);
    showEditedList();
}

void MainWindow::showEditedList()
{
    // Only the birthday list covers the birthday boxes whole.
    const bool appointments = m_session.edited() == DataList::Appointments;
    showBirthdayBoxes(!appointments);
    if (appointments) {
        birthdayListHeading->hide();
        setGovernedTip(calendar, appointmentCalendarTip);
        birthdayEditButton->setEnabled(false);
        if (inEditMode()) {
            setGovernedTip(nameField, QStringLiteral("Termin-Inhalt eintragen "));
            appointmentList->setToolTip(appointmentListTip);
            setGovernedTip(dateField,
                           QStringLiteral("Datum eintragen oder aus dem Kalender selektieren "));
        }
        birthdayList->hide();
        textCaption->setText(QStringLiteral("              Termin-Inhalt"));
        appointmentList->show();
        timeField->show();
        dateCaption->setText(QStringLiteral("      Datum"));
        twips::setWidth(dateField, 1000);
        timeCaption->show();
        appointmentListHeading->show();
        appointmentListHeading->setText(QStringLiteral("Daten-Bearbeitung Termin-Liste"));
        resultList->hide();
        dateHint->show();
        timeHint->show();
        appointmentCountPanel->show();
        calendar->show();
        searchTitle->setText(QStringLiteral("Termin-Suchen"));
        return;
    }
    appointmentList->hide();
    calendar->setToolTip(birthdayCalendarTip);
    setGovernedTip(nameField, QStringLiteral("Vorname Name eintragen "));
    setGovernedTip(dateField, QStringLiteral("Geburtsdatum tt:mm:jjjj  eintragen"));
    birthdayList->show();
    searchTitle->setText(QStringLiteral("Namen-Suchen"));
    textCaption->setText(QStringLiteral("  Vorname                  Name"));
    timeField->hide();
    dateCaption->setText(QStringLiteral(" Geb.-Datum    (TT.MM.JJJJ)"));
    twips::setWidth(dateField, 2175);
    timeCaption->hide();
    appointmentListHeading->setText(QStringLiteral("Termine"));
    appointmentListHeading->hide();
    dateHint->hide();
    timeHint->hide();
    birthdayListHeading->show();
}

void MainWindow::switchToAppointments()
{
    setEditedList(DataList::Appointments);
    appointmentModeButton->hide();
    birthdayModeButton->show();
    birthdayModeButton->setEnabled(true);
    editButton->setEnabled(false);
    timeField->clear();
    dateField->clear();
    nameField->setFocus();
}

void MainWindow::switchToBirthdays()
{
    showMinutePicker(false);
    setEditedList(DataList::Birthdays);
    appointmentModeButton->show();
    birthdayModeButton->hide();
    saveStatusCaption->show();
    saveStatus->show();
    nameField->setFocus();
}

void MainWindow::leaveEditMode()
{
    showBirthdayView();
    jubileeButton->setEnabled(true);
    birthdayMonthButton->setEnabled(true);
    birthdayWeekButton->setEnabled(true);
    appointmentEditButton->show();
    birthdayEditButton->show();
    showMinutePicker(false);
    twips::place(birthdayList, 3720, 4109, 3135, 836);
    birthdayList->setToolTip(QString());
    twips::place(birthdayListHeading, 3720, 3757, 3135, 249);
    birthdayViewButton->setEnabled(true);
    appointmentModeButton->show();
    birthdayModeButton->hide();
    appointmentViewButton->setEnabled(true);
    appointmentTodayButton->setEnabled(true);
    appointmentMonthButton->setEnabled(true);
    appointmentWeekButton->setEnabled(true);
    birthdayEditButton->setEnabled(true);
    appointmentCountPanel->hide();
    textCaption->hide();
    dateCaption->hide();
    saveStatus->hide();
    nameField->clear();
    dateField->clear();
    nameField->hide();
    dateField->hide();
    editOutline->hide();
    insertButton->hide();
    deleteButton->hide();
    birthdayFileCount->hide();
    birthdayListCount->hide();
    timeField->hide();
    birthdayCountColumns->hide();
    birthdayCountCaption->hide();
    greetingLeft->show();
    greetingRight->show();
    setWindowHeight(viewHeight);
    lockLists(false);
    birthdayListHeading->setText(QStringLiteral("Geburtstagsliste"));
    resultHeading->hide();
    if (m_strip.count() > 0)
        stripPanel->show();
    saveStatusCaption->hide();
}

void MainWindow::insertEntry()
{
    const bool birthdays = m_session.edited() == DataList::Birthdays;
    const QString time = timeField->text();
    const bool complete = dateField->text().size() == 10 && nameField->text().size() > 1
        && (birthdays || time.size() == 5 || time.isEmpty());
    // Input that does not make a line stays in the fields, and nothing waits to be saved.
    if (!complete) {
        showListCounts();
        return;
    }
    m_session.insert(m_session.edited(),
                     birthdays
                         ? lines::birthdayLine(dateField->text(), nameField->text())
                         : lines::appointmentLine(dateField->text(), time, nameField->text()));
    showInserted();
}

// As after "Einfügen": the lists wait for "Speichern".
void MainWindow::showInserted()
{
    showListCounts();
    clearEditFields();
    nameField->setFocus();
    saveButton->setEnabled(true);
    discardButton->setEnabled(false);
    lockLists(true);
    editButton->setEnabled(false);
    insertButton->setEnabled(false);
    exitButton->setEnabled(false);
}

void MainWindow::showListCounts()
{
    showListCount(DataList::Birthdays);
    showListCount(DataList::Appointments);
}

void MainWindow::updateInsertButton()
{
    if (dateField->text().size() == 10 && nameField->text().size() > 1)
        insertButton->setEnabled(true);
}

} // namespace quirnel::ui
