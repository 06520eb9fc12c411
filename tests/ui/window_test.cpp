// The window's controls, against values typed here independently of the control table.

#include "fixture.h"

#include <QMenuBar>

using namespace quirnel::testing;
namespace {

using Layout = WindowTest;

// Parent ("clientArea" for the top level), twips, hidden, disabled, caption and tool tip
// with every blank they carry.
// clang-format off
const struct Row { const char *name, *parent; QRectF twips; bool hidden, disabled; const char *caption, *tip; } rows[] = {
    {"birthdayEditButton", "clientArea", {4950, 1590, 1875, 810}, false, false, "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten "},
    {"backCount", "stripPanel", {6495, 135, 285, 285}, true, true, "", ""},
    {"birthdayCountColumns", "clientArea", {5085, 1845, 1815, 255}, true, false, "   Datei                          Liste", ""},
};
// clang-format on

TEST_F(Layout, RowsStackingCaptionsAndMenus)
{
    start();
    EXPECT_EQ(window().windowTitle(), QString(16, ' '));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget *w = control(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), w->isHidden(), !w->isEnabled(),
                             text(row.name), tip(row.name), twipsOf(row.name)),
                  std::tuple(QString(row.parent), row.hidden, row.disabled, QString(row.caption),
                             QString(row.tip), row.twips));
        EXPECT_EQ(w->width(), qRound(row.twips.width() / 15)); // 15 twips a pixel
    }
    // Siblings paint back to front: labels and shapes first, the help page last.
    const QList<QWidget *> stack
        = window().centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(std::is_partitioned(stack.begin(), stack.end(), [](const QWidget *w) {
        return qobject_cast<const QLabel *>(w) || w->objectName().endsWith("Outline")
            || w->objectName() == "minutesRule";
    }));
    EXPECT_EQ(stack.last(), control("helpPage"));
    for (const QLabel *label : window().findChildren<QLabel *>())
        EXPECT_LE(QFontMetrics(label->font()).tightBoundingRect(label->text()).width(),
                  label->contentsRect().width())
            << label->objectName().toStdString();
    // The lists' pop-up is a menu of its own without a title, not one of the bar.
    QStringList menus;
    const QList<QAction *> bars = window().menuBar()->actions()
        << control<QMenu>("listMenu")->menuAction();
    for (const QAction *bar : bars)
        for (const QAction *item : bar->menu()->actions())
            menus << bar->menu()->title() + ": " + item->text() + " " + item->shortcut().toString();
    // clang-format off
    EXPECT_EQ(menus, (QStringList{"&Datei: Termin-Datei speichern unter ", "&Datei: Geburtstage-Datei speichern unter ", "&Datei: Daten-Import Ctrl+M",
        "&Datei: &Beenden Ctrl+B", "&Optionen: Eintrag suchen ", "&Optionen: Quick-Info aus ", "&Optionen: Erinnerungen ", "&Hilfe: &Info Ctrl+I", "&Hilfe: Programmbeschreibung ",
        ": Neuer Eintrag ", ": Eintrag editieren ", ": Eintrag löschen ", ": Eintrag suchen "}));
    // clang-format on
}

} // namespace
