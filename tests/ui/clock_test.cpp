// The clock and the restart on a new day, quitting, help, about and tool tips. Ticks run by
// calling tick after moving the fixture's clock; only the timer's own checks wait.

#include "fixture.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

using namespace quirnel::testing;
namespace {

using Clock = WindowTest;

TEST_F(Clock, TicksEachSecondAndRestartsOnceOnANewDayWhenNothingIsPending)
{
    std::vector<QDate> attempts;
    restartProgram = [&] { return attempts.emplace_back(now.date()) != QDate(2026, 12, 6); };
    now.setTime(QTime(7, 0, 0, 250));
    start();
    EXPECT_NEAR(control<QTimer>("clockTimer")->interval(), 750, 2); // to the next second
    tickAt({{2026, 12, 5}, {14, 3, 27, 999}});
    EXPECT_EQ(text("dateLabel") + " " + text("clockLabel"), "05.12.2026 14:03:27 Uhr");
    now.setTime(QTime(14, 3, 28));
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("clockLabel") == "14:03:28 Uhr"; }, 1500));
    // Not while a field holds text not yet inserted (after a sleep over midnight), nor
    // while an edit is unsaved, nor while a box is open.
    run({gDaten, Type("nameField", "Bernd Beispiel")});
    tickAt({{2026, 12, 6}, {0, 5, 0}});
    run({Type("dateField", "01.02.1990"), einfuegen});
    tickAt({{2026, 12, 6}, {0, 5, 1}});
    // The save clears the fields; the time "Exit" leaves in its hidden field is no input.
    run({speichern, Click("appointmentModeButton"), Type("timeField", "09:00"), exitEdit});
    QDialog box(&window());
    box.open();
    tickAt({{2026, 12, 6}, {0, 5, 2}});
    box.close();
    EXPECT_TRUE(attempts.empty());
    // Then the next tick tries; a failed start goes on silently and is tried again on the
    // next date, once.
    for (const auto &[day, time] : {std::pair(6, QTime(0, 5, 3)), std::pair(6, QTime(23, 59, 59)),
                                    std::pair(7, QTime(0, 0)), std::pair(7, QTime(0, 0, 1))})
        tickAt({{2026, 12, day}, time});
    EXPECT_EQ(attempts, (std::vector<QDate>{QDate(2026, 12, 6), QDate(2026, 12, 7)}));
    // The new window takes the input now: this one takes none until it ends.
    QTest::keyClicks(control("nameField"), "Bernd");
    EXPECT_EQ(text("nameField"), "");
    // It ends a second after the new one started, and only then.
    EXPECT_FALSE(QTest::qWaitFor([&] { return endCalls > 0; }, 800));
    EXPECT_TRUE(QTest::qWaitFor([&] { return endCalls > 0; }, 1500));
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
        if (row.unsaved)
            run({Key("birthdayList", 'L', true)}); // Shift+L empties the list
        dialogs.questions.clear();
        dialogs.answers = QList<bool>(row.asks, row.answer); // an answer only for a question
        row.titleBar ? void(window().close()) : trigger("quitAction");
        EXPECT_EQ(dialogs.questions.join(""), row.asks ? "Programm Ende|Programm beenden ?" : "");
        EXPECT_EQ(row.titleBar ? !window().isVisible() : endCalls == 1, row.ends);
        EXPECT_EQ(readFile("geburt.dat"), "12.03.1980     Anna Muster\r\n") << "never saves";
    }
}

// The help page fits the mode. Coming back to the window, as after a question or from
// another program, keeps the month the user paged to; back from the about box, which is
// gone once closed, the calendar shows today's month and day in the year it shows.
// Quick-info off empties the tool tips but for the minute choice's.
TEST_F(Clock, HelpFitsTheModeOnlyTheAboutBoxSetsTodayQuickInfoEmptiesTips)
{
    start();
    trigger("helpAction");
    EXPECT_EQ(twipsOf("helpPage"), QRectF(0, 0, 7170, 5737));
    run({Click("helpOkButton"), Click("appointmentViewButton"), Click("qt_calendar_nextmonth")});
    auto *calendar = control<QCalendarWidget>("calendar");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&window(), &activation);
    EXPECT_EQ(QDate(calendar->yearShown(), calendar->monthShown(), 1), QDate(2027, 1, 1));
    QPointer<QWidget> box;
    QTimer::singleShot(50, qApp, [&box] {
        box = QApplication::activeModalWidget();
        box->findChild<QAbstractButton *>("aboutOkButton")->click();
    });
    trigger("aboutAction");
    EXPECT_TRUE(calendar->selectedDate() == QDate(2027, 12, 5) && calendar->monthShown() == 12);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(box.isNull()) << "kept after closing"; // so that each "Info" makes a new one
    run({tDaten});
    trigger("helpAction");
    EXPECT_TRUE(shown("helpPage") && twipsOf("helpPage") == QRectF(0, 0, 7170, 6700));
    // In edit mode all three have tips.
    trigger("quickInfoOffAction");
    EXPECT_EQ(tip("birthdayEditButton") + tip("timeField") + tip("deleteButton") + "|"
                  + tip("minutes30"),
              "|Minuten selektieren ");
}

} // namespace
