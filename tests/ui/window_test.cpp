// The window's controls, checked against the layout as the description gives it,
// typed here independently of the control table.

#include "fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMenu>
#include <QMenuBar>

#include <array>
#include <ostream>

static void PrintTo(const QRectF &r, std::ostream *out)
{
    *out << r.left() << ',' << r.top() << ',' << r.width() << ',' << r.height();
}

static void PrintTo(const QRect &r, std::ostream *out)
{
    *out << r.left() << ',' << r.top() << ',' << r.width() << ',' << r.height() << " px";
}

namespace quirnel::testing {
namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Qt paints siblings in the order of their parent's children, so that order is the
// stacking from back to front.
int stackIndex(const QWidget *widget)
{
    int index = 0;
    for (const QObject *child : widget->parent()->children()) {
        if (!child->isWidgetType())
            continue;
        if (child == widget)
            return index;
        ++index;
    }
    return -1;
}

class WindowModel : public WindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        start();
    }
};

struct ClassRow {
    const char *name;
    const char *className;
};

constexpr auto classRows = std::to_array<ClassRow>({
    {"Label1", "QLabel"},
    {"Label2", "QLabel"},
    {"Label3", "QLabel"},
    {"Label4", "QLabel"},
    {"Label5", "QLabel"},
    {"Label7", "QLabel"},
    {"Label8", "QLabel"},
    {"Label9", "QLabel"},
    {"Label10", "QLabel"},
    {"Label11", "QLabel"},
    {"Label12", "QLabel"},
    {"Label13", "QLabel"},
    {"Label14", "QLabel"},
    {"Label15", "QLabel"},
    {"Label16", "QLabel"},
    {"Label17_0", "QLabel"},
    {"Label17_1", "QLabel"},
    {"Label18", "QLabel"},
    {"Label19", "QLabel"},
    {"Label20", "QLabel"},
    {"Label21", "QLabel"},
    {"Label22", "QLabel"},
    {"Label23", "QLabel"},
    {"Label24", "QLabel"},
    {"PV", "QLabel"},
    {"PR", "QLabel"},
    {"Image2", "QLabel"},
    {"Text1", "QTextEdit"},
    {"Text2", "QTextEdit"},
    {"Text8", "QTextEdit"},
    {"Text9", "QTextEdit"},
    {"Text3", "QLineEdit"},
    {"Text4", "QLineEdit"},
    {"Text5", "QLineEdit"},
    {"Text6", "QLineEdit"},
    {"Text7", "QLineEdit"},
    {"Text10", "QLineEdit"},
    {"Text11", "QLineEdit"},
    {"Text12", "QLineEdit"},
    {"Text13", "QLineEdit"},
    {"Text14", "QLineEdit"},
    {"Text15", "QLineEdit"},
    {"Text16", "QLineEdit"},
    {"Text17", "QLineEdit"},
    {"Text18", "QLineEdit"},
    {"JahrTx_1", "QLineEdit"},
    {"VT", "QLineEdit"},
    {"RT", "QLineEdit"},
    {"Termine_0", "QPushButton"},
    {"Abbruch_1", "QPushButton"},
    {"Command1", "QPushButton"},
    {"Command2", "QPushButton"},
    {"Command3", "QPushButton"},
    {"Command5", "QPushButton"},
    {"Command6", "QPushButton"},
    {"Command7", "QPushButton"},
    {"Command8", "QPushButton"},
    {"Command9", "QPushButton"},
    {"Command10", "QPushButton"},
    {"Command11", "QPushButton"},
    {"Command12", "QPushButton"},
    {"Command13", "QPushButton"},
    {"Command14", "QPushButton"},
    {"Command15", "QPushButton"},
    {"Command16", "QPushButton"},
    {"Command18", "QPushButton"},
    {"Info1", "QPushButton"},
    {"WochBtn", "QPushButton"},
    {"Jan", "QPushButton"},
    {"Feb", "QPushButton"},
    {"Mrz", "QPushButton"},
    {"Apr", "QPushButton"},
    {"Mai", "QPushButton"},
    {"Jun", "QPushButton"},
    {"Jul", "QPushButton"},
    {"Aug", "QPushButton"},
    {"Sep", "QPushButton"},
    {"Okt", "QPushButton"},
    {"Nov", "QPushButton"},
    {"Dez", "QPushButton"},
    {"Command17", "QToolButton"},
    {"Command4", "QToolButton"},
    {"List1", "quirnel::ui::ListBox"},
    {"List2", "quirnel::ui::ListBox"},
    {"List3", "quirnel::ui::ListBox"},
    {"List4", "quirnel::ui::ListBox"},
    {"List5", "quirnel::ui::ListBox"},
    {"List6", "quirnel::ui::ListBox"},
    {"List7", "quirnel::ui::ListBox"},
    {"List8", "quirnel::ui::ListBox"},
    {"List9", "quirnel::ui::ListBox"},
    {"List10", "quirnel::ui::ListBox"},
    {"TBOX", "quirnel::ui::ListBox"},
    {"VLIST", "quirnel::ui::ListBox"},
    {"RLIST", "quirnel::ui::ListBox"},
    {"Shape1", "QFrame"},
    {"Shape2", "QFrame"},
    {"Shape3", "QFrame"},
    {"Shape4", "QFrame"},
    {"Line1", "QFrame"},
    {"Line6", "QFrame"},
    {"Frame1", "QFrame"},
    {"Frame2", "QFrame"},
    {"Frame3", "QFrame"},
    {"Frame4", "QFrame"},
    {"Frame5", "QFrame"},
    {"Frame6", "QFrame"},
    {"JahrPnl", "QFrame"},
    {"VorschPnl", "QFrame"},
    {"Calendar1", "QCalendarWidget"},
    {"check", "QCheckBox"},
    {"O1_0", "QRadioButton"},
    {"O2", "QRadioButton"},
    {"O3", "QRadioButton"},
    {"RichTextBox1", "QTextBrowser"},
});

