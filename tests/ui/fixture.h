#pragma once

#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/mainwindow.h"

#include <QByteArray>
#include <QDateTime>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <variant>
#include <vector>

// Readable failure messages for texts and lists; found by argument-dependent lookup.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &lines, std::ostream *out);

namespace quirnel::testing {

// Byte-exact file comparison; a mismatch names the first differing line.
::testing::AssertionResult sameBytes(const QByteArray &expected, const QByteArray &actual);

// Answers questions from a queue (Yes when empty) and records everything asked.
class FakeDialogs final : public ui::Dialogs
{
public:
    bool ask(QWidget *parent, const QString &title, const QString &text) override;
    void warn(QWidget *parent, const QString &title, const QString &text) override;

    std::deque<bool> answers;
    QStringList questions; // "title|text"
    QStringList warnings;  // "title|text"
};

// What the user does, one step each; a step on a control that does not exist, is hidden
// or disabled fails the test with the step named.
struct Click {
    const char *control;
};
struct Type { // typed into a field at its end, through its filter
    const char *field;
    const char *text;
};
struct Select { // a click on a row of a list
    const char *list;
    int row;
};
struct DoubleClick {
    const char *list;
    int row;
};
struct RightClick { // on a row, which a right click does not select
    const char *list;
    int row;
};
struct Choose { // an item of the lists' pop-up menu, which must be open
    const char *action;
};
struct Key { // a character typed into a list, and the answer to the question it asks
    const char *list;
    char character;
    bool yes;
};
using Step = std::variant<Click, Type, Select, DoubleClick, RightClick, Choose, Key>;
std::string describe(const Step &step);

// A control as the user sees it once the window is shown (containers included).
enum class Is { Shown, Hidden, Enabled, Disabled };
struct Look {
    const char *control;
    Is state;
};

// A fresh window in its own temporary folder at a fixed date and time, with a
// German locale, whatever the machine's settings and the day the tests run.
class WindowTest : public ::testing::Test
{
protected:
    // An answer left over means a question the test expected was never asked.
    void TearDown() override { EXPECT_TRUE(dialogs.answers.empty()) << "answers left over"; }
    void writeFile(const char *name, const QByteArray &bytes);
    QByteArray readFile(const char *name) const;
    QString path(const char *name) const;
    ui::MainWindow &start();
    ui::MainWindow &window() { return *m_window; }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromUtf8(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    bool shown(const char *name) const;
    bool enabled(const char *name) const;
    QString text(const char *name) const; // caption or text of any kind of control
    QString tip(const char *name) const;
    QRectF twipsOf(const char *name) const;
    QStringList lines(const char *name) const; // of any list
    int selectedRow(const char *list) const;   // -1: none
    void click(const char *name);
    void run(const std::vector<Step> &steps);
    void expectLooks(const std::vector<Look> &looks);

    QTemporaryDir dir;
    FakeDialogs dialogs;
    QDateTime now{QDate(2026, 12, 5), QTime(10, 0)};
    QLocale locale{QLocale::German, QLocale::Germany};
    // Stand-ins for starting the next day's program and ending this one, so that no test
    // starts a process or leaves the event loop. Replace them before start() to watch.
    int endCalls = 0;
    std::function<bool()> restartProgram = [] { return true; };
    std::function<void()> endProgram = [this] { ++endCalls; };

private:
    void perform(const Step &step);
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace quirnel::testing
