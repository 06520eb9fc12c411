#include "fixture.h"

#include <QAbstractButton>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <cstdio>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList &lines, std::ostream *out)
{
    *out << '{';
    for (const QString &line : lines)
        *out << "\n  \"" << line.toStdString() << '"';
    *out << " }";
}

namespace quirnel::testing {

namespace {

std::string escaped(const QByteArray &bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

} // namespace

::testing::AssertionResult sameBytes(const QByteArray &expected, const QByteArray &actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> e = expected.split('\n');
    const QList<QByteArray> a = actual.split('\n');
    for (qsizetype i = 0;; ++i) {
        const QByteArray el = i < e.size() ? e[i] : QByteArray("<end of file>");
        const QByteArray al = i < a.size() ? a[i] : QByteArray("<end of file>");
        if (el != al)
            return ::testing::AssertionFailure()
                << "first difference in line " << i + 1 << ":\n  expected \"" << escaped(el)
                << "\"\n    actual \"" << escaped(al) << '"';
    }
}

bool FakeDialogs::ask(QWidget *, const QString &title, const QString &text)
{
    questions.append(title + QLatin1Char('|') + text);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogs::warn(QWidget *, const QString &title, const QString &text)
{
    warnings.append(title + QLatin1Char('|') + text);
}

QString WindowTest::path(const char *name) const
{
    return dir.filePath(QString::fromUtf8(name));
}

void WindowTest::writeFile(const char *name, const QByteArray &bytes)
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray WindowTest::readFile(const char *name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

ui::Form1 &WindowTest::start()
{
    ui::Services services;
    services.now = [this] { return now; };
    services.locale = locale;
    services.dataDir = dir.path();
    services.dialogs = &dialogs;
    services.restartProgram = restartProgram;
    services.endProgram = endProgram;
    m_window = std::make_unique<ui::Form1>(services);
    m_window->show();
    return *m_window;
}

bool WindowTest::shown(const char *name) const
{
    const QWidget *widget = control(name);
    return widget && widget->isVisibleTo(m_window.get());
}

bool WindowTest::enabled(const char *name) const
{
    const QWidget *widget = control(name);
    return widget && widget->isEnabled();
}

QString WindowTest::text(const char *name) const
{
    QWidget *widget = control(name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *memo = qobject_cast<QTextEdit *>(widget))
        return memo->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    ADD_FAILURE() << name << " has no text";
    return {};
}

QString WindowTest::tip(const char *name) const
{
    const QWidget *widget = control(name);
    return widget ? widget->toolTip() : QString();
}

QRectF WindowTest::twipsOf(const char *name) const
{
    const QWidget *widget = control(name);
    return widget ? ui::twips::of(widget) : QRectF();
}

QStringList WindowTest::lines(const char *name) const
{
    const auto *list = control<ui::ListBox>(name);
    return list ? list->lines() : QStringList();
}

void WindowTest::click(const char *name)
{
    auto *button = control<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisibleTo(m_window.get())) << name << " is hidden";
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace quirnel::testing