TEST_F(WindowModel, EveryControlExistsOnceWithItsKind)
{
    for (const ClassRow &row : classRows) {
        SCOPED_TRACE(row.name);
        const auto found = window().findChildren<QWidget *>(QString::fromUtf8(row.name));
        ASSERT_EQ(found.size(), 1);
        EXPECT_STREQ(found.first()->metaObject()->className(), row.className);
    }
}

// Sorted lists keep case-insensitive order; the others keep the order of adding.
TEST_F(WindowModel, ListsAreSortedOrKeepTheirOrder)
{
    const struct {
        const char *name;
        bool sorted;
    } rows[]
        = {{"List4", true},  {"TBOX", true},   {"List2", true},  {"List3", true},  {"List5", true},
           {"List6", true},  {"List7", true},  {"List1", false}, {"List8", false}, {"VLIST", false},
           {"RLIST", false}, {"List9", false}, {"List10", false}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto *list = control<ui::ListBox>(row.name);
        ASSERT_NE(list, nullptr);
        list->clear();
        list->add(QStringLiteral("b"));
        list->add(QStringLiteral("C"));
        list->add(QStringLiteral("a"));
        const QStringList expected
            = row.sorted ? QStringList{"a", "b", "C"} : QStringList{"b", "C", "a"};
        EXPECT_EQ(list->lines(), expected);
    }
}

struct TextRow {
    const char *name;
    QString text;
    QString tip;
};

