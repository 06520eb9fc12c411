// A user's day on a real X display: an Xvfb of its own, the window shown on it and driven
// by real input events from xdotool (pointer moved to a control and clicked, keys typed),
// the files checked byte for byte, then the program started again on a later day.

#include "../ui/fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

using namespace quirnel;
using quirnel::testing::sameBytes;

namespace {

// Runs xdotool while the window's event loop keeps turning.
void xdotool(const QStringList &args)
{
    QProcess tool;
    tool.start("xdotool", args);
    ASSERT_TRUE(tool.waitForStarted());
    // Killed on the way out when it hangs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 10000))
        << "xdotool did not finish: " << args.join(u' ').toStdString();
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QCoreApplication::processEvents();
}

const QByteArray birthdays = "05.12.1976     Hans Muster\r\n"
                             "24.03.1990     Paula Rot\r\n";
const QByteArray appointments = "05.12.2026  10:30 Uhr   Zahnarzt\r\n";

class UserDay : public quirnel::testing::WindowTest
{
protected:
    // Saturday's log-on: today's appointments lie over the birthday lists until "OK".
    void SetUp() override
    {
        writeFile("geburt.dat", birthdays);
        writeFile("termin.dat", appointments);
        startAt({{2026, 12, 5}, {10, 0}});
        ASSERT_TRUE(shown("resultPanel"));
        press("resultOkButton");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown("resultPanel"); }));
    }

    // The program as started at log-on at the given time, on the display.
    void startAt(QDateTime at)
    {
        now = at;
        start().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    void clickAt(QWidget *widget, QPoint at, int clicks = 1)
    {
        ASSERT_TRUE(widget->isVisible() && widget->isEnabled())
            << widget->objectName().toStdString();
        const QPoint global = widget->mapToGlobal(at);
        xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
                 "click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
    }
    void press(const char *name)
    {
        if (QWidget *widget = control(name))
            clickAt(widget, widget->rect().center());
    }
    // A click on a day's cell, found by selecting the date from code, which is no click.
    void clickDay(int day, int clicks = 1)
    {
        control<QCalendarWidget>("calendar")->setSelectedDate(QDate(2026, 12, day));
        auto *days = control<QAbstractItemView>("qt_calendar_calendarview");
        clickAt(days->viewport(), days->visualRect(days->currentIndex()).center(), clicks);
    }
    void type(const char *name, const QString &keys)
    {
        press(name);
        xdotool({"type", "--delay", "40", keys});
    }
    // The window answers real input only once the X events have come in.
    void awaitText(const char *name, const QString &expected)
    {
        (void)QTest::qWaitFor([&] { return text(name) == expected; });
        ASSERT_EQ(text(name), expected) << name;
    }

    // Saves and leaves edit mode, as the user ends every change, and checks both files.
    void saveAndExit(const QString &status, const QByteArray &birthdayFile,
                     const QByteArray &appointmentFile)
    {
        press("saveButton");
        awaitText("saveStatus", status);
        EXPECT_EQ(control("saveStatus")->palette().color(QPalette::Window).name(),
                  QStringLiteral("#00ff00"));
        press("exitButton");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window().inEditMode(); }));
        EXPECT_EQ(dialogs.questions + dialogs.warnings, QStringList{});
        EXPECT_FALSE(window().hasUnsavedChanges());
        EXPECT_TRUE(sameBytes(birthdayFile, readFile("geburt.dat")));
        EXPECT_TRUE(sameBytes(appointmentFile, readFile("termin.dat")));
    }
};

