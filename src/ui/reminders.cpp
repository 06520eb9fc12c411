// Reminders while the program runs: the day's notice and one before each appointment with
// a time, as desktop notifications; how long before is an option kept across runs.

#include "ui/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace quirnel::ui {

namespace {
const QString leadKey = QStringLiteral("Erinnerungen/MinutenVorher");
const QString shownKey = QStringLiteral("Erinnerungen/Gezeigt");
} // namespace

void MainWindow::buildReminderMenu(QMenu *options)
{
    m_settings = m_services.settingsFile.isEmpty()
        ? std::make_unique<QSettings>(QStringLiteral("quirnel"), QStringLiteral("quirnel"))
        : std::make_unique<QSettings>(m_services.settingsFile, QSettings::IniFormat);
    m_minutesAhead = m_settings->value(leadKey, 15).toInt();
    QMenu *menu = options->addMenu(QStringLiteral("Erinnerungen"));
    menu->setObjectName(QStringLiteral("remindersMenu"));
    auto *group = new QActionGroup(menu);
    const struct {
        int minutes;
        const char *name;
    } choices[] = {{-1, "remindersOffAction"},
                   {5, "reminders5Action"},
                   {15, "reminders15Action"},
                   {30, "reminders30Action"},
                   {60, "reminders60Action"}};
    for (const auto &[minutes, name] : choices) {
        QAction *action = menu->addAction(
            minutes < 0 ? QStringLiteral("aus") : QStringLiteral("%1 Minuten vorher").arg(minutes));
        action->setObjectName(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setChecked(minutes == m_minutesAhead);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, minutes = minutes] {
            m_minutesAhead = minutes;
            m_settings->setValue(leadKey, minutes);
            m_remindersDay = {};
        });
    }
}

void MainWindow::connectReminders()
{
    if (m_services.notifier) {
        m_notifier = m_services.notifier;
    } else {
        m_ownNotifier = std::make_unique<DesktopNotifier>();
        m_notifier = m_ownNotifier.get();
    }
    // Any change of a list may add, move or take away a reminder.
    for (const DataList which : {DataList::Birthdays, DataList::Appointments}) {
        const LineList *list = &m_session.list(which);
        const auto changed = [this] { m_remindersDay = {}; };
        connect(list, &LineList::modelReset, this, changed);
        connect(list, &LineList::rowsInserted, this, changed);
        connect(list, &LineList::rowsRemoved, this, changed);
    }
}

// Called by each tick of the clock: the reminders are due at known times, so nothing but
// the clock wakes the program for them.
void MainWindow::checkReminders(const QDateTime &now)
{
    if (m_remindersDay != now.date()) {
        m_remindersDay = now.date();
        m_reminders
            = reminders::ofDay(m_remindersDay, m_session.list(DataList::Birthdays).lines(),
                               m_session.list(DataList::Appointments).lines(), m_minutesAhead);
    }
    if (m_reminders.isEmpty() || m_reminders.first().due > now)
        return;
    // Shown once a day, also by the program started after midnight or a second time.
    QStringList shown = m_settings->value(shownKey).toStringList();
    const QString today = now.date().toString(Qt::ISODate);
    shown.removeIf([&](const QString &key) { return !key.startsWith(today); });
    const QList<reminders::Reminder> due = reminders::dueNow(m_reminders, now, m_startedAt, shown);
    m_reminders.removeIf([&](const reminders::Reminder &r) { return r.due <= now; });
    if (due.isEmpty())
        return;
    m_settings->setValue(shownKey, shown);
    m_settings->sync();
    for (const reminders::Reminder &reminder : due) {
        const reminders::Notice notice = reminders::noticeAt(reminder, now);
        m_notifier->notify(notice.summary, notice.body);
    }
}

} // namespace quirnel::ui