// Controls whose caption the start-up computation leaves alone.
const std::array textRows = {
    TextRow{"Termine_0", "Termine", " Ansicht Termine "},
    TextRow{"Abbruch_1", "Geburtstage", " Ansicht Geburtstage  "},
    TextRow{"Command10", "Monat", ""},
    TextRow{"Command9", "Heute", ""},
    TextRow{"Command17", "T-Daten", " Termin einfügen oder bearbeiten "},
    TextRow{"Info1", "Monat", ""},
    TextRow{"WochBtn", "Woche", ""},
    TextRow{"Command16", "Jubiläen", ""},
    TextRow{"Command4", "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten "},
    TextRow{"Label15", "Geburtstage in dieser Woche", ""},
    TextRow{"Label17_1", "Gesamt-Termin-Liste", ""},
    TextRow{"Label17_0", "Heute anstehende Termine:", ""},
    TextRow{"Command1", "OK", ""},
    TextRow{"Text13", "Terminübersicht", ""},
    TextRow{"JahrTx_1", "Monats-Auswahl", ""},
    TextRow{"Mrz", "Mrz", ""},
    TextRow{"Text18", "Namen-Suchen", ""},
    TextRow{"Text17", "Such-Text-Eingabe", ""},
    TextRow{"Command3", "Suche-Abbrechen", ""},
    TextRow{"Command2", "Suchen", ""},
    TextRow{"Label8", "   Vorname" + blanks(18) + "Name", ""},
    TextRow{"Text4", "", "Vorname Name eintragen "},
    TextRow{"Label9", " Geb.-Datum    (TT.MM.JJJJ)", ""},
    TextRow{"Text5", "", "Geburtsdatum tt:mm:jjjj  eintragen"},
    TextRow{"Label18", "(tt.mm.jjjj)", ""},
    TextRow{"Label16", "    Uhrzeit", ""},
    TextRow{"Text10", "",
            "Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit "
            "selektieren (ganze Stunden) "},
    TextRow{"Label19", " (hh:mm)", ""},
    TextRow{"Label23", "Minuten selektieren", ""},
    TextRow{"O1_0", "15", "Minuten selektieren "},
    TextRow{"O2", "30", "Minuten selektieren "},
    TextRow{"O3", "45", "Minuten selektieren "},
    TextRow{"Label11", "Speicherstatus", ""},
    TextRow{"Label10", "", ""},
    TextRow{"check", "", "Check: Termin-Liste auswählen  - Uncheck: Geburtstags-Liste auswählen"},
    TextRow{"Command13", "Termine", " In den Termin-Bearbeitungs-Modus wechseln "},
    TextRow{"Command14", "Geburtstage", "In den Geburtstagsdaten-Bearbeitungs-Modus wechseln "},
    TextRow{"Command6", "Löschen",
            "Datensatz aus der Liste entfernen - wird noch nicht gespeichert "},
    TextRow{"Command5", "Einfügen", "Neuen oder geänderten Datensatz in die Liste einfügen "},
    TextRow{"Command11", "Editieren", "Einen Eintrag zum Bearbeiten selektieren "},
    TextRow{"Command7", "Speichern", "Änderungen oder Löschungen werden gespeichert "},
    TextRow{"Command8", "Abbrechen", "Vorgenommene Änderungen werden rückgängig gemacht "},
    TextRow{"Command15", "Exit", "Editier-Modus beenden "},
    TextRow{"Label13", "Datensätze Namen-Datei:", ""},
    TextRow{"Label12", "   Datei" + blanks(26) + "Liste", ""},
    TextRow{"Label22", "Datensätze Termin-Datei:", ""},
    TextRow{"Label20", "Datei", ""},
    TextRow{"Label21", "Liste", ""},
    TextRow{"Label24", "QUIRNEL PROGRAMM-BESCHREIBUNG", ""},
    TextRow{"Command18", "OK", ""},
};

TEST_F(WindowModel, CaptionsAndToolTips)
{
    for (const TextRow &row : textRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(text(row.name), row.text);
        EXPECT_EQ(tip(row.name), row.tip);
    }
}

TEST_F(WindowModel, TitleIsSixteenBlanks)
{
    EXPECT_EQ(window().windowTitle(), blanks(16));
}

struct StateRow {
    const char *name;
    bool visible; // the control's own flag; a hidden container hides it all the same
    bool enabled;
};

// Controls whose state the start-up computation does not change on empty data.
constexpr auto stateRows = std::to_array<StateRow>({
    {"Termine_0", true, true},  {"Command17", true, true}, {"Command4", true, true},
    {"Label2", true, true},     {"Text1", true, true},     {"List1", false, true},
    {"Text8", true, false},     {"Text9", true, false},    {"Shape2", true, true},
    {"Text13", false, true},    {"Text11", false, true},   {"Calendar1", false, true},
    {"JahrPnl", false, true},   {"Frame6", false, true},   {"Command2", false, true},
    {"Command3", true, true},   {"Label4", true, true},    {"List4", true, true},
    {"Label17_1", false, true}, {"TBOX", false, true},     {"Frame3", false, true},
    {"Label17_0", true, true},  {"List7", true, true},     {"List8", false, true},
    {"VorschPnl", false, true}, {"List6", true, true},     {"VT", false, false},
    {"RT", false, false},       {"VLIST", false, true},    {"Shape1", false, true},
    {"Text4", false, true},     {"Line6", false, true},    {"Label10", false, true},
    {"check", false, true},     {"Command13", true, true}, {"Command14", true, true},
    {"Command6", false, false}, {"Command5", false, true}, {"Command7", false, true},
    {"Command8", false, true},  {"Command15", true, true}, {"Text6", false, true},
    {"Text12", false, true},    {"Frame5", false, true},   {"Text15", true, true},
    {"List9", false, true},     {"List10", false, true},   {"Frame2", false, true},
});

