// A user's day on a real X display: an Xvfb of its own, the window shown on it and driven
// by real input events from xdotool (pointer moved to a control and clicked, keys typed),
// the files checked byte for byte, then the program started again on later days.

#include "../ui/fixture.h"

#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

using namespace quirnel::testing;

// Runs xdotool while the window's event loop keeps turning.
static void xdotool(const QStringList &args)
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

const QStringList birthdays{"05.12.1976     Hans Muster", "24.03.1990     Paula Rot"};
const QStringList appointments{"05.12.2026  10:30 Uhr   Zahnarzt"};

class UserDay : public WindowTest
{
protected:
    // A data file's bytes: CR LF after every line; Latin-1 is Windows-1252 for these letters.
    static QByteArray fileOf(QStringList lines) { return (lines << "").join("\r\n").toLatin1(); }

    // The program as started at log-on at the given time, on the display.
    void startAt(QDateTime at)
    {
        now = at;
        start().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    void clickAt(QWidget *w, QPoint at, int clicks = 1)
    {
        ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString();
        const QPoint global = w->mapToGlobal(at);
        xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
                 "click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
    }
    // The window answers real input only once the X events have come in: after a click,
    // it is given time until it shows the effect.
    void press(const char *name, const std::function<bool()> &done = {})
    {
        if (QWidget *widget = control(name))
            clickAt(widget, widget->rect().center());
        ASSERT_TRUE(!done || QTest::qWaitFor(done)) << "no effect seen of " << name;
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
    void awaitText(const char *name, const QString &expected)
    {
        (void)QTest::qWaitFor([&] { return text(name) == expected; });
        ASSERT_EQ(text(name), expected) << name;
    }

    // Inserts, saves and leaves edit mode, as the user ends every change, with no question
    // asked, and checks both files byte for byte.
    void insertAndSave(const char *list, const QString &status, const QStringList &birthdayFile,
                       const QStringList &appointmentFile)
    {
        const auto &expected = qstrcmp(list, "birthdayList") ? appointmentFile : birthdayFile;
        press("insertButton", [&] { return lines(list) == expected; });
        press("saveButton");
        awaitText("saveStatus", status);
        press("exitButton", [&] { return !window().inEditMode(); });
        EXPECT_EQ(dialogs.questions + dialogs.warnings, QStringList{});
        EXPECT_TRUE(sameBytes(fileOf(birthdayFile), readFile("geburt.dat")));
        EXPECT_TRUE(sameBytes(fileOf(appointmentFile), readFile("termin.dat")));
    }
};

// Saturday's log-on: today's appointments lie over the birthday lists until "OK". The user
// enters an appointment with the calendar and types in a birthday; started anew on later
// days, the program has both from the files it wrote.
TEST_F(UserDay, EntriesMadeAreSavedAndShownOnTheirDays)
{
    start(fileOf(birthdays), fileOf(appointments)).activateWindow(); // at 10:00
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    press("resultOkButton", [&] { return !shown("resultPanel"); });

    press("appointmentEditButton", [&] { return window().inEditMode(); });
    clickDay(18);
    awaitText("dateField", "18.12.2026");
    clickDay(9, 2);
    awaitText("timeField", "09:00");
    EXPECT_EQ(text("dateField"), QStringLiteral("18.12.2026")) << "a picked date is never replaced";
    press("minutes30");
    awaitText("timeField", "09:30");
    type("nameField", QStringLiteral("Kontrolle beim Zahnarzt"));
    const QStringList appointmentsNow
        = appointments + QStringList{"18.12.2026  09:30 Uhr   Kontrolle beim Zahnarzt"};
    insertAndSave("appointmentList", "2  Nam.    2  Term.", birthdays, appointmentsNow);

    press("birthdayEditButton", [&] { return window().inEditMode(); });
    // The name first: the date, once complete, enables "Einfügen".
    type("nameField", QStringLiteral("Erika Beispiel"));
    type("dateField", QStringLiteral("09.12.1976"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return enabled("insertButton"); }));
    const QStringList birthdaysNow{birthdays[0], "09.12.1976     Erika Beispiel", birthdays[1]};
    insertAndSave("birthdayList", "3  Nam.    2  Term.", birthdaysNow, appointmentsNow);

    // Her day: the today panel, with her 50th birthday.
    startAt({{2026, 12, 9}, {8, 0}});
    EXPECT_EQ(text("todayHeading"), QStringLiteral("GEBURTSTAG HAT HEUTE: "));
    EXPECT_EQ(text("nameToday"), QStringLiteral(" Erika Beispiel"));
    EXPECT_EQ(text("ageLine"), QStringLiteral("und wird 50 Jahre alt"));
    // The dentist's day: the appointment over the lists.
    startAt({{2026, 12, 18}, {7, 45}});
    ASSERT_TRUE(shown("resultPanel"));
    EXPECT_EQ(lines("resultList"), QStringList{appointmentsNow.last()});
}

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
    if (!xvfb.waitForReadyRead(10000))
        qFatal("Xvfb did not start");
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
