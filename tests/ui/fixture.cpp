#include "fixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QMenu>
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

ui::MainWindow &WindowTest::start()
{
    ui::Services services;
    services.now = [this] { return now; };
    services.locale = locale;
    services.dataDir = dir.path();
    services.dialogs = &dialogs;
    services.restartProgram = restartProgram;
    services.endProgram = endProgram;
    m_window = std::make_unique<ui::MainWindow>(services);
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
    QStringList out;
    if (const auto *list = control<QAbstractItemView>(name)) {
        for (int row = 0; row < list->model()->rowCount(); ++row)
            out << list->model()->index(row, 0).data().toString();
    }
    return out;
}

int WindowTest::selectedRow(const char *list) const
{
    const auto *view = control<QAbstractItemView>(list);
    const QModelIndexList rows = view ? view->selectionModel()->selectedIndexes() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void WindowTest::click(const char *name)
{
    auto *button = control<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisibleTo(m_window.get())) << name << " is hidden";
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

std::string describe(const Step &step)
{
    struct {
        std::string operator()(const Click &s) { return std::string("click ") + s.control; }
        std::string operator()(const Type &s) { return std::string("type into ") + s.field; }
        std::string operator()(const Select &s) { return "select " + row(s.list, s.row); }
        std::string operator()(const DoubleClick &s) { return "double-click " + row(s.list, s.row); }
        std::string operator()(const RightClick &s) { return "right-click " + row(s.list, s.row); }
        std::string operator()(const Choose &s) { return std::string("choose ") + s.action; }
        std::string operator()(const Key &s)
        {
            return std::string("key ") + s.character + " in " + s.list + (s.yes ? ", Ja" : ", Nein");
        }
        static std::string row(const char *list, int row)
        {
            return std::string(list) + " row " + std::to_string(row);
        }
    } visitor;
    return std::visit(visitor, step);
}

void WindowTest::run(const std::vector<Step> &steps)
{
    for (const Step &step : steps) {
        SCOPED_TRACE(describe(step));
        perform(step);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

void WindowTest::perform(const Step &step)
{
    // The row's centre, scrolled into view; fails when the list is not usable.
    const auto rowAt = [this](const char *name, int row) -> std::pair<QAbstractItemView *, QPoint> {
        auto *list = control<QAbstractItemView>(name);
        if (!list || !list->isVisibleTo(m_window.get()) || !list->isEnabled()) {
            ADD_FAILURE() << name << " is missing, hidden or disabled";
            return {nullptr, {}};
        }
        const QModelIndex index = list->model()->index(row, 0);
        if (!index.isValid()) {
            ADD_FAILURE() << name << " has no row " << row;
            return {nullptr, {}};
        }
        list->scrollTo(index);
        return {list, list->visualRect(index).center()};
    };
    if (const auto *s = std::get_if<Click>(&step)) {
        click(s->control);
    } else if (const auto *s = std::get_if<Type>(&step)) {
        auto *field = control<QLineEdit>(s->field);
        ASSERT_TRUE(field && field->isVisibleTo(m_window.get())) << s->field << " is hidden";
        field->end(false);
        for (const char32_t code : QString::fromUtf8(s->text).toUcs4())
            field->insert(QString::fromUcs4(&code, 1));
    } else if (const auto *s = std::get_if<Select>(&step)) {
        if (const auto [list, at] = rowAt(s->list, s->row); list)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    } else if (const auto *s = std::get_if<DoubleClick>(&step)) {
        if (const auto [list, at] = rowAt(s->list, s->row); list) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
    } else if (const auto *s = std::get_if<RightClick>(&step)) {
        if (const auto [list, at] = rowAt(s->list, s->row); list)
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
    } else if (const auto *s = std::get_if<Choose>(&step)) {
        auto *menu = control<QMenu>("listMenu");
        ASSERT_TRUE(menu && QApplication::activePopupWidget() == menu) << "the pop-up is closed";
        auto *action = control<QAction>(s->action);
        ASSERT_NE(action, nullptr);
        menu->close();
        action->trigger();
    } else if (const auto *s = std::get_if<Key>(&step)) {
        auto *list = control<QAbstractItemView>(s->list);
        ASSERT_TRUE(list && list->isVisibleTo(m_window.get())) << s->list << " is hidden";
        dialogs.answers.push_back(s->yes);
        const bool upper = QChar(s->character).isUpper();
        QTest::keyClick(list, s->character, upper ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void WindowTest::expectLooks(const std::vector<Look> &looks)
{
    static const char *const names[] = {"shown", "hidden", "enabled", "disabled"};
    for (const Look &look : looks) {
        const bool holds = look.state == Is::Shown ? shown(look.control)
            : look.state == Is::Hidden             ? !shown(look.control)
            : look.state == Is::Enabled            ? enabled(look.control)
                                                   : !enabled(look.control);
        EXPECT_TRUE(holds) << look.control << " should be " << names[int(look.state)];
    }
}

} // namespace quirnel::testing
