// The clock and the restart on a new day, quitting, help, about and tool tips. Ticks run by
// calling Timer1_Timer after moving the fixture's clock; only the timer's own tests wait.

#include "fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace quirnel::testing {
namespace {

QDateTime at(int day, int hour, int minute, int second, int msec = 0)
{
    return {QDate(2026, 12, day), QTime(hour, minute, second, msec)};
}

class Clock : public WindowTest
{
protected:
    void tickAt(const QDateTime &time)
    {
        now = time;
        window().Timer1_Timer();
    }
    QTimer *timer1() { return window().findChild<QTimer *>("Timer1"); }
};

TEST_F(Clock, OneTickAtTheStartOfEachSecondShowingDateAndTime)
{
    now = at(5, 7, 0, 0, 250);
    start();
    ASSERT_TRUE(timer1() && timer1()->isSingleShot());
    EXPECT_NEAR(timer1()->interval(), 750, 2);
    EXPECT_EQ(text("Label5") + " " + text("Label14"), "05.12.2026 07:00:00 Uhr");
    tickAt(at(5, 14, 3, 27, 999));
    EXPECT_EQ(text("Label5") + " " + text("Label14"), "05.12.2026 14:03:27 Uhr");
    EXPECT_NEAR(timer1()->interval(), 1, 2);
    now = at(5, 14, 3, 28);
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("Label14") == "14:03:28 Uhr"; }, 1500))
        << "by itself";
}

// The restart comes with the first tick on a new date, however long the sleep before it,
// whatever the clock's format, and once. It waits while the lists differ from what was last
// loaded or saved and while a box is open; a failed start is tried again on the next date.
TEST_F(Clock, RestartOnANewDayWaitsRetriesAndEndsTheOldProgramASecondLater)
{
    std::vector<QDate> attempts;
    QElapsedTimer sinceRestart;
    qint64 endedAfter = -1;
    restartProgram = [&] {
        attempts.push_back(now.date());
        sinceRestart.start();
        return attempts.size() > 1;
    };
    endProgram = [&] { endedAfter = sinceRestart.elapsed(); };
    locale = QLocale(QLocale::English, QLocale::UnitedStates);
    start();
    window().TBOX->add("06.12.2026  10:00 Uhr   Neu");
    window().Command7_Click();
    window().TBOX->removeAt(0);
    tickAt(at(5, 23, 59, 59, 999));
    tickAt(at(6, 0, 5, 0));
    EXPECT_TRUE(attempts.empty()) << "the removal is not saved";
    window().TBOX->add("06.12.2026  10:00 Uhr   Neu");
    QDialog box(&window());
    box.setModal(true);
    box.show();
    tickAt(at(6, 0, 5, 1));
    EXPECT_TRUE(attempts.empty()) << "a modal box is open";
    box.close();
    tickAt(at(6, 0, 5, 2));
    QTest::qWait(1100);
    EXPECT_EQ(endedAfter, -1) << "nothing was started, so nothing may end";
    EXPECT_TRUE(timer1()->isActive());
    tickAt(at(6, 23, 59, 59));
    tickAt(at(7, 0, 0, 0));
    tickAt(at(7, 0, 0, 1));
    EXPECT_EQ(attempts, (std::vector<QDate>{QDate(2026, 12, 6), QDate(2026, 12, 7)}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return endedAfter >= 0; }, 2500));
    EXPECT_TRUE(endedAfter >= 900 && endedAfter <= 5000) << endedAfter;
    EXPECT_TRUE(dialogs.warnings.isEmpty() && dialogs.questions.isEmpty());
}

TEST_F(Clock, QuitAsksOnlyWhenItMustAndNeverSaves)
{
    const struct {
        const char *name;
        bool titleBar, unsaved, answer, asks, ends;
    } rows[] = {{"close_unchanged", true, false, false, false, true},
                {"close_unsaved_no", true, true, false, true, false},
                {"close_unsaved_yes", true, true, true, true, true},
                {"beenden_unchanged_no", false, false, false, true, false},
                {"beenden_unsaved_yes", false, true, true, true, true}};
    writeFile("geburt.dat", "12.03.1980     Anna Muster\r\n");
    for (const auto &row : rows) {
        start();
        endCalls = 0;
        dialogs.questions.clear();
        if (row.unsaved)
            window().List4->add("01.02.1990     Bernd Beispiel");
        dialogs.answers = {row.answer};
        row.titleBar ? void(window().close()) : window().Beenden->trigger();
        EXPECT_EQ(dialogs.questions.join(""), row.asks ? "Programm Ende|Programm beenden ?" : "")
            << row.name;
        EXPECT_EQ(row.titleBar ? !window().isVisible() : endCalls == 1, row.ends) << row.name;
        EXPECT_EQ(readFile("geburt.dat"), "12.03.1980     Anna Muster\r\n") << "never saves";
    }
}

// The help page fits the mode and "OK" gives back the view; each "Info" makes a new box.
TEST_F(Clock, HelpPageAndAboutBox)
{
    start();
    window().Hilfe->trigger();
    EXPECT_EQ(twipsOf("Frame2"), QRectF(0, 0, 7170, 5737));
    click("Command18");
    click("Command17");
    window().Hilfe->trigger();
    window().Hilfe->trigger(); // only sizes and shows it again
    EXPECT_TRUE(shown("Frame2"));
    EXPECT_EQ(twipsOf("Frame2"), QRectF(0, 0, 7170, 6700)) << "in edit mode";
    click("Command18");
    EXPECT_TRUE(!shown("Frame2") && shown("Text10"));

    QList<QPointer<QWidget>> boxes;
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(50, qApp, [&] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            boxes << box;
            EXPECT_EQ(box->windowTitle(), QString(14, ' '));
            QTest::mouseClick(box->findChild<QAbstractButton *>("Command1"), Qt::LeftButton);
        });
        window().Info->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(boxes.size() == 2 && boxes[0].isNull() && boxes[1].isNull()) << "gone once closed";
}

TEST_F(Clock, QuickInfoOffEmptiesTheListedTips)
{
    start();
    // Edit mode with the appointment list gives even the lists and the calendar a tip.
    click("Command4");
    click("Command13");
    const char *const quiet[] = {"Command4",  "Command5",  "Command6",  "Command7",  "Command8",
                                 "Command11", "Command15", "Command13", "Command14", "Abbruch_1",
                                 "Termine_0", "Command17", "check",     "List4",     "TBOX",
                                 "Text4",     "Text5",     "Text10",    "Calendar1"};
    for (const char *name : quiet)
        ASSERT_FALSE(tip(name).isEmpty()) << name;

    window().QuickInfoAus->trigger();

    for (const char *name : quiet)
        EXPECT_EQ(tip(name), "") << name;
    EXPECT_EQ(tip("O2"), "Minuten selektieren ");
}

} // namespace
} // namespace quirnel::testing
