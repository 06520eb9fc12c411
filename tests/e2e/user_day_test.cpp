// A user's day on a real X display: an Xvfb of its own, the window shown on it and driven
// by real input events from xdotool (pointer moved to a control and clicked, keys typed),
// the files checked byte for byte, then the program started again on a later day.

#include "../ui/fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDeadlineTimer>
#include <QEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quirnel;
using quirnel::testing::sameBytes;

namespace {

// Runs xdotool and keeps the window's event loop turning meanwhile.
void xdotool(const QStringList &args)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(tool.waitForStarted());
    QDeadlineTimer deadline(10000);
    while (!tool.waitForFinished(10)) {
        QCoreApplication::processEvents();
        if (deadline.hasExpired()) {
            tool.kill();
            FAIL() << "xdotool did not finish: " << args.join(u' ').toStdString();
        }
    }
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    QCoreApplication::processEvents();
}

class UserDay : public quirnel::testing::WindowTest
{
protected:
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
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
                 QString::number(global.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                 QString::number(clicks), QStringLiteral("--delay"), QStringLiteral("80"),
                 QStringLiteral("1")});
    }
    void press(const char *name)
    {
        QWidget *widget = control(name);
        clickAt(widget, widget->rect().center());
    }
    // A user's click on a day's cell, found by setting the date from code, which is no click.
    void clickDay(int day, int clicks = 1)
    {
        window().Calendar1->setSelectedDate(QDate(2026, 12, day));
        auto *grid = window().Calendar1->findChild<QAbstractItemView *>("qt_calendar_calendarview");
        clickAt(grid->viewport(), grid->visualRect(grid->currentIndex()).center(), clicks);
    }
    void type(const char *name, const QString &keys)
    {
        press(name);
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), keys});
    }
    template<typename Condition>
    static bool waitFor(Condition condition)
    {
        return QTest::qWaitFor(condition, 5000);
    }

    // Saves in edit mode and leaves it, as the user ends every change.
    void saveAndExit()
    {
        press("Command7"); // Speichern
        ASSERT_TRUE(waitFor([&] { return text("Label10").contains(QStringLiteral("Nam.")); }));
        EXPECT_EQ(control("Label10")->palette().color(QPalette::Window), QColor(0, 255, 0));
        press("Command15"); // Exit
        ASSERT_TRUE(waitFor([&] { return window().windowHeight() == ui::Form1::viewHeight; }));
        EXPECT_TRUE(dialogs.questions.isEmpty()) << dialogs.questions.join(u'\n').toStdString();
        EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join(u'\n').toStdString();
        ASSERT_FALSE(window().hasUnsavedChanges());
    }

    const QByteArray birthdays = "05.12.1976     Hans Muster\r\n"
                                 "24.03.1990     Paula Rot\r\n";
    const QByteArray appointments = "05.12.2026  10:30 Uhr   Zahnarzt\r\n";
};

TEST_F(UserDay, AppointmentEnteredWithTheCalendarIsSavedAndShownOnItsDay)
{
    writeFile("geburt.dat", birthdays);
    writeFile("termin.dat", appointments);
    startAt({{2026, 12, 5}, {10, 0}});

    // Log-on: today's appointments lie over the birthday lists until "OK".
    ASSERT_TRUE(shown("Frame3"));
    EXPECT_EQ(text("Label3"), QStringLiteral("GEBURTSTAG HAT HEUTE: "));
    EXPECT_EQ(text("Text2"), QStringLiteral("und wird 50 Jahre alt"));
    EXPECT_EQ(lines("List7"), QStringList{"05.12.2026  10:30 Uhr   Zahnarzt"});
    press("Command1"); // OK
    ASSERT_TRUE(waitFor([&] { return !shown("Frame3"); }));

    press("Command17"); // T-Daten
    ASSERT_TRUE(waitFor([&] { return window().windowHeight() == ui::Form1::editHeight; }));
    ASSERT_TRUE(shown("TBOX") && shown("Text5") && shown("Text10"));

    clickDay(18);
    ASSERT_TRUE(waitFor([&] { return text("Text5") == QStringLiteral("18.12.2026"); }));
    clickDay(9, 2);
    ASSERT_TRUE(waitFor([&] { return text("Text10") == QStringLiteral("09:00"); }));
    EXPECT_EQ(text("Text5"), QStringLiteral("18.12.2026")) << "a picked date is never replaced";
    press("O2"); // 30
    ASSERT_TRUE(waitFor([&] { return text("Text10") == QStringLiteral("09:30"); }));
    type("Text4", QStringLiteral("Kontrolle beim Zahnarzt"));

    press("Command5"); // Einfügen
    const QString added = QStringLiteral("18.12.2026  09:30 Uhr   Kontrolle beim Zahnarzt");
    ASSERT_TRUE(waitFor([&] { return lines("TBOX").contains(added); }));
    EXPECT_EQ(lines("TBOX"), (QStringList{"05.12.2026  10:30 Uhr   Zahnarzt", added}));
    EXPECT_TRUE(control("Command7")->isEnabled());
    EXPECT_FALSE(control("Command5")->isEnabled());

    saveAndExit();
    EXPECT_EQ(text("Label10"), QStringLiteral("2  Nam.    2  Term."));
    EXPECT_TRUE(sameBytes(appointments + added.toLatin1() + "\r\n", readFile("termin.dat")));
    EXPECT_TRUE(sameBytes(birthdays, readFile("geburt.dat")));

    startAt({{2026, 12, 18}, {7, 45}});
    ASSERT_TRUE(shown("Frame3"));
    EXPECT_EQ(lines("List7"), QStringList{added});
}

