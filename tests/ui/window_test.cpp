// The window's controls, against values typed here independently of the control table.

#include "fixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace quirnel::testing {
namespace {

using Layout = WindowTest;

struct Row {
    const char *name, *parent; // "Form1" is the client area
    QRectF twips;
    const char *state; // V visible, H hidden, D disabled
    const char *caption, *tip;
};

// Captions and tool tips with every blank they carry.
// clang-format off
const Row rows[] = {
    {"Termine_0", "Form1", {390, 255, 1875, 300}, "V", "Termine", " Ansicht Termine "},
    {"Abbruch_1", "Form1", {4950, 255, 1875, 300}, "V", "Geburtstage", " Ansicht Geburtstage  "},
    {"Command17", "Form1", {390, 1590, 1890, 810}, "V", "T-Daten", " Termin einfügen oder bearbeiten "},
    {"Command4", "Form1", {4950, 1590, 1875, 810}, "V", "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten "},
    {"RT", "VorschPnl", {6495, 135, 285, 285}, "HD", "", ""},
    {"Label12", "Form1", {5085, 1845, 1815, 255}, "H", "   Datei                          Liste", ""},
    {"Label8", "Form1", {360, 5400, 2175, 255}, "H", "   Vorname                  Name", ""},
    {"Label9", "Form1", {2760, 5400, 2175, 255}, "H", " Geb.-Datum    (TT.MM.JJJJ)", ""},
    {"Text10", "Form1", {3960, 5640, 855, 285}, "H", "", "Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden) "},
    {"check", "Form1", {1035, 6225, 330, 375}, "H", "", "Check: Termin-Liste auswählen  - Uncheck: Geburtstags-Liste auswählen"},
    {"Command14", "Form1", {360, 6255, 1000, 375}, "V", "Geburtstage", "In den Geburtstagsdaten-Bearbeitungs-Modus wechseln "},
    {"Command6", "Form1", {1365, 6255, 950, 375}, "HD", "Löschen", "Datensatz aus der Liste entfernen - wird noch nicht gespeichert "},
    {"Command7", "Form1", {4200, 6255, 950, 375}, "H", "Speichern", "Änderungen oder Löschungen werden gespeichert "},
    {"Label24", "Frame2", {1935, 225, 3045, 300}, "V", "QUIRNEL PROGRAMM-BESCHREIBUNG", ""},
};
// clang-format on

TEST_F(Layout, SampleRows)
{
    start();
    EXPECT_EQ(window().windowTitle(), QString(16, ' '));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget *widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), row.parent);
        EXPECT_EQ(twipsOf(row.name), row.twips);
        EXPECT_EQ(widget->width(), qRound(row.twips.width() / 15)); // 15 twips to the pixel
        EXPECT_EQ(widget->isHidden(), row.state[0] == 'H');
        EXPECT_EQ(widget->isEnabled(), row.state[1] != 'D');
        EXPECT_EQ(text(row.name), row.caption);
        EXPECT_EQ(tip(row.name), row.tip);
    }
}

// Labels and shapes lie behind every windowed control, the help page in front of all;
// and every caption fits its box.
TEST_F(Layout, LabelsAndShapesBehindCaptionsInside)
{
    start();
    // Qt paints siblings in the order of their parent's children: back to front.
    const QList<QWidget *> stack
        = window().centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    bool windowedSeen = false;
    for (const QWidget *child : stack) {
        const QString name = child->objectName();
        const bool light
            = qobject_cast<const QLabel *>(child) || name.startsWith("Shape") || name == "Line6";
        EXPECT_FALSE(light && windowedSeen) << name.toStdString();
        windowedSeen = windowedSeen || !light;
    }
    EXPECT_EQ(stack.last(), control("Frame2"));
    for (const QLabel *label : window().findChildren<QLabel *>()) {
        const int width = QFontMetrics(label->font()).tightBoundingRect(label->text()).width();
        EXPECT_LE(width, label->contentsRect().width())
            << label->objectName().toStdString() << " needs " << width << " px";
    }
}

// The pop-up of the lists is a menu of its own, not one of the bar.
TEST_F(Layout, Menus)
{
    start();
    QStringList menus; // "caption|name: caption|name|shortcut, ..."
    for (const QAction *bar :
         window().menuBar()->actions() + QList{window().MnuFile->menuAction()}) {
        QStringList items;
        for (const QAction *item : bar->menu()->actions())
            items << item->text() + "|" + item->objectName() + "|" + item->shortcut().toString();
        menus << bar->menu()->title() + "|" + bar->menu()->objectName() + ": " + items.join(", ");
    }
    // clang-format off
    EXPECT_EQ(menus, (QStringList{
        "&Datei|Datei: Termin-Datei speichern unter|TerminSpeichern|, Geburtstage-Datei speichern unter|GeburtstageSpeichern|, "
        "Daten-Import|Import|Ctrl+M, &Beenden|Beenden|Ctrl+B",
        "&Optionen|Tool: Eintrag suchen|Eintragssuche|, Quick-Info aus|QuickInfoAus|",
        "&Hilfe|h: &Info|Info|Ctrl+I, Programmbeschreibung|Hilfe|",
        "MnuFile|MnuFile: Neuer Eintrag|neu|, Eintrag editieren|edit|, Eintrag löschen|löschen|, Eintrag suchen|suchen|"}));
    // clang-format on
}

} // namespace
} // namespace quirnel::testing
