#include "core/editsession.h"
#include "core/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

void PrintTo(const QString &text, std::ostream *os);

namespace quirnel {
namespace {

using L = DataList;
constexpr std::array<L, 2> bothLists{L::Birthdays, L::Appointments};

QStringList multiset(QStringList lines)
{
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Windows-1252 agrees with Latin-1 on every letter used here.
QByteArray crlfBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The user's actions in random order, checked against what the test recorded itself.
struct Actions {
    struct Side {
        QStringList pool, saved; // pool: every line loaded or inserted since the last save
        QString selected;        // null when none is
    };
    std::mt19937 rng;
    std::string trail;
    EditSession s;
    std::array<Side, 2> sides;

    explicit Actions(unsigned seed)
        : rng(seed)
        , trail("seed " + std::to_string(seed) + ":")
    {
        for (const L which : bothLists)
            load(which);
    }
    qsizetype pick(qsizetype n) { return qsizetype(rng() % std::uint32_t(n)); }
    // Few distinct lines, so that duplicates and lines equal but for case are common.
    QString randomLine()
    {
        static const char *const names[] = {"anna", "Anna", "Jürgen", "jürgen", "Öztürk", "Straße"};
        return QString(pick(2) ? "01.01.1970     " : "24.12.1985     ") + names[pick(6)];
    }
    void load(L which)
    {
        QStringList lines(pick(6));
        std::generate(lines.begin(), lines.end(), [this] { return randomLine(); });
        s.load(which, lines);
        sides[int(which)] = {lines, s.list(which).lines(), {}};
    }
    QStringList snapshot() const
    {
        QStringList all{s.held() ? s.held()->line : "-"};
        for (const L w : bothLists)
            all << s.list(w).lines() + s.parked(w) + s.emptied(w) << QString::number(s.selected(w));
        return all;
    }

    // In the trail: e edit, s select, t take out, p park, x empty, i insert, d discard, v save,
    // l load.
    void step()
    {
        const L which = bothLists[pick(2)];
        const LineList &lines = s.list(which);
        Side &mine = sides[int(which)];
        const char action = "eesssstttttppxiiiiiidddvl"[pick(25)];
        trail += std::string(" ") + (which == L::Birthdays ? 'B' : 'A') + action;
        if (action == 'e') {
            s.setEdited(which);
        } else if (action == 's') {
            const int row = int(pick(lines.count() + 2)) - 1; // one past the end selects nothing
            trail += std::to_string(row);
            s.select(which, row);
            mine.selected = lines.line(row);
        } else if (action == 't') {
            const L edited = s.edited();
            const QString expected = s.held() ? QString() : sides[int(edited)].selected;
            const QStringList before = snapshot();
            const auto got = pick(2) ? s.takeOutForDeleting() : s.takeOutForEditing();
            ASSERT_EQ(got.value_or(QString()), expected) << trail;
            ASSERT_TRUE(got || snapshot() == before) << trail;
            if (got)
                sides[int(edited)].selected = {};
        } else if (action == 'p') {
            const QString parked = s.park(which) ? s.parked(which).last() : QString();
            ASSERT_EQ(parked, std::exchange(mine.selected, {})) << trail;
        } else if (action == 'x') {
            s.empty(which);
            ASSERT_EQ(lines.count(), 0) << trail;
            mine.selected = {};
        } else if (action == 'i') {
            QString line
                = lines.count() && pick(2) ? lines.line(pick(lines.count())) : randomLine();
            if (pick(3) == 0)
                line = pick(2) ? line.toUpper() : line.toLower();
            trail += " '" + line.toStdString() + "'";
            s.insert(which, line);
            mine.pool << line;
        } else if (action == 'd') {
            const std::array emptied{s.emptied(L::Birthdays), s.emptied(L::Appointments)};
            s.discard();
            // With the pools checked below, each list got back exactly its own lines.
            ASSERT_FALSE(s.held()) << trail;
            for (const L w : bothLists)
                ASSERT_TRUE(s.parked(w).isEmpty() && s.emptied(w) == emptied[int(w)]) << trail;
        } else if (action == 'v') {
            for (const L w : bothLists) {
                ASSERT_EQ(s.bytesToSave(w).bytes, crlfBytes(s.list(w).lines())) << trail;
                sides[int(w)].pool = sides[int(w)].saved = s.list(w).lines();
            }
            s.saved(); // the new pools leave nothing held, parked or emptied
            ASSERT_FALSE(s.hasUnsavedChanges()) << trail;
        } else {
            load(which); // drops what this list had taken out, held line included
        }
        check();
    }

    void check()
    {
        for (const L which : bothLists) {
            const Side &mine = sides[int(which)];
            const QStringList &lines = s.list(which).lines();
            QStringList present = lines + s.parked(which) + s.emptied(which);
            if (s.held() && s.held()->list == which)
                present << s.held()->line;
            ASSERT_EQ(multiset(present), multiset(mine.pool)) << trail;
            ASSERT_TRUE(std::is_sorted(lines.begin(), lines.end(), sorting::lessNoCase)) << trail;
            const int row = s.selected(which);
            ASSERT_EQ(row == -1 ? QString() : lines.value(row, "no such row"), mine.selected)
                << trail;
            ASSERT_TRUE(lines == mine.saved || s.hasUnsavedChanges()) << trail;
        }
    }
};

// Every line is in exactly one place, the lists stay sorted and a selection follows its
// line, whatever the user does in whatever order.
TEST(EditSession, RandomActionsKeepEveryLineOnce)
{
    for (unsigned seed = 1; seed <= 5000 && !HasFailure(); ++seed) {
        Actions run(seed);
        for (int i = 0; i < 60 && !HasFailure(); ++i)
            run.step();
    }
}

const QString anna = "01.01.1970     anna";
const QString dentist = "03.03.2024  10:00 Uhr   Zahnarzt";
const QString longLine = "04.04.1990     " + QString(40'000, u'ü') + "ß";

// Stories the random actions reach seldom or never.
TEST(EditSession, Stories)
{
    const std::pair<const char *, void (*)(EditSession &)> stories[] = {
        {"a long held birthday blocks taking out an appointment and comes back once",
         [](EditSession &s) {
             s.load(L::Birthdays, {longLine, anna});
             s.load(L::Appointments, {dentist});
             s.select(L::Birthdays, 1);
             ASSERT_EQ(s.takeOutForEditing(), longLine);
             s.setEdited(L::Appointments);
             s.select(L::Appointments, 0);
             EXPECT_EQ(s.takeOutForDeleting(), std::nullopt);
             s.discard();
             EXPECT_EQ(s.bytesToSave(L::Birthdays).bytes, crlfBytes({anna, longLine}));
             EXPECT_EQ(s.list(L::Appointments).lines(), QStringList{dentist});
         }},
        {"loading sorts stably without regard to case; an unreadable file is marked",
         [](EditSession &s) {
             s.load(L::Birthdays, {"02 Bert", "01 anna", "01 ANNA", "02 bert", "01 Anna"});
             s.load(L::Appointments, {}, false);
             EXPECT_EQ(s.list(L::Birthdays).lines(),
                       QStringList({"01 anna", "01 ANNA", "01 Anna", "02 Bert", "02 bert"}));
             EXPECT_TRUE(s.wasReadable(L::Birthdays) && !s.wasReadable(L::Appointments));
             EXPECT_FALSE(s.hasUnsavedChanges());
         }},
    };
    for (const auto &[name, story] : stories) {
        SCOPED_TRACE(name);
        EditSession s;
        story(s);
    }
}

} // namespace
} // namespace quirnel
