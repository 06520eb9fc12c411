// The clock and the restart on a new day, the help page, the about box, quitting and
// switching the tool tips off. Ticks are run by calling Timer1_Timer after moving the
// fixture's clock; only the tests of the timer itself and of the delayed end wait.

#include "fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

namespace quirnel::testing {
namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return {QDate(year, month, day), QTime(hour, minute, second, msec)};
}

// Spins the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()> &condition, int msec)
{
    const QDeadlineTimer deadline(msec);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Runs `inside` on the modal box once one is open, from within its own event loop; a
// box that never opens is reported instead of leaving a timer behind for the next test.
void whenModalOpens(std::function<void(QWidget *)> inside)
{
    auto *poll = new QTimer(qApp);
    const auto deadline = std::make_shared<QDeadlineTimer>(3000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inside = std::move(inside), deadline] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box && !deadline->hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (!box) {
            ADD_FAILURE() << "no modal box opened";
            return;
        }
        inside(box);
        // Never leave a box open: its exec() would block the test for good.
        if (box->isVisible()) {
            ADD_FAILURE() << "the box stayed open";
            if (auto *dialog = qobject_cast<QDialog *>(box))
                dialog->reject();
        }
    });
    poll->start(5);
}

// Failing rows are reported by name rather than as bytes.
template<typename Row>
requires requires(const Row &row)
{
    row.name;
}
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

const QByteArray birthdayFile = "12.03.1980     Anna Muster\r\n";
const QByteArray appointmentFile = "06.12.2026  10:30 Uhr   Zahnarzt\r\n";

class ClockTest : public WindowTest
{
protected:
    void writeDataFiles()
    {
        writeFile("geburt.dat", birthdayFile);
        writeFile("termin.dat", appointmentFile);
    }

    void tickAt(const QDateTime &time)
    {
        now = time;
        window().Timer1_Timer();
    }

    QTimer *timer1() { return window().findChild<QTimer *>(QStringLiteral("Timer1")); }

    // A birthday inserted in edit mode and not saved yet.
    void insertBirthday()
    {
        click("Command4");
        QTest::keyClicks(window().Text4, QStringLiteral("Bernd Beispiel"));
        QTest::keyClicks(window().Text5, QStringLiteral("01.02.1990"));
        click("Command5");
        ASSERT_TRUE(
            window().List4->lines().contains(QStringLiteral("01.02.1990     Bernd Beispiel")));
    }
};

// --- the timer and the labels -------------------------------------------------------

struct TickRow {
    const char *name;
    int msec;
};

class TickScheduleTest : public ClockTest, public ::testing::WithParamInterface<TickRow>
{ };

TEST_P(TickScheduleTest, NextTickComesAtTheStartOfTheNextSecond)
{
    const TickRow &row = GetParam();
    now = at(2026, 12, 5, 10, 0, 0, row.msec);
    start();
    QTimer *timer = timer1();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_TRUE(timer->isActive());
    EXPECT_GT(timer->interval(), 0);
    EXPECT_LE(timer->interval(), 1002);
    EXPECT_NEAR(timer->interval(), 1000 - row.msec, 2);

    // Every tick sets the next one anew from the time it runs at.
    tickAt(at(2026, 12, 5, 10, 0, 1, 0));
    EXPECT_TRUE(timer->isActive());
    EXPECT_GE(timer->interval(), 998)
        << "the timer must not fire far more often than once a second";
    EXPECT_LE(timer->interval(), 1002);
    tickAt(at(2026, 12, 5, 10, 0, 2, row.msec));
    EXPECT_NEAR(timer->interval(), 1000 - row.msec, 2);
}

constexpr std::array tickRows{
    TickRow{"on_the_second", 0},
    TickRow{"quarter_past", 250},
    TickRow{"half_past", 500},
    TickRow{"just_before_the_next", 999},
};

