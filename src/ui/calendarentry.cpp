// Date and time from the calendar: a click lists the day's appointments in the views
// and fills an empty date field in edit mode; a double-click gives the hour of the
// picked day, and the minute buttons the quarter.

#include "ui/mainwindow.h"

#include "core/appointments.h"
#include "core/lines.h"
#include "ui/listview.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quirnel::ui {

namespace {
const auto calendarDays = "qt_calendar_calendarview";
}

void MainWindow::connectCalendarEntry()
{
    connect(calendar, &QCalendarWidget::clicked, this, &MainWindow::pickDate);
    // A double-click on a day, not the calendar's "activated", which Enter also sends.
    if (auto *days = calendar->findChild<QAbstractItemView *>(QString::fromLatin1(calendarDays)))
        days->viewport()->installEventFilter(this);
    connect(minutes15, &QRadioButton::clicked, this, [this] { pickMinutes(QStringLiteral("15")); });
    connect(minutes30, &QRadioButton::clicked, this, [this] { pickMinutes(QStringLiteral("30")); });
    connect(minutes45, &QRadioButton::clicked, this, [this] { pickMinutes(QStringLiteral("45")); });
    dateField->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dateField && event->type() == QEvent::FocusOut) {
        // A menu, a question box or another program takes the focus only for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason
            && reason != Qt::ActiveWindowFocusReason)
            correctDateField();
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched->parent()
        && watched->parent()->objectName() == QLatin1String(calendarDays))
        pickHour();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::pickDate(QDate date)
{
    if (inEditMode() && !appointmentList->isHidden()) {
        minutes15->hide();
        minutes30->hide();
        minutes45->hide();
    }
    m_results.setLines({});
    resultHeading->setText(QStringLiteral("Am ") + lines::signedNumber(date.day())
                           + QLatin1Char('.') + lines::signedNumber(date.month())
                           + QStringLiteral(".Termine"));
    m_pickedDay = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    // A date already in the field is never overwritten, and in edit mode nothing is listed.
    if (dateField->text().size() <= 1) {
        if (inEditMode()) {
            dateField->setText(date.toString(QStringLiteral("dd.MM.yyyy")));
            resultPanel->hide();
            insertButton->setEnabled(true);
        } else {
            const QStringList found
                = appointments::ofDay(m_session.list(DataList::Appointments).lines(), date);
            if (!found.isEmpty()) {
                resultPanel->show();
                resultList->show();
            }
            m_results.setLines(found);
        }
    }
    if (!timeField->isHidden())
        timeField->setFocus();
}

void MainWindow::pickHour()
{
    if (!inEditMode() || appointmentList->isHidden())
        return;
    timeField->setText(m_pickedDay + QStringLiteral(":00"));
    const qint64 hour = lines::leadingNumber(m_pickedDay);
    if (hour > 24 || hour < 1)
        timeField->clear();
    if (!nameField->isHidden())
        nameField->setFocus();
    saveStatus->hide();
    showMinutePicker(true);
}

// The minute buttons 15, 30 and 45 with their label and rule.
void MainWindow::showMinutePicker(bool shown)
{
    for (QWidget *part : std::initializer_list<QWidget *>{minutes15, minutes30, minutes45,
                                                          minutesCaption, minutesRule})
        part->setVisible(shown);
}

void MainWindow::pickMinutes(const QString &minutes)
{
    if (timeField->text().size() != 5)
        return;
    timeField->setText(timeField->text().left(2) + QLatin1Char(':') + minutes);
    nameField->setFocus();
}

void MainWindow::correctDateField()
{
    const QString corrected = lines::correctDateSeparators(dateField->text());
    if (corrected != dateField->text())
        dateField->setText(corrected);
}

} // namespace quirnel::ui
