#include "core/editsession.h"
#include "core/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

void PrintTo(const QString &text, std::ostream *os);

namespace quirnel {
namespace {

using L = DataList;
constexpr std::array<L, 2> bothLists{L::Birthdays, L::Appointments};

// The user's actions in random order, checked against what the test keeps itself.
struct Actions {
    std::mt19937 rng;
    EditSession s;
    std::array<QStringList, 2> pool, saved; // pool: every line loaded or inserted since saved
    std::array<QString, 2> selected;        // null when none is

    // Windows-1252 agrees with Latin-1 on every letter used here.
    static QByteArray crlf(QStringList lines) { return (lines << "").join("\r\n").toLatin1(); }
    qsizetype pick(qsizetype n) { return qsizetype(rng() % std::uint32_t(n)); }
    // Few distinct lines, so that duplicates and lines equal but for case are common.
    QString randomLine()
    {
        static const char *const names[] = {"anna", "Anna", "Jürgen", "jürgen", "Öztürk", "Straße"};
        return QString(pick(2) ? "01.01.1970     " : "24.12.1985     ") + names[pick(6)];
    }
    // What is loaded counts as saved; equal lines keep the file's order. An unreadable file
    // gives an empty list, marked as such.
    void load(L which)
    {
        const bool readable = pick(4) != 0;
        QStringList lines(readable ? pick(6) : 0);
        std::generate(lines.begin(), lines.end(), [this] { return randomLine(); });
        s.load(which, lines, readable);
        std::ranges::stable_sort(lines, sorting::lessNoCase);
        ASSERT_EQ(s.list(which).lines(), lines);
        ASSERT_EQ(s.wasReadable(which), readable);
        pool[int(which)] = saved[int(which)] = lines;
        selected[int(which)] = {};
    }

    void step()
    {
        const L which = bothLists[pick(2)];
        const LineList &list = s.list(which);
        QString &mine = selected[int(which)];
        const char action = "sssstttttttppxiiiiiidddvl"[pick(25)];
        if (action == 's') { // -1 and one past the end select nothing
            const int row = int(pick(list.count() + 2)) - 1;
            s.select(which, row);
            mine = list.line(row);
        } else if (action == 't') { // refused while a line is held: the held one stays
            s.setEdited(pick(2) ? which : s.edited());
            QString &edited = selected[int(s.edited())];
            const QString held = s.held() ? s.held()->line : QString();
            const auto got = pick(2) ? s.takeOutForDeleting() : s.takeOutForEditing();
            ASSERT_EQ(got.value_or(QString()), held.isNull() ? edited : QString());
            ASSERT_EQ(s.held() ? s.held()->line : QString(), got ? *got : held);
            edited = got ? QString() : edited;
        } else if (action == 'p') {
            const QString parked = s.park(which) ? s.parked(which).last() : QString();
            ASSERT_EQ(parked, std::exchange(mine, {}));
        } else if (action == 'x') {
            s.empty(which);
            ASSERT_EQ(list.count(), 0);
            mine = {};
        } else if (action == 'i') {
            QString line = list.count() && pick(2) ? list.line(pick(list.count())) : randomLine();
            line = pick(3) ? line : pick(2) ? line.toUpper() : line.toLower();
            s.insert(which, line);
            pool[int(which)] << line;
        } else if (action == 'd') {
            const std::array emptied{s.emptied(L::Birthdays), s.emptied(L::Appointments)};
            s.discard();
            // With the pools checked below, each list got back exactly its own lines.
            for (const L w : bothLists)
                ASSERT_TRUE(!s.held() && s.parked(w).isEmpty() && s.emptied(w) == emptied[int(w)]);
        } else if (action == 'v') {
            for (const L w : bothLists) {
                ASSERT_EQ(s.bytesToSave(w).bytes, crlf(s.list(w).lines()));
                pool[int(w)] = saved[int(w)] = s.list(w).lines();
            }
            s.saved(); // the new pools leave nothing held, parked or emptied
        } else {
            load(which); // drops what this list had taken out, held line included
        }
        // After every action:
        bool changed = false;
        for (const L w : bothLists) {
            const QStringList &lines = s.list(w).lines();
            QStringList present = lines + s.parked(w) + s.emptied(w);
            if (s.held() && s.held()->list == w)
                present << s.held()->line;
            std::sort(present.begin(), present.end());
            std::sort(pool[int(w)].begin(), pool[int(w)].end()); // in any order
            ASSERT_EQ(present, pool[int(w)]);
            ASSERT_TRUE(std::is_sorted(lines.begin(), lines.end(), sorting::lessNoCase));
            const int row = s.selected(w);
            ASSERT_EQ(row == -1 ? QString() : lines.value(row, "no such row"), selected[int(w)]);
            changed = changed || lines != saved[int(w)];
        }
        ASSERT_EQ(s.hasUnsavedChanges(), changed);
    }
};

// Whatever the user does in whatever order: every line is in exactly one place, the lists
// stay sorted (a loaded file stably), a selection follows its line, a second take-out is
// refused, a save writes the lists' lines with CR LF, and there are unsaved changes exactly
// when a list differs from what was last loaded or saved.
TEST(EditSession, RandomActionsKeepEveryLineOnce)
{
    for (unsigned seed = 1; seed <= 5000 && !HasFailure(); ++seed) {
        SCOPED_TRACE(seed);
        Actions run{std::mt19937(seed), {}, {}, {}, {}}; // both lists empty, as saved
        for (int i = 0; i < 60 && !HasFailure(); ++i)
            run.step();
    }
}

} // namespace
} // namespace quirnel
