// What a user sees of the lists in every view, at scale 1 and 2: whole rows only, and a
// long line ending in "…" at the list's edge instead of a horizontal scroll bar; and one
// spelling of March.

#include "fixture.h"
#include "ui/listview.h"

#include <QProcess>
#include <QScrollBar>

#include <set>

using namespace quirnel::testing;
using quirnel::ui::ListView;
namespace {

using Glitches = WindowTest;

// Lines too long for any list: birthdays around today, two of them today, all aged 50,
// and appointments today.
TEST_F(Glitches, ListsShowWholeRowsAndEndLongLinesInEllipsis)
{
    const QString tail = " mit einem Namen, der in keine der Listen passt, so lang ist er\r\n";
    QString birthdays = "05.12.1976     Zweite heute" + tail;
    QString appointments;
    for (int day = 1; day <= 9; ++day) {
        birthdays += QString("%1.12.1976     Person %1").arg(day, 2, 10, QChar('0')) + tail;
        appointments += QString("05.12.2026  1%1:00 Uhr   Termin").arg(day) + tail;
    }
    start(birthdays.toLatin1(), appointments.toLatin1());
    // One window, the clicks one after another: every list shows in one view or more.
    // clang-format off
    const struct Row { const char *name; std::vector<Step> clicks; } rows[] = {
        {"startup", {}}, {"birthday_month", {Click("resultOkButton"), Click("birthdayMonthButton")}},
        {"jubilees", {Click("jubileeButton")}}, {"appointments", {Click("appointmentViewButton")}},
        {"appointment_week", {Click("appointmentWeekButton")}}, {"edit_birthdays", {gDaten}},
    };
    // clang-format on
    const auto px = [](double twips) { return quirnel::ui::twips::toPixels(twips); };
    std::set<QString> seen;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        run(row.clicks);
        for (ListView *list : window().findChildren<ListView *>()) {
            if (!list->isVisibleTo(&window()))
                continue;
            SCOPED_TRACE(list->objectName().toStdString());
            seen.insert(list->objectName());
            // Laid out as ever, covering what lies behind; the rows take whole rows of it.
            const QRectF t = quirnel::ui::twips::of(list);
            EXPECT_EQ(list->geometry(),
                      QRect(px(t.left()), px(t.top()), px(t.width()), px(t.height())));
            const QRect line = list->visualRect(list->model()->index(0, 0));
            EXPECT_EQ(list->viewport()->height() % line.height(), 0);
            EXPECT_GT(list->viewport()->height(), list->contentsRect().height() - line.height());
            // The style ends a line in "…" at its row's edge: the list's, never beyond.
            EXPECT_TRUE(line.right() < list->viewport()->width() && !line.left()
                        && list->textElideMode() == Qt::ElideRight
                        && !list->horizontalScrollBar()->isVisible());
        }
    }
    EXPECT_EQ(seen.size(), 8u);
}

// The birthday boxes stand a few pixels higher than the appointment list and its heading: in
// appointment edit mode and in the appointment view they give way to it, also when one of them
// is spread over the box area; "Exit" and "Geburtstage" bring them back.
TEST_F(Glitches, BirthdayBoxesGiveWayToTheAppointmentList)
{
    start("", "");
    // clang-format off
    const struct Row { const char *name; std::vector<Step> clicks; bool boxes; } rows[] = {
        {"t_daten", {Click("birthdayViewButton"), tDaten}, false}, {"exit", {exitEdit}, true},
        {"termine", {Click("jubileeButton"), Click("appointmentViewButton")}, false},
        {"geburtstage", {Click("birthdayViewButton")}, true},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        run(row.clicks);
        for (const char *box : {"monthBirthdayHeading", "monthBirthdayList", "weekBirthdayHeading",
                                "weekBirthdayList", "jubileeHeading", "jubileeList"})
            EXPECT_EQ(shown(box), row.boxes) << box;
    }
}

// Qt takes the scale at the start of a program: the same checks in a program of their own.
TEST(GlitchesScaled, ListsAtTwiceTheSize)
{
    QProcess child;
    child.setEnvironment(QProcess::systemEnvironment() << "QT_SCALE_FACTOR=2");
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Glitches.Lists*"});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAllStandardOutput();
    EXPECT_TRUE(child.exitCode() == 0 && output.contains("[  PASSED  ] 1 test"))
        << output.toStdString();
}

// The week title of a March week spells the month as its button does.
TEST_F(Glitches, MarchAsOnItsButton)
{
    now = QDateTime(QDate(2027, 3, 10), QTime(10, 0));
    start("", "");
    EXPECT_EQ(QStringList({text("weekTitle"), text("month03")}),
              QStringList({" 2027   Mrz   11. Woche", "Mrz"}));
}

} // namespace
