#pragma once

#include "ui/layout.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Readable failure messages for texts and lists of them, found by argument-dependent lookup.
void PrintTo(const QString &text, std::ostream *out);

namespace quirnel::testing {

// Byte-exact file comparison; a mismatch names the first differing line.
::testing::AssertionResult sameBytes(const QByteArray &expected, const QByteArray &actual);

// Answers questions from a queue (Yes when empty) and records everything asked.
class FakeDialogs final : public ui::Dialogs
{
public:
    bool ask(QWidget *, const QString &title, const QString &text) override
    {
        questions.append(title + u'|' + text);
        return answers.isEmpty() || answers.takeFirst();
    }
    void warn(QWidget *, const QString &t, const QString &x) override { warnings << t + u'|' + x; }
    bool choose(QWidget *parent, const QString &t, const QString &x, const QString &yes,
                const QString &no) override
    {
        return ask(parent, t + u'|' + yes + u'|' + no, x);
    }
    QString openFileName(QWidget *, const QString &, const QStringList &) override
    {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    SaveTarget saveFileName(QWidget *, const QString &, const QStringList &) override
    {
        return {files.isEmpty() ? QString() : files.takeFirst(), filter};
    }

    QStringList files; // the files chosen in the file dialogs, in turn
    qsizetype filter = 0;
    QList<bool> answers;
    QStringList questions; // "title|text"
    QStringList warnings;  // "title|text"
};

// Records each notification as "summary|body".
class FakeNotifier final : public ui::Notifier
{
public:
    void notify(const QString &summary, const QString &body) override
    {
        notices.append(summary + u'|' + body);
    }
    QStringList notices;
};

// What the user does, one typed step each; a step on a control that is missing, hidden,
// disabled or of another kind, or on a row the list lacks, fails naming step and control.
enum class Do { click, type, select, doubleClick, rightClick, choose, key };
struct Step {
    Do what;
    const char *control; // a button, field, list, or an item of the lists' pop-up
    int row = -1;
    const char *text = ""; // typed at the end of a field, through its filter
    char character = 0;    // typed into a list, which asks a question
    bool yes = false;      // the answer to it
};
const auto Click = [](const char *button) { return Step{Do::click, button}; };
const auto Type = [](const char *into, const char *text) { return Step{Do::type, into, -1, text}; };
const auto Select = [](const char *list, int row) { return Step{Do::select, list, row}; };
const auto DoubleClick = [](const char *list, int row) { return Step{Do::doubleClick, list, row}; };
// A right click opens the pop-up without selecting; Choose needs it open.
const auto RightClick = [](const char *list, int row) { return Step{Do::rightClick, list, row}; };
const auto Choose = [](const char *action) { return Step{Do::choose, action}; };
const auto Key = [](const char *in, char c, bool yes) { return Step{Do::key, in, -1, "", c, yes}; };
// The buttons of edit mode by their captions, and "Exit".
const Step gDaten = Click("birthdayEditButton"), tDaten = Click("appointmentEditButton"),
           einfuegen = Click("insertButton"), editieren = Click("editButton"),
           loeschen = Click("deleteButton"), speichern = Click("saveButton"),
           abbrechen = Click("discardButton"), exitEdit = Click("exitButton");

// A control as the user sees it once the window is shown (containers included).
enum class Is { Shown, Hidden, Enabled, Disabled, Focused };
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
    ui::MainWindow &start();
    // Both data files written first.
    ui::MainWindow &start(const QByteArray &birthdays, const QByteArray &appointments);
    ui::MainWindow &window() { return *m_window; }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QString::fromUtf8(name));
        EXPECT_TRUE(widget) << "no control " << name;
        return widget;
    }
    bool shown(const char *n) const { return control(n) && control(n)->isVisibleTo(&*m_window); }
    bool enabled(const char *n) const { return control(n) && control(n)->isEnabled(); }
    QString text(const char *name) const; // caption or text of any kind of control
    QString tip(const char *n) const { return control(n) ? control(n)->toolTip() : ""; }
    QRectF twipsOf(const char *n) const
    {
        return control(n) ? ui::twips::of(control(n)) : QRectF();
    }
    QStringList lines(const char *name) const; // of any list
    int selectedRow(const char *list) const;   // -1: none
    void trigger(const char *action);          // a menu item, as from the menu bar
    void tickAt(const QDateTime &at)           // the clock moved on, then one tick
    {
        now = at;
        m_window->tick();
    }
    void run(const std::vector<Step> &steps);
    void expectLooks(const std::vector<Look> &looks);

    QTemporaryDir dir, settingsDir;
    FakeDialogs dialogs;
    FakeNotifier notifier;
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