TEST_F(WindowModel, InitialVisibilityAndEnabledState)
{
    for (const StateRow &row : stateRows) {
        SCOPED_TRACE(row.name);
        const QWidget *widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(!widget->isHidden(), row.visible);
        EXPECT_EQ(widget->isEnabled(), row.enabled);
    }
}

TEST_F(WindowModel, ContainersHideTheirChildren)
{
    EXPECT_FALSE(shown("List7"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_FALSE(shown("List6"));
    EXPECT_FALSE(shown("Text15"));
    EXPECT_FALSE(shown("Command18"));
    EXPECT_FALSE(shown("Jan"));
    EXPECT_TRUE(shown("List4"));
}

struct GeometryRow {
    const char *name;
    const char *parent; // object name of the container; "Form1" is the client area
    QRectF twips;
};

const std::array geometryRows = {
    GeometryRow{"Termine_0", "Form1", {390, 255, 1875, 300}},
    GeometryRow{"Command12", "Form1", {390, 855, 1875, 300}},
    GeometryRow{"Command17", "Form1", {390, 1590, 1890, 810}},
    GeometryRow{"Abbruch_1", "Form1", {4950, 255, 1875, 300}},
    GeometryRow{"Command4", "Form1", {4950, 1590, 1875, 810}},
    GeometryRow{"Label2", "Form1", {2400, 240, 2415, 375}},
    GeometryRow{"Label14", "Form1", {2400, 1035, 2415, 255}},
    GeometryRow{"Text1", "Form1", {2400, 1545, 2415, 375}},
    GeometryRow{"List1", "Form1", {2400, 1680, 2415, 540}},
    GeometryRow{"Text8", "Form1", {360, 1560, 1935, 855}},
    GeometryRow{"Text11", "Form1", {2385, 225, 2445, 330}},
    GeometryRow{"Calendar1", "Form1", {2325, 180, 2550, 2280}},
    GeometryRow{"JahrPnl", "Form1", {2385, 135, 2445, 2295}},
    GeometryRow{"Mai", "JahrPnl", {840, 1065, 765, 360}},
    GeometryRow{"Okt", "JahrPnl", {90, 1755, 765, 360}},
    GeometryRow{"Text18", "Frame6", {225, 255, 1980, 285}},
    GeometryRow{"Label4", "Form1", {375, 2520, 3105, 255}},
    GeometryRow{"List5", "Form1", {3720, 2880, 3135, 855}},
    GeometryRow{"List3", "Form1", {360, 4200, 3135, 855}},
    GeometryRow{"List4", "Form1", {3720, 4200, 3135, 855}},
    GeometryRow{"TBOX", "Form1", {360, 2880, 6495, 2205}},
    GeometryRow{"Frame3", "Form1", {360, 2460, 6495, 2625}},
    GeometryRow{"List7", "Frame3", {120, 630, 6240, 1815}},
    GeometryRow{"Command1", "Frame3", {2865, 2130, 855, 300}},
    GeometryRow{"VorschPnl", "Form1", {135, 5130, 7005, 600}},
    GeometryRow{"List6", "VorschPnl", {900, 60, 5160, 450}},
    GeometryRow{"RT", "VorschPnl", {6495, 135, 285, 285}},
    GeometryRow{"PV", "VorschPnl", {585, 135, 135, 240}},
    GeometryRow{"Text5", "Form1", {2730, 5640, 2175, 285}},
    GeometryRow{"Text10", "Form1", {3960, 5640, 855, 285}},
    GeometryRow{"O3", "Form1", {6285, 5625, 585, 300}},
    GeometryRow{"check", "Form1", {1035, 6225, 330, 375}},
    GeometryRow{"Command15", "Form1", {6090, 6255, 750, 375}},
    GeometryRow{"Frame5", "Form1", {390, 1590, 1890, 795}},
    GeometryRow{"Text16", "Frame5", {1185, 450, 615, 279}},
    GeometryRow{"Text12", "Form1", {6990, 2370, 1245, 300}},
    GeometryRow{"Frame2", "Form1", {0, 0, 7170, 9840}},
    GeometryRow{"Command18", "Frame2", {3120, 5400, 960, 285}},
};

TEST_F(WindowModel, GeometryInTwipsAndPixels)
{
    for (const GeometryRow &row : geometryRows) {
        SCOPED_TRACE(row.name);
        const QWidget *widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        ASSERT_NE(widget->parentWidget(), nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(row.parent));
        EXPECT_EQ(twipsOf(row.name), row.twips);
        // 15 twips to the pixel, rounded to the nearest.
        const QRect pixels(qRound(row.twips.left() / 15), qRound(row.twips.top() / 15),
                           qRound(row.twips.width() / 15), qRound(row.twips.height() / 15));
        EXPECT_EQ(widget->geometry(), pixels);
    }
}

struct ColourRow {
    const char *name;
    QColor colour;
};

const std::array colourRows = {
    ColourRow{"Label2", QColor(255, 192, 255)},  ColourRow{"Label3", QColor(255, 255, 192)},
    ColourRow{"Label15", QColor(255, 255, 192)}, ColourRow{"Label10", QColor(255, 192, 192)},
    ColourRow{"List2", QColor(224, 224, 224)},   ColourRow{"List5", QColor(224, 224, 224)},
    ColourRow{"List7", QColor(224, 224, 224)},   ColourRow{"List6", QColor(255, 192, 255)},
    ColourRow{"Frame3", QColor(192, 192, 192)},  ColourRow{"Form1", QColor(192, 192, 192)},
};

TEST_F(WindowModel, ColoursThatCarryMeaning)
{
    for (const ColourRow &row : colourRows) {
        SCOPED_TRACE(row.name);
        const QWidget *widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        // List boxes paint their entries on Base, everything else on Window.
        const auto role
            = qobject_cast<const ui::ListBox *>(widget) ? QPalette::Base : QPalette::Window;
        EXPECT_EQ(widget->palette().color(role), row.colour);
    }
}

TEST_F(WindowModel, ViewHeightGivesTheClientArea)
{
    EXPECT_EQ(window().windowHeight(), 6500);
    ASSERT_NE(window().centralWidget(), nullptr);
    // 7215 x 5895 twips at 15 twips to the pixel.
    EXPECT_EQ(window().centralWidget()->size(), QSize(481, 393));
}

TEST_F(WindowModel, BottomRowLiesBelowTheClientArea)
{
    const int clientHeight = window().centralWidget()->height();
    for (const char *name :
         {"Command5", "Command6", "Command7", "Command8", "Command11", "Command13", "Command15"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(twipsOf(name).top(), 6255);
        EXPECT_GE(control(name)->geometry().top(), clientHeight);
    }
    // The lowest list of the view still fits.
    EXPECT_LE(control("List4")->geometry().bottom(), clientHeight);
}

TEST_F(WindowModel, Command13CoversCommand14)
{
    EXPECT_EQ(twipsOf("Command13"), twipsOf("Command14"));
    EXPECT_EQ(control("Command13")->geometry(), control("Command14")->geometry());
    EXPECT_GT(stackIndex(control("Command13")), stackIndex(control("Command14")));
}

struct StackRow {
    const char *name;
    const char *front;
    const char *back;
};

constexpr auto stackRows = std::to_array<StackRow>({
    {"panel_over_appointments", "Frame3", "TBOX"},
    {"appointments_over_birthdays", "TBOX", "List4"},
    {"birthdays_over_month", "List4", "List2"},
    {"month_over_week", "List2", "List5"},
    {"week_over_jubilees", "List5", "List3"},
    {"appointment_caption_over_jubilee_caption", "Label17_1", "Label7"},
    {"jubilee_caption_over_month_caption", "Label7", "Label4"},
    {"month_caption_over_week_caption", "Label4", "Label15"},
    {"date_title_over_calendar", "Text13", "Calendar1"},
    {"year_title_over_calendar", "Text11", "Calendar1"},
    {"month_panel_over_calendar", "JahrPnl", "Calendar1"},
    {"search_panel_over_calendar", "Frame6", "Calendar1"},
    {"t_button_over_happy", "Command17", "Text8"},
    {"t_button_over_birthday", "Command17", "Text9"},
    {"t_button_over_counters", "Command17", "Frame5"},
    {"g_button_over_happy", "Command4", "Text8"},
    {"g_button_over_birthday", "Command4", "Text9"},
    {"g_button_over_counters", "Command4", "Frame5"},
});

TEST_F(WindowModel, StackingOfOverlappingControls)
{
    for (const StackRow &row : stackRows) {
        SCOPED_TRACE(row.name);
        const QWidget *front = control(row.front);
        const QWidget *back = control(row.back);
        ASSERT_NE(front, nullptr);
        ASSERT_NE(back, nullptr);
        ASSERT_EQ(front->parent(), back->parent());
        EXPECT_GT(stackIndex(front), stackIndex(back));
    }
}

TEST_F(WindowModel, LabelsAndShapesLieBehindEveryOtherControl)
{
    const QStringList lightweight
        = {"Label1",  "Label2",  "Label3",    "Label4",  "Label5",  "Label7",  "Label8",  "Label9",
           "Label10", "Label11", "Label12",   "Label13", "Label14", "Label15", "Label16", "Label18",
           "Label19", "Label23", "Label17_1", "Shape1",  "Shape2",  "Shape3",  "Shape4",  "Line6"};
    QWidget *client = window().centralWidget();
    int lastLightweight = -1;
    int firstWindowed = INT_MAX;
    int count = 0;
    for (const QObject *child : client->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (!widget)
            continue;
        const int index = stackIndex(widget);
        if (lightweight.contains(widget->objectName())) {
            lastLightweight = std::max(lastLightweight, index);
            ++count;
        } else {
            firstWindowed = std::min(firstWindowed, index);
        }
    }
    EXPECT_EQ(count, lightweight.size());
    EXPECT_LT(lastLightweight, firstWindowed);
}

TEST_F(WindowModel, HelpPageIsInFrontOfEverything)
{
    const QWidget *frame2 = control("Frame2");
    ASSERT_NE(frame2, nullptr);
    EXPECT_EQ(frame2->parentWidget(), window().centralWidget());
    int siblings = 0;
    for (const QObject *child : frame2->parent()->children())
        siblings += child->isWidgetType() ? 1 : 0;
    EXPECT_EQ(stackIndex(frame2), siblings - 1);
}

struct MenuItem {
    QString text;
    const char *name;
    QKeySequence shortcut;
};

void expectItems(const QMenu *menu, const std::vector<MenuItem> &items)
{
    const QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i].name);
        EXPECT_EQ(actions[i]->text(), items[i].text);
        EXPECT_EQ(actions[i]->objectName(), QString::fromUtf8(items[i].name));
        EXPECT_EQ(actions[i]->shortcut(), items[i].shortcut);
    }
}

