#pragma once

#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/layout.h"
#include "ui/sortedlist.h"

#include <QByteArray>
#include <QDateTime>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include <ostream>

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
    ui::Form1 &start();
    ui::Form1 &window() { return *m_window; }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromUtf8(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    // Shown as the user would see it once the window is (containers included).
    bool shown(const char *name) const;
    bool enabled(const char *name) const;
    QString text(const char *name) const; // caption or text of any kind of control
    QString tip(const char *name) const;
    QRectF twipsOf(const char *name) const;
    QStringList lines(const char *name) const;
    void click(const char *name);

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
    std::unique_ptr<ui::Form1> m_window;
};

} // namespace quirnel::testing