TEST_F(UserDay, AppointmentEnteredWithTheCalendarIsSavedAndShownOnItsDay)
{
    press("appointmentEditButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().inEditMode(); }));
    clickDay(18);
    awaitText("dateField", "18.12.2026");
    clickDay(9, 2);
    awaitText("timeField", "09:00");
    EXPECT_EQ(text("dateField"), QStringLiteral("18.12.2026")) << "a picked date is never replaced";
    press("minutes30");
    awaitText("timeField", "09:30");
    type("nameField", QStringLiteral("Kontrolle beim Zahnarzt"));

    press("insertButton");
    const QString added = QStringLiteral("18.12.2026  09:30 Uhr   Kontrolle beim Zahnarzt");
    (void)QTest::qWaitFor([&] { return lines("appointmentList").contains(added); });
    EXPECT_EQ(lines("appointmentList"), (QStringList{"05.12.2026  10:30 Uhr   Zahnarzt", added}));
    saveAndExit("2  Nam.    2  Term.", birthdays, appointments + added.toLatin1() + "\r\n");

    startAt({{2026, 12, 18}, {7, 45}});
    ASSERT_TRUE(shown("resultPanel"));
    EXPECT_EQ(lines("resultList"), QStringList{added});
}

TEST_F(UserDay, BirthdayTypedInIsSavedAndCelebratedInTheOverview)
{
    press("birthdayEditButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().inEditMode(); }));
    // The name first: the date, once complete, enables "Einfügen".
    type("nameField", QStringLiteral("Erika Beispiel"));
    type("dateField", QStringLiteral("09.12.1976"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return enabled("insertButton"); }));

    press("insertButton");
    const QString added = QStringLiteral("09.12.1976     Erika Beispiel");
    (void)QTest::qWaitFor([&] { return lines("birthdayList").contains(added); });
    EXPECT_EQ(lines("birthdayList"),
              (QStringList{"05.12.1976     Hans Muster", added, "24.03.1990     Paula Rot"}));
    saveAndExit("3  Nam.    1  Term.",
                "05.12.1976     Hans Muster\r\n"
                "09.12.1976     Erika Beispiel\r\n"
                "24.03.1990     Paula Rot\r\n",
                appointments);

    // Two days before, started anew, the program has her from the file it wrote: in the
    // strip, this week, this month and among the jubilees (her 50th).
    startAt({{2026, 12, 7}, {8, 0}});
    EXPECT_EQ(text("todayHeading"), QStringLiteral("50. Woche"));
    for (const char *list : {"stripList", "weekBirthdayList", "monthBirthdayList", "jubileeList"})
        EXPECT_TRUE(lines(list).join(u'\n').contains(QStringLiteral("Erika Beispiel"))) << list;

    // Her day: the today panel.
    startAt({{2026, 12, 9}, {8, 0}});
    EXPECT_EQ(text("todayHeading"), QStringLiteral("GEBURTSTAG HAT HEUTE: "));
    EXPECT_EQ(text("nameToday"), QStringLiteral(" Erika Beispiel"));
    EXPECT_EQ(text("ageLine"), QStringLiteral("und wird 50 Jahre alt"));
}

} // namespace

int main(int argc, char *argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Without the tools there is no display to test on: ctest counts 77 as skipped.
    if (QStandardPaths::findExecutable("Xvfb").isEmpty()
        || QStandardPaths::findExecutable("xdotool").isEmpty()) {
        std::puts("Xvfb or xdotool is missing: the tests on a real display are skipped");
        return 77;
    }
    // An X server of our own, which writes its display number once it listens, and is
    // told to end when this process dies, however it dies.
    QProcess xvfb;
    xvfb.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!xvfb.waitForReadyRead(10000)) {
        std::puts("Xvfb did not start");
        return 1;
    }
    qputenv("DISPLAY", ':' + xvfb.readAllStandardOutput().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        // A tool tip would pop up under the resting pointer and could take the next click.
        struct NoToolTips : QObject {
            bool eventFilter(QObject *, QEvent *e) override { return e->type() == QEvent::ToolTip; }
        } noToolTips;
        app.installEventFilter(&noToolTips);
        result = RUN_ALL_TESTS();
    }
    // Ended, not killed, so that it removes its lock file.
    xvfb.terminate();
    xvfb.waitForFinished();
    return result;
}