TEST_F(UserDay, BirthdayTypedInIsSavedAndCelebratedInTheOverview)
{
    writeFile("geburt.dat", birthdays);
    writeFile("termin.dat", appointments);
    startAt({{2026, 12, 5}, {10, 0}});
    press("Command1"); // OK
    ASSERT_TRUE(waitFor([&] { return !shown("Frame3"); }));

    press("Command4"); // G-Daten
    ASSERT_TRUE(waitFor([&] { return window().windowHeight() == ui::Form1::editHeight; }));
    ASSERT_TRUE(shown("List4") && shown("Text5") && !shown("Text10"));
    // The name first: the date, once complete, enables "Einfügen".
    type("Text4", QStringLiteral("Erika Beispiel"));
    type("Text5", QStringLiteral("09.12.1976"));
    ASSERT_TRUE(waitFor([&] { return control("Command5")->isEnabled(); }));

    press("Command5"); // Einfügen
    const QString added = QStringLiteral("09.12.1976     Erika Beispiel");
    ASSERT_TRUE(waitFor([&] { return lines("List4").contains(added); }));
    EXPECT_EQ(lines("List4"),
              (QStringList{"05.12.1976     Hans Muster", added, "24.03.1990     Paula Rot"}));
    saveAndExit();
    EXPECT_EQ(text("Label10"), QStringLiteral("3  Nam.    1  Term."));
    EXPECT_TRUE(sameBytes("05.12.1976     Hans Muster\r\n"
                          "09.12.1976     Erika Beispiel\r\n"
                          "24.03.1990     Paula Rot\r\n",
                          readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(appointments, readFile("termin.dat")));

    // Two days before: coming up in the strip, and in this week's, the month's and the
    // jubilee list.
    startAt({{2026, 12, 7}, {8, 0}});
    EXPECT_EQ(text("Label3"), QStringLiteral("50. Woche"));
    EXPECT_TRUE(lines("List6").contains(
        QStringLiteral("  Geburtstag hat    ->    in 2 Tagen      : Erika Beispiel")))
        << lines("List6").join(u'\n').toStdString();
    EXPECT_TRUE(lines("List5").contains(QStringLiteral("09. Mi :  Erika Beispiel")));
    EXPECT_TRUE(lines("List2").contains(QStringLiteral("09.    50.Geb.   Erika Beispiel")));
    EXPECT_TRUE(lines("List3").contains(QStringLiteral("09.12.   50.Geb.    Erika Beispiel")));

    // Her day: the today panel.
    startAt({{2026, 12, 9}, {8, 0}});
    EXPECT_EQ(text("Label3"), QStringLiteral("GEBURTSTAG HAT HEUTE: "));
    EXPECT_EQ(text("Text1"), QStringLiteral(" Erika Beispiel"));
    EXPECT_EQ(text("Text2"), QStringLiteral("und wird 50 Jahre alt"));
}

// An X server of our own for this run; its number is what it writes to the pipe.
pid_t startXvfb(QByteArray &display)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        // No server left behind when the test is killed.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(out[0]);
        const std::string fd = std::to_string(out[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // The number and its line end come in two writes; closing the pipe before the
    // second would kill the server.
    QByteArray number;
    char c = 0;
    while (pid > 0 && read(out[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(out[0]);
    if (c != '\n') {
        if (pid > 0)
            kill(pid, SIGTERM);
        return -1;
    }
    display = ':' + number;
    return pid;
}

} // namespace

int main(int argc, char *argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    // Without the tools there is no display to test on: report "skipped" to ctest.
    constexpr int skipped = 77;
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        std::puts("Xvfb or xdotool is missing: the tests on a real display are skipped");
        return skipped;
    }
    QByteArray display;
    const pid_t xvfb = startXvfb(display);
    if (xvfb <= 0) {
        std::puts("Xvfb did not start");
        return 1;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        // A tool tip would pop up under the resting pointer and could take the next click.
        struct NoToolTips : QObject {
            bool eventFilter(QObject *, QEvent *event) override
            {
                return event->type() == QEvent::ToolTip;
            }
        } noToolTips;
        app.installEventFilter(&noToolTips);
        result = RUN_ALL_TESTS();
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return result;
}
