// The views: which controls show, where the birthday boxes stand, and the appointment
// selections in the result panel; then help, about, quit and quick-info. The views never
// change the data lists.

#include "ui/mainwindow.h"

#include "core/appointments.h"
#include "ui/aboutdialog.h"
#include "ui/layout.h"
#include "ui/listview.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace quirnel::ui {

namespace {

using namespace colour;

void setColours(ListView *list, QRgb back, QRgb fore)
{
    setColour(list, QPalette::Base, back);
    setColour(list, QPalette::Text, fore);
}

// A birthday box and its heading above it; the heading keeps its height.
void placeBox(ListView *list, const QRectF &box, QLabel *heading, double headingLeft,
              double headingTop, double headingWidth)
{
    twips::place(list, box.left(), box.top(), box.width(), box.height());
    twips::setLeft(heading, headingLeft);
    twips::setTop(heading, headingTop);
    twips::setWidth(heading, headingWidth);
}

} // namespace

void MainWindow::connectViews()
{
    connect(birthdayViewButton, &QPushButton::clicked, this, &MainWindow::showBirthdayView);
    connect(appointmentViewButton, &QPushButton::clicked, this, &MainWindow::showAppointmentView);
    connect(appointmentMonthButton, &QPushButton::clicked, this, &MainWindow::showMonthView);
    connect(birthdayMonthButton, &QPushButton::clicked, this, &MainWindow::showBirthdayMonth);
    connect(appointmentWeekButton, &QPushButton::clicked, this, &MainWindow::showWeekView);
    connect(appointmentTodayButton, &QPushButton::clicked, this, &MainWindow::showTodayView);
    connect(resultOkButton, &QPushButton::clicked, this, &MainWindow::closeResultPanel);
    connect(birthdayWeekButton, &QPushButton::clicked, this, &MainWindow::showBirthdayWeek);
    connect(jubileeButton, &QPushButton::clicked, this, &MainWindow::showJubilees);
    connect(helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(helpOkButton, &QPushButton::clicked, helpPage, &QWidget::hide);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(quitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(quickInfoOffAction, &QAction::triggered, this, &MainWindow::switchQuickInfoOff);
    for (int month = 1; month <= 12; ++month)
        connect(monthButtons[month - 1], &QPushButton::clicked, this,
                [this, month] { showMonth(month); });
}

// One birthday box over the whole box area; the stacking order covers the others.
void MainWindow::spreadOverBoxes(ListView *list, QLabel *heading)
{
    placeBox(list, {360, 2820, 6500, 2164}, heading, 360, 2460, 6500);
}

void MainWindow::showBirthdayView()
{
    monthPanel->hide();
    weekTitle->hide();
    appointmentTitle->hide();
    appointmentList->hide();
    appointmentViewButton->show();
    setEditedList(DataList::Birthdays);
    resultPanel->hide();
    searchPanel->hide();
    appointmentListHeading->hide();
    calendar->hide();
    searchField->clear();
    birthdayList->show();
    insertButton->setEnabled(false);
    birthdayModeButton->setEnabled(true);
    placeBox(monthBirthdayList, {360, 2817, 3135, 836}, monthBirthdayHeading, 375, 2465, 3105);
    monthBirthdayHeading->show();
    monthBirthdayList->show();
    placeBox(weekBirthdayList, {3720, 2817, 3135, 836}, weekBirthdayHeading, 3720, 2465, 3135);
    weekBirthdayHeading->show();
    weekBirthdayList->show();
    twips::place(jubileeList, 360, 4109, 3135, 836);
    twips::setTop(jubileeHeading, 3756);
    twips::setWidth(jubileeHeading, 3135);
    jubileeHeading->show();
    jubileeList->show();
}

void MainWindow::showAppointmentView()
{
    monthPanel->hide();
    calendar->show();
    appointmentTitle->show();
    searchPanel->hide();
    birthdayList->hide();
    weekTitle->hide();
    setGovernedTip(calendar, QStringLiteral("Tag selektieren"));
    resultList->hide();
    appointmentListHeading->setText(QStringLiteral("Gesamt-Termin-Liste"));
    birthdayViewButton->show();
    appointmentList->show();
    resultPanel->hide();
    appointmentTodayButton->show();
    appointmentMonthButton->show();
    appointmentListHeading->show();
    birthdayCountCaption->hide();
    birthdayCountColumns->hide();
    birthdayFileCount->hide();
    birthdayListCount->hide();
    showBirthdayBoxes(false);
}

// The birthday boxes stand a few pixels higher than the appointment list and its heading,
// whose cut tops would show above it.
void MainWindow::showBirthdayBoxes(bool shown)
{
    for (QWidget *box : std::initializer_list<QWidget *>{monthBirthdayHeading, monthBirthdayList,
                                                         weekBirthdayHeading, weekBirthdayList,
                                                         jubileeHeading, jubileeList})
        box->setVisible(shown);
}

// The result panel over the birthday boxes, with the calendar on today's month and day.
void MainWindow::showResultPanel()
{
    calendar->show();
    setCalendarToToday();
    searchPanel->hide();
    resultPanel->show();
    resultList->show();
}

void MainWindow::showResultLines(const QString &heading, const QStringList &lines)
{
    resultHeading->setText(heading);
    if (!lines.isEmpty())
        resultPanel->show();
    m_results.setLines(lines);
}

void MainWindow::showMonthView()
{
    birthdayList->hide();
    monthPanel->show();
    weekTitle->hide();
    appointmentTitle->hide();
    showResultPanel();
    resultOkButton->hide();
    setColours(resultList, grey, black);
    resultHeading->show();
    const QDate first(today().year(), today().month(), 1);
    showResultLines(QStringLiteral("Termine im ")
                        + m_services.locale.toString(first, QStringLiteral("MMMM")),
                    appointments::ofMonth(m_session.list(DataList::Appointments).lines(),
                                          today().month(), calendar->yearShown()));
}

// The month of the year the calendar shows.
void MainWindow::showMonth(int month)
{
    static const char *const germanMonths[]
        = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
           "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    showResultLines(QStringLiteral("Termine im ") + QString::fromUtf8(germanMonths[month - 1]),
                    appointments::ofMonth(m_session.list(DataList::Appointments).lines(), month,
                                          calendar->yearShown()));
}

void MainWindow::showBirthdayMonth()
{
    showBirthdayView();
    birthdayList->hide();
    spreadOverBoxes(monthBirthdayList, monthBirthdayHeading);
}

void MainWindow::showWeekView()
{
    monthPanel->hide();
    weekTitle->show();
    appointmentTitle->hide();
    showResultPanel();
    setColours(resultList, darkGrey, white);
    resultOkButton->hide();
    resultHeading->show();
    showResultLines(QStringLiteral("Termine in dieser Woche"),
                    appointments::ofWeek(m_session.list(DataList::Appointments).lines(), today()));
}

void MainWindow::showTodayView()
{
    monthPanel->hide();
    weekTitle->hide();
    appointmentTitle->hide();
    calendar->hide();
    resultOkButton->hide();
    setColours(resultList, veryLightGrey, black);
    searchPanel->hide();
    m_results.setLines(m_todaysAppointments);
    setCalendarToToday();
    resultHeading->show();
    resultHeading->setText(QStringLiteral("Termine heute:"));
    resultPanel->show();
    appointmentListHeading->hide();
    resultList->show();
}

void MainWindow::closeResultPanel()
{
    appointmentListHeading->hide();
    resultPanel->hide();
}

void MainWindow::showBirthdayWeek()
{
    showBirthdayView();
    birthdayList->hide();
    monthBirthdayList->hide();
    monthBirthdayHeading->hide();
    spreadOverBoxes(weekBirthdayList, weekBirthdayHeading);
}

void MainWindow::showJubilees()
{
    showBirthdayView();
    weekBirthdayList->hide();
    birthdayList->hide();
    monthBirthdayList->hide();
    monthBirthdayHeading->hide();
    spreadOverBoxes(jubileeList, jubileeHeading);
}

void MainWindow::showHelp()
{
    twips::setHeight(helpPage, inEditMode() ? 6700 : 5737);
    helpPage->show();
}

void MainWindow::showAbout()
{
    auto *about = new AboutDialog(this);
    about->exec();
    // Back from the about box the calendar shows today again; back from another program
    // or a question it stays on the month the user paged to.
    setCalendarToToday();
}

void MainWindow::quit()
{
    if (!m_dialogs->ask(this, QStringLiteral("Programm Ende"),
                        QStringLiteral("Programm beenden ?")))
        return;
    endNow();
}

void MainWindow::switchQuickInfoOff()
{
    m_quickInfoOff = true;
    for (QWidget *control : std::initializer_list<QWidget *>{
             birthdayEditButton, insertButton, deleteButton, saveButton, discardButton, editButton,
             exitButton, appointmentModeButton, birthdayModeButton, birthdayViewButton,
             appointmentViewButton, appointmentEditButton, birthdayList, appointmentList, nameField,
             dateField, timeField, calendar})
        control->setToolTip(QString());
}

} // namespace quirnel::ui
