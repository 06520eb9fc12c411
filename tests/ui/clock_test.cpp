// The clock and the restart on a new day, quitting, help, about and tool tips. Ticks run by
// calling tick after moving the fixture's clock; only the timer's own checks wait.

#include "fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace quirnel::testing {
namespace {

QDateTime at(int day, int hour, int minute, int second, int msec = 0)
{
    return {QDate(2026, 12, day), QTime(hour, minute, second, msec)};
}

// "Info", answered with the about box's "OK" once it shows; returns the box.
QPointer<QWidget> showAbout(QWidget &window)
{
    QPointer<QWidget> box;
    QTimer::singleShot(50, qApp, [&box] {
        box = QApplication::activeModalWidget();
        QTest::mouseClick(box->findChild<QAbstractButton *>("aboutOkButton"), Qt::LeftButton);
    });
    window.findChild<QAction *>("aboutAction")->trigger();
    return box;
}

using Clock = WindowTest;

TEST_F(Clock, TicksEachSecondAndRestartsOnceOnANewDayWhenNothingIsPending)
{
    std::vector<QDate> attempts;
    restartProgram = [&] {
        attempts.push_back(now.date());
        return attempts.size() > 1;
    };
    now = at(5, 7, 0, 0, 250);
    start();
    const auto tickAt = [&](const QDateTime &time) {
        now = time;
        window().tick();
    };
    EXPECT_NEAR(control<QTimer>("clockTimer")->interval(), 750, 2); // to the next second
    tickAt(at(5, 14, 3, 27, 999));
    EXPECT_EQ(text("dateLabel") + " " + text("clockLabel"), "05.12.2026 14:03:27 Uhr");
    now = at(5, 14, 3, 28);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("clockLabel") == "14:03:28 Uhr"; }, 1500));
    // Not while a field holds text not yet inserted (after a sleep over midnight), nor
    // while an edit is unsaved, nor while a box is open.
    run({Click{"birthdayEditButton"}, Type{"nameField", "Bernd Beispiel"}});
    tickAt(at(6, 0, 5, 0));
    run({Type{"dateField", "01.02.1990"}, Click{"insertButton"}});
    tickAt(at(6, 0, 5, 1));
    click("saveButton"); // which clears the fields
    QDialog box(&window());
    box.open();
    tickAt(at(6, 0, 5, 2));
    box.close();
    EXPECT_TRUE(attempts.empty());
    // Then the next tick tries; a failed start goes on silently and is tried again on the
    // next date, once.
    for (const QDateTime &time :
         {at(6, 0, 5, 3), at(6, 23, 59, 59), at(7, 0, 0, 0), at(7, 0, 0, 1)})
        tickAt(time);
    EXPECT_EQ(attempts, (std::vector<QDate>{QDate(2026, 12, 6), QDate(2026, 12, 7)}));
    // The new window takes the input now: this one takes none until it ends.
    EXPECT_FALSE(window().isEnabled());
    QTest::keyClicks(control("nameField"), "Bernd");
    EXPECT_EQ(text("nameField"), "");
    // It ends a second after the new one started, and only then.
    EXPECT_FALSE(QTest::qWaitFor([&] { return endCalls > 0; }, 800));
    EXPECT_TRUE(QTest::qWaitFor([&] { return endCalls > 0; }, 1500));
    QTest::qWait(100);
    EXPECT_TRUE(endCalls == 1 && dialogs.warnings.isEmpty() && dialogs.questions.isEmpty());
}

TEST_F(Clock, QuitAsksOnlyWhenItMustAndNeverSaves)
{
    // From the title bar or "Beenden", with unsaved changes or not, the answer; asked, ended.
    // clang-format off
    const struct { bool titleBar, unsaved, answer, asks, ends; } rows[] = {{true, false, false, false, true},
        {true, true, false, true, false}, {true, true, true, true, true}, {false, false, false, true, false}, {false, true, true, true, true}};
    // clang-format on
    writeFile("geburt.dat", "12.03.1980     Anna Muster\r\n");
    for (const auto &row : rows) {
        start();
        endCalls = 0;
        if (row.unsaved)
            run({Key{"birthdayList", 'L', true}}); // the list emptied
        dialogs.questions.clear();
        dialogs.answers = {row.answer};
        row.titleBar ? void(window().close()) : control<QAction>("quitAction")->trigger();
        EXPECT_EQ(dialogs.questions.join(""), row.asks ? "Programm Ende|Programm beenden ?" : "");
        EXPECT_EQ(row.titleBar ? !window().isVisible() : endCalls == 1, row.ends);
        EXPECT_EQ(readFile("geburt.dat"), "12.03.1980     Anna Muster\r\n") << "never saves";
    }
}

// The help page fits the mode; each "Info" makes a new box, gone once closed; quick-info
// off empties the tool tips but for the minute choice's.
TEST_F(Clock, HelpFitsTheModeAboutBoxNewEachTimeQuickInfoEmptiesTips)
{
    start();
    control<QAction>("helpAction")->trigger();
    EXPECT_EQ(twipsOf("helpPage"), QRectF(0, 0, 7170, 5737));
    click("helpOkButton");
    click("appointmentEditButton");
    control<QAction>("helpAction")->trigger();
    EXPECT_TRUE(shown("helpPage") && twipsOf("helpPage") == QRectF(0, 0, 7170, 6700));

    const QList<QPointer<QWidget>> boxes{showAbout(window()), showAbout(window())};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(boxes[0].isNull() && boxes[1].isNull());

    control<QAction>("quickInfoOffAction")
        ->trigger(); // the three had tips, as the layout test shows
    EXPECT_EQ(tip("birthdayEditButton") + tip("timeField") + tip("deleteButton") + "|"
                  + tip("minutes30"),
              "|Minuten selektieren ");
}

// Coming back to the window, as after a question or from another program, keeps the month
// the user paged to; back from the about box the calendar shows today's month and day in
// the year it shows.
TEST_F(Clock, ActivationKeepsThePagedMonthTheAboutBoxSetsToday)
{
    start();
    run({Click{"appointmentViewButton"}, Click{"qt_calendar_nextmonth"}});
    auto *calendar = control<QCalendarWidget>("calendar");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&window(), &activation);
    EXPECT_EQ(QDate(calendar->yearShown(), calendar->monthShown(), 1), QDate(2027, 1, 1));
    showAbout(window());
    EXPECT_EQ(calendar->selectedDate(), QDate(2027, 12, 5));
    EXPECT_EQ(calendar->monthShown(), 12);
}

} // namespace
} // namespace quirnel::testing
