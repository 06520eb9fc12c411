// The clock, the restart for a new day, and the end of the program.

#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <array>

namespace quirnel::ui {

// The locale's short forms, with a four-digit year and with seconds.
void MainWindow::setClockFormats()
{
    const QLocale &locale = m_services.locale;
    m_dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!m_dateFormat.contains(QStringLiteral("yyyy")))
        m_dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    m_timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!m_timeFormat.contains(QLatin1Char('s')))
        m_timeFormat.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
}

void MainWindow::scheduleTick()
{
    // Aligned to the start of the next second: one wake-up a second, the clock on time.
    const int msec = m_services.now().time().msec();
    m_clockTimer->start(1000 - msec + 2);
}

// Text the user is typing; a hidden field may keep a time from before and holds nothing.
bool MainWindow::editFieldsHoldText() const
{
    return std::ranges::any_of(std::array{nameField, dateField, timeField}, [this](QLineEdit *f) {
        return f->isVisibleTo(this) && !f->text().isEmpty();
    });
}

void MainWindow::tick()
{
    const QDateTime now = m_services.now();
    dateLabel->setText(m_services.locale.toString(now.date(), m_dateFormat));
    clockLabel->setText(m_services.locale.toString(now.time(), m_timeFormat)
                        + QStringLiteral(" Uhr"));

    // The overview is computed at start-up only, so a new day needs a new process. It
    // waits for unsaved changes, text not yet inserted and open boxes, and a failed start
    // is retried the next day.
    const QDate date = now.date();
    if (date != m_startDate && date != m_restartFailedOn && !m_restarting && !hasUnsavedChanges()
        && !editFieldsHoldText() && !QApplication::activeModalWidget())
        restart();
    if (m_startedAt.isValid())
        checkReminders(now);
    if (!m_restarting)
        scheduleTick();
}

void MainWindow::restart()
{
    const bool started = m_services.restartProgram
        ? m_services.restartProgram()
        : QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QDir::currentPath());
    if (!started) {
        m_restartFailedOn = m_services.now().date();
        return;
    }
    m_restarting = true;
    // What is typed from now on would be lost: the new window takes it.
    setEnabled(false);
    QTimer::singleShot(1000, this, &MainWindow::endNow);
}

void MainWindow::endNow()
{
    m_quitting = true;
    if (m_services.endProgram)
        m_services.endProgram();
    else
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing from the title bar quits like "Beenden", asking first when edits are unsaved.
    if (!m_quitting && hasUnsavedChanges()
        && !m_dialogs->ask(this, QStringLiteral("Programm Ende"),
                           QStringLiteral("Programm beenden ?"))) {
        event->ignore();
        return;
    }
    m_quitting = true;
    event->accept();
}

// QT_LOGGING_RULES="quirnel.startup.debug=true" reports when the window was first
// painted, in milliseconds since the epoch, for measuring the start-up time.
Q_LOGGING_CATEGORY(lcStartup, "quirnel.startup", QtWarningMsg)

void MainWindow::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        qCDebug(lcStartup, "first paint at %lld", QDateTime::currentMSecsSinceEpoch());
    }
}

} // namespace quirnel::ui