INSTANTIATE_TEST_SUITE_P(, TickScheduleTest, ::testing::ValuesIn(tickRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClockTest, TimerUpdatesTheClockByItself)
{
    start();
    EXPECT_EQ(text("Label14"), QStringLiteral("10:00:00 Uhr"));
    now = at(2026, 12, 5, 10, 0, 1);
    EXPECT_TRUE(waitFor([this] { return text("Label14") == QStringLiteral("10:00:01 Uhr"); }, 1500))
        << text("Label14").toStdString();
    // Still running after it fired.
    EXPECT_TRUE(timer1()->isActive());
}

struct LabelRow {
    const char *name;
    QDateTime time;
    const char *date;
    const char *clock;
};

TEST_F(ClockTest, LabelsShowDateAndTime)
{
    const std::array rows{
        LabelRow{"afternoon", at(2026, 12, 5, 14, 3, 27), "05.12.2026", "14:03:27 Uhr"},
        LabelRow{"single_digits", at(2026, 12, 5, 8, 5, 9), "05.12.2026", "08:05:09 Uhr"},
        LabelRow{"last_second", at(2026, 12, 5, 23, 59, 59, 999), "05.12.2026", "23:59:59 Uhr"},
        LabelRow{"midnight", at(2026, 12, 6, 0, 0, 0), "06.12.2026", "00:00:00 Uhr"},
        LabelRow{"new_year", at(2027, 1, 1, 0, 0, 1), "01.01.2027", "00:00:01 Uhr"},
    };
    now = at(2026, 12, 5, 7, 0, 0);
    start();
    EXPECT_EQ(text("Label5"), QStringLiteral("05.12.2026"));
    EXPECT_EQ(text("Label14"), QStringLiteral("07:00:00 Uhr"));
    for (const LabelRow &row : rows) {
        SCOPED_TRACE(row.name);
        tickAt(row.time);
        EXPECT_EQ(text("Label5"), QString::fromUtf8(row.date));
        EXPECT_EQ(text("Label14"), QString::fromUtf8(row.clock));
    }
}

// --- the restart on a new day -------------------------------------------------------

struct RestartRow {
    const char *name;
    QLocale locale;
    QDateTime startAt;
    std::vector<QDateTime> ticks;
    int restartAt; // index of the tick that starts the new program, -1 for none
};

class RestartTest : public ClockTest, public ::testing::WithParamInterface<RestartRow>
{ };

TEST_P(RestartTest, RestartsOnceOnTheFirstTickOfANewDay)
{
    const RestartRow &row = GetParam();
    int tick = -1;
    std::vector<int> restartedAt;
    restartProgram = [&] {
        restartedAt.push_back(tick);
        return true;
    };
    locale = row.locale;
    now = row.startAt;
    start();
    for (tick = 0; tick < int(row.ticks.size()); ++tick)
        tickAt(row.ticks[tick]);

    if (row.restartAt < 0)
        EXPECT_TRUE(restartedAt.empty());
    else
        EXPECT_EQ(restartedAt, std::vector<int>{row.restartAt});
    EXPECT_EQ(endCalls, 0) << "the old program ends only a second later";
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale american(QLocale::English, QLocale::UnitedStates);

const std::array restartRows{
    RestartRow{
        "through_the_day",
        german,
        at(2026, 12, 5, 10, 0, 0),
        {at(2026, 12, 5, 10, 0, 1), at(2026, 12, 5, 18, 30, 0), at(2026, 12, 5, 23, 59, 59, 999)},
        -1},
    RestartRow{"at_midnight",
               german,
               at(2026, 12, 5, 10, 0, 0),
               {at(2026, 12, 5, 23, 59, 59), at(2026, 12, 6, 0, 0, 0), at(2026, 12, 6, 0, 0, 1),
                at(2026, 12, 6, 0, 0, 2)},
               1},
    RestartRow{"awake_again_at_five_past",
               german,
               at(2026, 12, 5, 10, 0, 0),
               {at(2026, 12, 5, 23, 59, 0), at(2026, 12, 6, 0, 5, 0), at(2026, 12, 6, 0, 5, 1)},
               1},
    RestartRow{"days_later",
               german,
               at(2026, 12, 5, 10, 0, 0),
               {at(2026, 12, 9, 12, 0, 0), at(2026, 12, 9, 12, 0, 1)},
               0},
    RestartRow{"new_year",
               german,
               at(2026, 12, 31, 23, 59, 58),
               {at(2026, 12, 31, 23, 59, 59), at(2027, 1, 1, 0, 0, 0), at(2027, 1, 1, 0, 0, 1)},
               1},
    RestartRow{"leap_day",
               german,
               at(2028, 2, 28, 23, 59, 59),
               {at(2028, 2, 29, 0, 0, 0), at(2028, 2, 29, 0, 0, 1)},
               0},
    RestartRow{"started_just_after_midnight",
               german,
               at(2026, 12, 6, 0, 0, 0),
               {at(2026, 12, 6, 0, 0, 1), at(2026, 12, 6, 0, 0, 2)},
               -1},
    RestartRow{"twelve_hour_clock",
               american,
               at(2026, 12, 5, 10, 0, 0),
               {at(2026, 12, 5, 23, 59, 59), at(2026, 12, 6, 0, 0, 0), at(2026, 12, 6, 0, 0, 1)},
               1},
    RestartRow{"twelve_hour_clock_after_sleep",
               american,
               at(2026, 12, 5, 10, 0, 0),
               {at(2026, 12, 6, 7, 30, 0)},
               0},
};

INSTANTIATE_TEST_SUITE_P(, RestartTest, ::testing::ValuesIn(restartRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClockTest, OldProgramEndsAboutASecondAfterStartingTheNew)
{
    writeDataFiles();
    QElapsedTimer sinceRestart;
    qint64 endedAfter = -1;
    restartProgram = [&] {
        ++restartCalls;
        sinceRestart.start();
        return true;
    };
    endProgram = [&] {
        ++endCalls;
        endedAfter = sinceRestart.elapsed();
    };
    start();
    tickAt(at(2026, 12, 6, 0, 0, 0));
    ASSERT_EQ(restartCalls, 1);
    EXPECT_EQ(endCalls, 0);
    // Ticks in the second before the end start nothing more, by hand or by the timer.
    tickAt(at(2026, 12, 6, 0, 0, 1));
    EXPECT_TRUE(waitFor([this] { return endCalls > 0; }, 2500));
    EXPECT_EQ(endCalls, 1);
    EXPECT_GE(endedAfter, 900);
    EXPECT_LE(endedAfter, 1800);
    EXPECT_EQ(restartCalls, 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(readFile("geburt.dat"), birthdayFile);
    EXPECT_EQ(readFile("termin.dat"), appointmentFile);
}

enum class Change { InsertInEditMode, AppointmentAdded, BirthdayRemoved };

struct UnsavedRow {
    const char *name;
    Change change;
};

class UnsavedRestartTest : public ClockTest, public ::testing::WithParamInterface<UnsavedRow>
{ };

TEST_P(UnsavedRestartTest, RestartWaitsUntilTheChangesAreSaved)
{
    const UnsavedRow &row = GetParam();
    writeDataFiles();
    start();
    switch (row.change) {
    case Change::InsertInEditMode:
        ASSERT_NO_FATAL_FAILURE(insertBirthday());
        break;
    case Change::AppointmentAdded:
        window().TBOX->add(QStringLiteral("24.12.2026  ************   Bescherung"));
        break;
    case Change::BirthdayRemoved:
        window().List4->removeAt(0);
        break;
    }
    ASSERT_TRUE(window().hasUnsavedChanges());

    tickAt(at(2026, 12, 6, 0, 0, 0));
    EXPECT_EQ(restartCalls, 0);
    EXPECT_EQ(text("Label5"), QStringLiteral("06.12.2026"))
        << "the date moves on without a restart";
    tickAt(at(2026, 12, 6, 0, 30, 0));
    EXPECT_EQ(restartCalls, 0);
    EXPECT_TRUE(timer1()->isActive()) << "still ticking while it waits";

    if (row.change == Change::InsertInEditMode)
        click("Command7");
    else
        window().Command7_Click();
    ASSERT_FALSE(window().hasUnsavedChanges());
    EXPECT_EQ(restartCalls, 0) << "the restart comes with a tick, not with the save";
    tickAt(at(2026, 12, 6, 0, 30, 1));
    EXPECT_EQ(restartCalls, 1);
    tickAt(at(2026, 12, 6, 0, 30, 2));
    EXPECT_EQ(restartCalls, 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

constexpr std::array unsavedRows{
    UnsavedRow{"insert_in_edit_mode", Change::InsertInEditMode},
    UnsavedRow{"appointment_added_to_the_list", Change::AppointmentAdded},
    UnsavedRow{"birthday_taken_out_of_the_list", Change::BirthdayRemoved},
};

INSTANTIATE_TEST_SUITE_P(, UnsavedRestartTest, ::testing::ValuesIn(unsavedRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClockTest, RestartWaitsWhileAModalBoxIsOpen)
{
    start();
    QDialog box(&window());
    box.setModal(true);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);

    tickAt(at(2026, 12, 6, 0, 0, 0));
    tickAt(at(2026, 12, 6, 0, 0, 1));
    EXPECT_EQ(restartCalls, 0);
    EXPECT_EQ(text("Label14"), QStringLiteral("00:00:01 Uhr"));

    box.close();
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    tickAt(at(2026, 12, 6, 0, 0, 2));
    EXPECT_EQ(restartCalls, 1);
}

TEST_F(ClockTest, FailedRestartKeepsRunningAndTriesAgainTheNextDay)
{
    writeDataFiles();
    std::vector<QDate> attempts;
    restartProgram = [&] {
        attempts.push_back(now.date());
        return attempts.size() > 1;
    };
    start();
    const QStringList birthdays = window().List4->lines();
    const QStringList appointments = window().TBOX->lines();

    tickAt(at(2026, 12, 6, 0, 0, 0));
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(timer1()->isActive());
    QTest::qWait(1100);
    EXPECT_EQ(endCalls, 0) << "nothing was started, so nothing may end";
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().List4->lines(), birthdays);
    EXPECT_EQ(window().TBOX->lines(), appointments);

    // Not again on the same day, however many ticks.
    tickAt(at(2026, 12, 6, 13, 0, 0));
    tickAt(at(2026, 12, 6, 23, 59, 59));
    EXPECT_EQ(attempts.size(), 1u);
    EXPECT_EQ(text("Label14"), QStringLiteral("23:59:59 Uhr"));

    tickAt(at(2026, 12, 7, 0, 0, 0));
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_EQ(attempts.back(), QDate(2026, 12, 7));
    EXPECT_TRUE(waitFor([this] { return endCalls > 0; }, 2500));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

// --- closing from the title bar and "Beenden" ---------------------------------------

struct CloseRow {
    const char *name;
    bool insert;
    bool saveAfterInsert;
    std::deque<bool> answers;
    bool asks;
    bool closes;
};

class CloseTest : public ClockTest, public ::testing::WithParamInterface<CloseRow>
{ };

TEST_P(CloseTest, TitleBarCloseAsksOnlyWithUnsavedChanges)
{
    const CloseRow &row = GetParam();
    writeDataFiles();
    start();
    if (row.insert)
        insertBirthday();
    if (row.saveAfterInsert)
        click("Command7");
    const QByteArray birthdaysBefore = readFile("geburt.dat");
    dialogs.answers = row.answers;

    window().close();

    const QStringList expected = row.asks
        ? QStringList{QStringLiteral("Programm Ende|Programm beenden ?")}
        : QStringList{};
    EXPECT_EQ(dialogs.questions, expected);
    EXPECT_EQ(window().isVisible(), !row.closes);
    EXPECT_EQ(readFile("geburt.dat"), birthdaysBefore) << "closing never saves";
    EXPECT_EQ(window().List4->lines().contains(QStringLiteral("01.02.1990     Bernd Beispiel")),
              row.insert);
}

const std::array closeRows{
    CloseRow{"nothing_changed", false, false, {}, false, true},
    CloseRow{"unsaved_answered_no", true, false, {false}, true, false},
    CloseRow{"unsaved_answered_yes", true, false, {true}, true, true},
    CloseRow{"saved_after_insert", true, true, {false}, false, true},
};

INSTANTIATE_TEST_SUITE_P(, CloseTest, ::testing::ValuesIn(closeRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClockTest, BeendenAnsweredNoChangesNothing)
{
    writeDataFiles();
    start();
    insertBirthday();
    const QStringList birthdays = window().List4->lines();
    dialogs.answers = {false};

    window().Beenden->trigger();

    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Programm Ende|Programm beenden ?")});
    EXPECT_EQ(endCalls, 0);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().List4->lines(), birthdays);
    EXPECT_TRUE(window().hasUnsavedChanges());
    EXPECT_TRUE(enabled("Command7")) << "the insert still waits to be saved";
    EXPECT_EQ(readFile("geburt.dat"), birthdayFile);
}

TEST_F(ClockTest, BeendenAnsweredYesEndsWithoutSaving)
{
    writeDataFiles();
    start();
    insertBirthday();
    dialogs.answers = {true};

    window().Beenden->trigger();

    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Programm Ende|Programm beenden ?")});
    EXPECT_EQ(endCalls, 1);
    EXPECT_EQ(readFile("geburt.dat"), birthdayFile);
    EXPECT_EQ(readFile("termin.dat"), appointmentFile);
    EXPECT_EQ(restartCalls, 0);
}

// --- help -----------------------------------------------------------------------------

// Which controls the user sees and can use; the help panel must leave this alone.
QMap<QString, QString> viewState(const QWidget &window)
{
    QMap<QString, QString> state;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty())
            continue;
        state.insert(widget->objectName(),
                     QStringLiteral("%1%2").arg(widget->isVisibleTo(&window) ? "shown" : "hidden",
                                                widget->isEnabled() ? "" : ",disabled"));
    }
    return state;
}

struct HelpRow {
    const char *name;
    std::vector<const char *> clicks;
    double height;
    const char *stillShown; // a control of the view beneath
};

class HelpTest : public ClockTest, public ::testing::WithParamInterface<HelpRow>
{ };

TEST_P(HelpTest, PanelFitsTheModeAndOkRestoresTheView)
{
    const HelpRow &row = GetParam();
    writeDataFiles();
    start();
    for (const char *name : row.clicks)
        click(name);
    const double windowHeight = window().windowHeight();
    const QMap<QString, QString> before = viewState(window());
    ASSERT_TRUE(shown(row.stillShown));
    ASSERT_FALSE(shown("Frame2"));

    // Choosing it twice only sizes and shows it again.
    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        window().Hilfe->trigger();
        EXPECT_TRUE(shown("Frame2"));
        EXPECT_EQ(twipsOf("Frame2"), QRectF(0, 0, 7170, row.height));
        EXPECT_TRUE(shown("RichTextBox1"));
        EXPECT_TRUE(shown("Command18"));
    }
    const QRectF ok = twipsOf("Command18");
    EXPECT_LE(ok.bottom(), row.height) << "the OK button lies inside the panel";
    // In front of everything beneath it.
    QWidget *frame = control("Frame2");
    const QPoint inside = frame->geometry().topLeft() + QPoint(10, frame->height() - 10);
    QWidget *hit = frame->parentWidget()->childAt(inside);
    EXPECT_TRUE(hit == frame || frame->isAncestorOf(hit));
    EXPECT_EQ(window().windowHeight(), windowHeight);

    click("Command18");
    EXPECT_FALSE(shown("Frame2"));
    EXPECT_TRUE(shown(row.stillShown));
    EXPECT_EQ(viewState(window()), before);
    EXPECT_EQ(window().windowHeight(), windowHeight);
}

const std::array helpRows{
    HelpRow{"overview", {}, 5737, "List4"},
    HelpRow{"appointment_view", {"Termine_0"}, 5737, "TBOX"},
    HelpRow{"month_selection", {"Termine_0", "Command10"}, 5737, "JahrPnl"},
    HelpRow{"birthday_edit", {"Command4"}, 6700, "Text4"},
    HelpRow{"appointment_edit", {"Command17"}, 6700, "Text10"},
    HelpRow{"back_from_edit", {"Command4", "Command15"}, 5737, "Command4"},
};

INSTANTIATE_TEST_SUITE_P(, HelpTest, ::testing::ValuesIn(helpRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ClockTest, HelpTextDescribesTheProgram)
{
    start();
    const QString help = window().RichTextBox1->toPlainText();
    const std::array<std::pair<const char *, const char *>, 6> parts{{
        {"product", "QUIRNEL"},
        {"version_with_two_blanks", "Version  4.5"},
        {"controls", "Beschreibung der Bedienelemente:"},
        {"birthday_editing", "Datenbearbeitung Geburtstage:"},
        {"appointment_editing", "Datenbearbeitung Termine:"},
        {"menu_bar", "Menüzeile"},
    }};
    for (const auto &[name, part] : parts) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(help.contains(QString::fromUtf8(part)));
    }
    EXPECT_EQ(help.count(QStringLiteral("* Funktion noch nicht implementiert")), 3);
    for (const char *address : {"http", "www", "@"}) {
        SCOPED_TRACE(address);
        EXPECT_FALSE(help.contains(QLatin1String(address), Qt::CaseInsensitive));
    }
    EXPECT_TRUE(window().RichTextBox1->isReadOnly());
}

// --- about ----------------------------------------------------------------------------

TEST_F(ClockTest, AboutBoxIsModalAndMadeAnewEachTime)
{
    start();
    QPointer<QWidget> first;
    QString name;
    QStringList texts;
    QString title;
    bool modal = false;
    int aboutBoxes = 0;
    whenModalOpens([&](QWidget *box) {
        first = box;
        name = box->objectName();
        title = box->windowTitle();
        modal = box->isModal() && box->parentWidget() == &window();
        aboutBoxes = int(window().findChildren<QDialog *>(QStringLiteral("Form2")).size());
        for (const QLabel *label : box->findChildren<QLabel *>())
            texts << label->text();
        auto *ok = box->findChild<QAbstractButton *>(QStringLiteral("Command1"));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    window().Info_Click();

    EXPECT_EQ(name, QStringLiteral("Form2"));
    EXPECT_EQ(title, QString(14, QLatin1Char(' ')));
    EXPECT_TRUE(modal);
    EXPECT_EQ(aboutBoxes, 1);
    for (const char *line : {"QUIRNEL", "Termin-und Geburtstagskalender", "Version 4.5"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(texts.contains(QString::fromUtf8(line)));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    // The menu item opens a fresh one; the first is gone for good.
    QPointer<QWidget> second;
    name.clear();
    whenModalOpens([&](QWidget *box) {
        second = box;
        name = box->objectName();
        aboutBoxes = int(window().findChildren<QDialog *>(QStringLiteral("Form2")).size());
        QTest::mouseClick(box->findChild<QAbstractButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    window().Info->trigger();
    EXPECT_EQ(name, QStringLiteral("Form2"));
    EXPECT_EQ(aboutBoxes, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(window().isVisible());
}

// --- quick-info -----------------------------------------------------------------------

constexpr std::array quietControls{"Command4",  "Command5",  "Command6",  "Command7",  "Command8",
                                   "Command11", "Command15", "Command13", "Command14", "Abbruch_1",
                                   "Termine_0", "Command17", "check",     "List4",     "TBOX",
                                   "Text4",     "Text5",     "Text10",    "Calendar1"};

TEST_F(ClockTest, QuickInfoOffEmptiesTheListedTips)
{
    start();
    // Edit mode with the appointment list gives even the lists and the calendar a tip.
    click("Command4");
    click("Command13");
    for (const char *name : quietControls) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(tip(name).isEmpty()) << "needs a tip to lose";
    }

    window().QuickInfoAus->trigger();

    for (const char *name : quietControls) {
        SCOPED_TRACE(name);
        EXPECT_EQ(tip(name), QString());
    }
    for (const char *name : {"O1_0", "O2", "O3"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(tip(name), QStringLiteral("Minuten selektieren "));
    }
    EXPECT_EQ(window().windowHeight(), 7500) << "the tips go, the mode stays";
}

struct QuickInfoRow {
    const char *name;
    bool quickInfoOff;
    std::vector<const char *> clicks;
    std::vector<std::pair<const char *, const char *>> tips;
};

class QuickInfoTest : public ClockTest, public ::testing::WithParamInterface<QuickInfoRow>
{ };

TEST_P(QuickInfoTest, LaterHandlersSetTipsAsBefore)
{
    const QuickInfoRow &row = GetParam();
    start();
    if (row.quickInfoOff)
        window().QuickInfoAus_Click();
    for (const char *name : row.clicks)
        click(name);
    for (const auto &[name, expected] : row.tips) {
        SCOPED_TRACE(name);
        EXPECT_EQ(tip(name), QString::fromUtf8(expected));
    }
}

const char *const listHint
    = "Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ";
const char *const appointmentListHint
    = " Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ";
const char *const timeHint
    = " Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit "
      "selektieren (ganze Stunden)  ";
const char *const calendarHint = "Klick Datum selektieren - Doppelklick Zeit selektieren";

const std::array quickInfoRows{
    QuickInfoRow{"appointment_view", false, {"Termine_0"}, {{"Calendar1", "Tag selektieren"}}},
    QuickInfoRow{"appointment_view_quiet", true, {"Termine_0"}, {{"Calendar1", ""}}},
    QuickInfoRow{"appointment_edit_quiet",
                 true,
                 {"Command17"},
                 {{"Text4", " Termin-Inhalt eingeben "},
                  {"Text5", " Datum eintragen "},
                  {"Text10", timeHint},
                  {"Calendar1", calendarHint},
                  {"TBOX", ""},
                  {"Command15", ""}}},
    QuickInfoRow{"birthday_edit_quiet",
                 true,
                 {"Command4"},
                 {{"Calendar1", "Datum selektieren "},
                  {"List4", listHint},
                  {"Text4", ""},
                  {"Text5", ""},
                  {"Command13", ""}}},
    QuickInfoRow{"switched_to_appointments_quiet",
                 true,
                 {"Command4", "Command13"},
                 {{"Calendar1", ""}, {"TBOX", appointmentListHint}, {"Text4", ""}, {"Text5", ""}}},
    QuickInfoRow{"switched_back_to_birthdays_quiet",
                 true,
                 {"Command4", "Command13", "Command14"},
                 {{"Calendar1", "Datum selektieren "}, {"Text4", ""}, {"Text5", ""}}},
    QuickInfoRow{"back_in_the_views_quiet",
                 true,
                 {"Command4", "Command15", "Termine_0"},
                 {{"Calendar1", ""}, {"List4", ""}, {"Termine_0", ""}}},
};

INSTANTIATE_TEST_SUITE_P(, QuickInfoTest, ::testing::ValuesIn(quickInfoRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
