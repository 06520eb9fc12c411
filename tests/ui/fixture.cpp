#include "fixture.h"

#include <QFile>
#include <QTextEdit>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace quirnel::testing {

::testing::AssertionResult sameBytes(const QByteArray &expected, const QByteArray &actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> e = expected.split('\n'), a = actual.split('\n');
    const QByteArray end = "<end of file>";
    qsizetype i = 0;
    while (e.value(i, end) == a.value(i, end))
        ++i;
    // All but printable ASCII as %XX, so that a wrong encoding or line end shows.
    const auto bytes = [](const QByteArray &line) {
        return line.toPercentEncoding(" !\"#$&'()*+,/:;<=>?@[\\]^`{|}").toStdString();
    };
    return ::testing::AssertionFailure()
        << "first difference in line " << i + 1 << ":\n  expected \"" << bytes(e.value(i, end))
        << "\"\n    actual \"" << bytes(a.value(i, end)) << '"';
}

void WindowTest::writeFile(const char *name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
}

QByteArray WindowTest::readFile(const char *name) const
{
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

ui::MainWindow &WindowTest::start()
{
    const auto clock = [this] { return now; };
    const ui::Services services{
        clock,          locale,     dir.path(), &dialogs,
        restartProgram, endProgram, &notifier,  settingsDir.filePath("quirnel.conf")};
    m_window = std::make_unique<ui::MainWindow>(services);
    m_window->show();
    return *m_window;
}

ui::MainWindow &WindowTest::start(const QByteArray &birthdays, const QByteArray &appointments)
{
    writeFile("geburt.dat", birthdays);
    writeFile("termin.dat", appointments);
    return start();
}

QString WindowTest::text(const char *name) const
{
    const QWidget *w = control(name);
    const bool memo = qobject_cast<const QTextEdit *>(w);
    const QVariant text = w ? w->property(memo ? "plainText" : "text") : QVariant();
    EXPECT_TRUE(text.isValid()) << name << " has no text";
    return text.toString();
}

QStringList WindowTest::lines(const char *name) const
{
    QStringList out;
    const auto *list = control<QAbstractItemView>(name);
    for (int row = 0; list && row < list->model()->rowCount(); ++row)
        out << list->model()->index(row, 0).data().toString();
    return out;
}

int WindowTest::selectedRow(const char *list) const
{
    const auto *view = control<QAbstractItemView>(list);
    const QModelIndexList rows
        = view ? view->selectionModel()->selectedIndexes() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void WindowTest::trigger(const char *action)
{
    auto *item = control<QAction>(action);
    ASSERT_TRUE(item && item->isEnabled()) << action << " is missing or disabled";
    item->trigger();
}

void WindowTest::run(const std::vector<Step> &steps)
{
    static const char *const verbs[]
        = {"click", "type into", "select", "double-click", "right-click", "choose", "key in"};
    // A step that fails ends the steps; one that failed before them does not.
    const bool failedBefore = HasFatalFailure();
    for (size_t i = 0; i < steps.size() && HasFatalFailure() == failedBefore; ++i) {
        const Step &s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + verbs[int(s.what)] + ' ' + s.control
                     + (s.row >= 0 ? " row " + std::to_string(s.row) : ""));
        perform(s);
    }
}

void WindowTest::perform(const Step &step)
{
    if (step.what == Do::choose) {
        auto *menu = control<QMenu>("listMenu");
        ASSERT_TRUE(menu && QApplication::activePopupWidget() == menu) << "the pop-up is closed";
        menu->close();
        return trigger(step.control);
    }
    QWidget *widget = control(step.control);
    auto *field = qobject_cast<QLineEdit *>(widget);
    auto *list = qobject_cast<QAbstractItemView *>(widget);
    const bool fits = step.what == Do::click ? qobject_cast<QAbstractButton *>(widget) != nullptr
        : step.what == Do::type              ? field != nullptr
                                             : list != nullptr;
    ASSERT_TRUE(fits && widget->isVisibleTo(m_window.get()) && widget->isEnabled())
        << step.control << " is missing, of another kind, hidden or disabled";
    if (step.what == Do::click)
        return QTest::mouseClick(widget, Qt::LeftButton);
    if (step.what == Do::type) {
        field->end(false);
        for (const char32_t code : QString::fromUtf8(step.text).toUcs4())
            field->insert(QString::fromUcs4(&code, 1));
        return;
    }
    if (step.what == Do::key) {
        dialogs.answers.push_back(step.yes);
        const bool upper = QChar(step.character).isUpper();
        return QTest::keyClick(list, step.character, upper ? Qt::ShiftModifier : Qt::NoModifier);
    }
    const QModelIndex index = list->model()->index(step.row, 0);
    ASSERT_TRUE(index.isValid()) << step.control << " has no row " << step.row;
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    const auto button = step.what == Do::rightClick ? Qt::RightButton : Qt::LeftButton;
    QTest::mouseClick(list->viewport(), button, {}, at);
    if (step.what == Do::doubleClick)
        QTest::mouseDClick(list->viewport(), button, {}, at);
}

void WindowTest::expectLooks(const std::vector<Look> &looks)
{
    static const char *const names[] = {"shown", "hidden", "enabled", "disabled", "focused"};
    for (const auto &[name, state] : looks) {
        const bool is = state == Is::Focused            ? m_window->focusWidget() == control(name)
            : state == Is::Shown || state == Is::Hidden ? shown(name)
                                                        : enabled(name);
        EXPECT_EQ(is, state != Is::Hidden && state != Is::Disabled)
            << name << " should be " << names[int(state)];
    }
}

} // namespace quirnel::testing
