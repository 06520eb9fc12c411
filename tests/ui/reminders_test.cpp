// Reminders as desktop notifications: the day's notice, one before each appointment with
// a time, each once a day whatever restarts, missed ones marked after a jump of the clock.

#include "fixture.h"

using namespace quirnel::testing;
namespace {

const QByteArray birthdays = "05.12.1976     Hans Muster\r\n29.02.1980     Schaltjahr\r\n";
const QByteArray appointments
    = "05.12.2026  09:00 Uhr   Vorbei\r\n05.12.2026  10:30 Uhr   Zahnarzt\r\n"
      "05.12.2026  13:00 Uhr   Essen\r\n05.12.2026  ************   Inventur\r\n"
      "06.12.2026  08:00 Uhr   Nikolaus\r\n";
const QString today = "Heute, 05.12.2026|Hans Muster wird heute 50\nganztags    Inventur\n"
                      "09:00 Uhr   Vorbei\n10:30 Uhr   Zahnarzt\n13:00 Uhr   Essen";

class Reminders : public WindowTest
{
protected:
    // The notices the clock brings at that moment.
    QStringList at(QDate day, QTime time)
    {
        tickAt(QDateTime(day, time));
        return std::exchange(notifier.notices, {});
    }
};

TEST_F(Reminders, OnceEachAtTheirTimeMissedOnesMarked)
{
    const QDate day(2026, 12, 5), next(2026, 12, 6);
    start(birthdays, appointments);
    EXPECT_TRUE(notifier.notices.isEmpty()) << "nothing before the window is up";
    EXPECT_EQ(at(day, QTime(10, 0, 1)), QStringList{today});
    EXPECT_EQ(at(day, QTime(10, 14, 59)), QStringList());
    EXPECT_EQ(at(day, QTime(10, 15)), QStringList{"Zahnarzt|um 10:30 Uhr"});
    EXPECT_EQ(at(day, QTime(10, 16)), QStringList());
    // The machine slept from before 12:45 until after the appointment.
    EXPECT_EQ(at(day, QTime(14, 0)), QStringList{"Verpasst: Essen|um 13:00 Uhr"});
    // A second start on the same day repeats nothing, and a changed lead is kept.
    start();
    trigger("reminders60Action");
    EXPECT_EQ(at(day, QTime(14, 1)), QStringList());
    start();
    EXPECT_TRUE(control<QAction>("reminders60Action")->isChecked());
    EXPECT_EQ(at(next, QTime(7, 0)),
              QStringList({"Heute, 06.12.2026|08:00 Uhr   Nikolaus", "Nikolaus|um 08:00 Uhr"}));
    // Switched off, nothing comes, not even the next day's notice.
    trigger("remindersOffAction");
    start();
    EXPECT_EQ(at(next.addDays(1), QTime(0, 0, 1)), QStringList());
}

// A line inserted in edit mode is reminded of like any other.
TEST_F(Reminders, AnAppointmentTypedInIsRemindedOf)
{
    start("", "");
    run({tDaten, Type("nameField", "Anruf"), Type("timeField", "11:00"),
         Type("dateField", "05.12.2026"), einfuegen});
    EXPECT_EQ(std::exchange(notifier.notices, {}), QStringList());
    tickAt(QDateTime(QDate(2026, 12, 5), QTime(10, 45)));
    EXPECT_EQ(notifier.notices,
              QStringList({"Heute, 05.12.2026|11:00 Uhr   Anruf", "Anruf|um 11:00 Uhr"}));
}

} // namespace
