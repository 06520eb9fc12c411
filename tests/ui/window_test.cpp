// The window's controls, against values typed here independently of the control table.

#include "fixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <tuple>

namespace quirnel::testing {
namespace {

using Layout = WindowTest;

// Parent ("Form1" is the client area), twips, H hidden / D disabled, caption and tool tip
// with every blank they carry.
// clang-format off
const struct { const char *name, *parent; QRectF twips; const char *state, *caption, *tip; } rows[] = {
    {"Command4", "Form1", {4950, 1590, 1875, 810}, "", "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten "},
    {"RT", "VorschPnl", {6495, 135, 285, 285}, "HD", "", ""},
    {"Label12", "Form1", {5085, 1845, 1815, 255}, "H", "   Datei                          Liste", ""},
    {"Text10", "Form1", {3960, 5640, 855, 285}, "H", "", "Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden) "},
    {"Command6", "Form1", {1365, 6255, 950, 375}, "HD", "Löschen", "Datensatz aus der Liste entfernen - wird noch nicht gespeichert "},
    {"Label24", "Frame2", {1935, 225, 3045, 300}, "", "QUIRNEL PROGRAMM-BESCHREIBUNG", ""},
};
// clang-format on

TEST_F(Layout, RowsStackingFontsAndMenus)
{
    start();
    EXPECT_EQ(window().windowTitle(), QString(16, ' '));
    for (const auto &row : rows) {
        const QWidget *w = control(row.name);
        ASSERT_NE(w, nullptr);
        const QString state = QString(w->isHidden() ? "H" : "") + (w->isEnabled() ? "" : "D");
        EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), state, text(row.name), tip(row.name)),
                  std::tuple(QString(row.parent), QString(row.state), QString(row.caption),
                             QString(row.tip)));
        EXPECT_EQ(twipsOf(row.name), row.twips) << row.name;
        EXPECT_EQ(w->width(), qRound(row.twips.width() / 15)) << row.name; // 15 twips a pixel
    }
    // Siblings paint back to front: labels and shapes first, the help page last.
    const QList<QWidget *> stack
        = window().centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(std::is_partitioned(stack.begin(), stack.end(), [](const QWidget *w) {
        return qobject_cast<const QLabel *>(w) || w->objectName().startsWith("Shape")
            || w->objectName() == "Line6";
    }));
    EXPECT_EQ(stack.last(), control("Frame2"));
    for (const QLabel *label : window().findChildren<QLabel *>())
        EXPECT_LE(QFontMetrics(label->font()).tightBoundingRect(label->text()).width(),
                  label->contentsRect().width())
            << label->objectName().toStdString();
    // The lists' pop-up is a menu of its own, not one of the bar.
    QStringList menus;
    for (const QAction *bar : window().menuBar()->actions() + QList{window().MnuFile->menuAction()})
        for (const QAction *item : bar->menu()->actions())
            menus << bar->menu()->title() + ": " + item->text() + " " + item->shortcut().toString();
    // clang-format off
    EXPECT_EQ(menus.join(';'), "&Datei: Termin-Datei speichern unter ;&Datei: Geburtstage-Datei speichern unter ;&Datei: Daten-Import Ctrl+M;"
              "&Datei: &Beenden Ctrl+B;&Optionen: Eintrag suchen ;&Optionen: Quick-Info aus ;&Hilfe: &Info Ctrl+I;&Hilfe: Programmbeschreibung ;"
              "MnuFile: Neuer Eintrag ;MnuFile: Eintrag editieren ;MnuFile: Eintrag löschen ;MnuFile: Eintrag suchen ");
    // clang-format on
}

} // namespace
} // namespace quirnel::testing