TEST_F(WindowModel, MenuBarHoldsThreeMenus)
{
    const QList<QAction *> bar = window().menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    EXPECT_EQ(bar[0]->text(), "&Datei");
    EXPECT_EQ(bar[1]->text(), "&Optionen");
    EXPECT_EQ(bar[2]->text(), "&Hilfe");
    for (QAction *action : bar)
        ASSERT_NE(action->menu(), nullptr) << action->text().toStdString();
    EXPECT_EQ(bar[0]->menu()->objectName(), "Datei");
    EXPECT_EQ(bar[1]->menu()->objectName(), "Tool");
    EXPECT_EQ(bar[2]->menu()->objectName(), "h");

    {
        SCOPED_TRACE("Datei");
        expectItems(bar[0]->menu(),
                    {{"Termin-Datei speichern unter", "TerminSpeichern", {}},
                     {"Geburtstage-Datei speichern unter", "GeburtstageSpeichern", {}},
                     {"Daten-Import", "Import", QKeySequence(Qt::CTRL | Qt::Key_M)},
                     {"&Beenden", "Beenden", QKeySequence(Qt::CTRL | Qt::Key_B)}});
    }
    {
        SCOPED_TRACE("Optionen");
        expectItems(
            bar[1]->menu(),
            {{"Eintrag suchen", "Eintragssuche", {}}, {"Quick-Info aus", "QuickInfoAus", {}}});
    }
    {
        SCOPED_TRACE("Hilfe");
        expectItems(bar[2]->menu(),
                    {{"&Info", "Info", QKeySequence(Qt::CTRL | Qt::Key_I)},
                     {"Programmbeschreibung", "Hilfe", {}}});
    }
}

TEST_F(WindowModel, PopupMenuExistsButNotInTheBar)
{
    const QMenu *popup = window().findChild<QMenu *>(QStringLiteral("MnuFile"));
    ASSERT_NE(popup, nullptr);
    expectItems(popup,
                {{"Neuer Eintrag", "neu", {}},
                 {"Eintrag editieren", "edit", {}},
                 {"Eintrag löschen", "löschen", {}},
                 {"Eintrag suchen", "suchen", {}}});
    for (const QAction *action : window().menuBar()->actions())
        EXPECT_NE(action->menu(), popup) << action->text().toStdString();
    EXPECT_FALSE(popup->isVisible());
}

} // namespace
} // namespace quirnel::testing
