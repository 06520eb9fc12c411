// The clock and the restart on a new day, quitting, help, about and tool tips. Ticks run by
// calling Timer1_Timer after moving the fixture's clock; only the timer's own checks wait.

#include "fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace quirnel::testing {
namespace {

using Clock = WindowTest;

QDateTime at(int day, int hour, int minute, int second, int msec = 0)
{
    return {QDate(2026, 12, day), QTime(hour, minute, second, msec)};
}

TEST_F(Clock, TicksEachSecondAndRestartsOnceOnANewDayWhenNothingIsPending)
{
    std::vector<QDate> attempts;
    restartProgram = [&] {
        attempts.push_back(now.date());
        return attempts.size() > 1;
    };
    now = at(5, 7, 0, 0, 250);
    start();
    auto *timer = window().findChild<QTimer *>("Timer1");
    ASSERT_TRUE(timer && timer->isSingleShot());
    EXPECT_NEAR(timer->interval(), 750, 2);
    const auto tick = [&](const QDateTime &time) {
        now = time;
        window().Timer1_Timer();
    };
    tick(at(5, 14, 3, 27, 999));
    EXPECT_EQ(text("Label5") + " " + text("Label14"), "05.12.2026 14:03:27 Uhr");
    now = at(5, 14, 3, 28);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("Label14") == "14:03:28 Uhr"; }, 1500));
    // Not while the lists differ from what was saved, nor while a box is open.
    window().TBOX->add("06.12.2026  10:00 Uhr   Neu");
    window().Command7_Click();
    window().TBOX->removeAt(0);
    tick(at(6, 0, 5, 0)); // after a sleep over midnight
    window().TBOX->add("06.12.2026  10:00 Uhr   Neu");
    QDialog box(&window());
    box.setModal(true);
    box.show();
    tick(at(6, 0, 5, 1));
    EXPECT_TRUE(attempts.empty());
    box.close();
    // A failed start goes on silently and is tried again on the next date, once.
    for (const QDateTime &time :
         {at(6, 0, 5, 2), at(6, 23, 59, 59), at(7, 0, 0, 0), at(7, 0, 0, 1)})
        tick(time);
    EXPECT_EQ(attempts, (std::vector<QDate>{QDate(2026, 12, 6), QDate(2026, 12, 7)}));
    // The old program ends a second after the new one started, and only then.
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
        dialogs.questions.clear();
        if (row.unsaved)
            window().List4->add("01.02.1990     Bernd Beispiel");
        dialogs.answers = {row.answer};
        row.titleBar ? void(window().close()) : window().Beenden->trigger();
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
    window().Hilfe->trigger();
    EXPECT_EQ(twipsOf("Frame2"), QRectF(0, 0, 7170, 5737));
    click("Command18");
    click("Command17");
    window().Hilfe->trigger();
    EXPECT_TRUE(shown("Frame2") && twipsOf("Frame2") == QRectF(0, 0, 7170, 6700));

    QList<QPointer<QWidget>> boxes;
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(50, qApp, [&] {
            ASSERT_NE(QApplication::activeModalWidget(), nullptr);
            boxes << QApplication::activeModalWidget();
            QTest::mouseClick(boxes.last()->findChild<QAbstractButton *>("Command1"),
                              Qt::LeftButton);
        });
        window().Info->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(boxes.size() == 2 && boxes[0].isNull() && boxes[1].isNull());

    window().QuickInfoAus->trigger(); // the three had tips, as the layout test shows
    EXPECT_EQ(tip("Command4") + tip("Text10") + tip("Command6") + "|" + tip("O2"),
              "|Minuten selektieren ");
}

} // namespace
} // namespace quirnel::testing
