#include "ui/controls.h"

#include <array>

namespace quirnel::ui {

namespace {

using namespace colour;

constexpr Style caption{paleYellow, 0, 0, nullptr};
constexpr Style arial825{0, 0, 8.25, nullptr};

// clang-format off
constexpr auto table = std::to_array<ControlRow>({
    // Labels, shapes and rules: always behind the windowed controls.
    {"Shape2", Kind::Shape, "", "", "", Visible, {255, 60, 6735, 5055}},
    {"Shape4", Kind::Shape, "", "", "", Visible, {360, 1560, 1935, 855}},
    {"Shape3", Kind::Shape, "", "", "", Visible, {4920, 1560, 1935, 855}},
    {"Label2", Kind::Label, "", "", "", Visible | Bordered | Centred | Bold, {2400, 240, 2415, 375}, {pink, 0, 12}},
    {"Label5", Kind::Label, "", "", "", Visible | Bordered | Centred, {2400, 600, 2415, 390}, {white, 0, 14.25}},
    {"Label14", Kind::Label, "", "Label14", "", Visible | Bordered | Centred, {2400, 1035, 2415, 255}, {white}},
    {"Label3", Kind::Label, "", "", "", Hidden | Bordered | Centred, {2400, 1320, 2415, 255}, {paleYellow, 0, 8.25}},
    {"Label15", Kind::Label, "", "Geburtstage in dieser Woche", "", Visible | Bordered | Centred, {3720, 2520, 3135, 255}, caption},
    {"Label4", Kind::Label, "", "", "", Visible | Bordered | Centred, {375, 2520, 3105, 255}, {paleYellow, darkGrey, 8.25}},
    {"Label7", Kind::Label, "", "Jubiläen", "", Visible | Bordered | Centred, {360, 3840, 3135, 255}, caption},
    {"Label1", Kind::Label, "", "", "", Visible | Bordered | Centred, {3720, 3840, 3135, 255}, {paleYellow, 0, 8.25}},
    {"Label17_1", Kind::Label, "", "Gesamt-Termin-Liste", "", Hidden | Bordered | Centred, {360, 2520, 6495, 285}, caption},
    {"Shape1", Kind::Shape, "", "", "", Hidden, {240, 5250, 6735, 1515}},
    {"Label8", Kind::Label, "", "   Vorname                  Name", "", Hidden, {360, 5400, 2175, 255}},
    {"Label9", Kind::Label, "", " Geb.-Datum    (TT.MM.JJJJ)", "", Hidden, {2760, 5400, 2175, 255}},
    {"Label18", Kind::Label, "", "(tt.mm.jjjj)", "", Hidden, {2940, 5955, 975, 255}, {0, 0, 6.75}},
    {"Label16", Kind::Label, "", "    Uhrzeit", "", Hidden, {3975, 5400, 900, 255}},
    {"Label19", Kind::Label, "", " (hh:mm)", "", Hidden, {4140, 5955, 720, 210}, {0, 0, 6.75}},
    {"Label23", Kind::Label, "", "Minuten selektieren", "", Hidden, {5250, 5385, 1635, 195}},
    {"Line6", Kind::Rule, "", "", "", Hidden, {4800, 5775, 380, 15}},
    {"Label11", Kind::Label, "", "Speicherstatus", "", Hidden | Centred, {5040, 5400, 1815, 255}},
    {"Label10", Kind::Label, "", "", "", Hidden | Bordered | Centred, {5040, 5640, 1815, 255}, {paleRed}},
    {"Label13", Kind::Label, "", "Datensätze Namen-Datei:", "", Hidden, {5025, 1605, 1695, 210}},
    {"Label12", Kind::Label, "", "   Datei                          Liste", "", Hidden, {5085, 1845, 1815, 255}},

    // Decorative frames of the two button columns.
    {"Frame4", Kind::GroupFrame, "", "", "", Visible, {360, 225, 1935, 1245}},
    {"Frame1", Kind::GroupFrame, "", "", "", Visible, {4920, 225, 1935, 1245}},

    // The box area, back to front: the views enlarge these onto one rectangle.
    {"List3", Kind::SortedList, "", "", "", Visible, {360, 4200, 3135, 855}},
    {"List5", Kind::SortedList, "", "", "", Visible, {3720, 2880, 3135, 855}, {veryLightGrey}},
    {"List2", Kind::SortedList, "", "", "", Visible, {360, 2880, 3135, 855}, {veryLightGrey}},
    {"List4", Kind::SortedList, "", "", "", Visible, {3720, 4200, 3135, 855}, arial825},
    {"TBOX", Kind::SortedList, "", "", "", Hidden, {360, 2880, 6495, 2205}},
    {"Frame3", Kind::Panel, "", "", "", Hidden, {360, 2460, 6495, 2625}, {grey}},
    {"Label17_0", Kind::Label, "Frame3", "Heute anstehende Termine:", "", Visible | Bordered | Centred, {120, 255, 6240, 255}, caption},
    {"List7", Kind::SortedList, "Frame3", "", "", Visible, {120, 630, 6240, 1815}, {veryLightGrey, black}},
    {"Command1", Kind::Button, "Frame3", "OK", "", Visible, {2865, 2130, 855, 300}},
    {"List8", Kind::List, "", "", "", Hidden, {315, 1395, 720, 285}},

    // Today panel.
    {"Text1", Kind::Memo, "", "", "", Visible | ReadOnly | Centred, {2400, 1545, 2415, 375}, {0, 0, 9.75}},
    {"List1", Kind::List, "", "", "", Hidden, {2400, 1680, 2415, 540}, {white, 0, 9.75}},
    {"Text2", Kind::Memo, "", "", "", Visible | ReadOnly | Centred, {2400, 2040, 2415, 375}},
    {"Text8", Kind::Memo, "", "  \n  \n  ", "", Disabled | ReadOnly | Centred, {360, 1560, 1935, 855}, {grey, 0, 12}},
    {"Text9", Kind::Memo, "", "  \n  ", "", Disabled | ReadOnly | Centred, {4920, 1560, 1935, 855}, {grey, 0, 12}},

    // Appointment record counters, behind the "T-Daten" button.
    {"Frame5", Kind::Panel, "", "", "", Hidden, {390, 1590, 1890, 795}},
    {"Label22", Kind::Label, "Frame5", "Datensätze Termin-Datei:", "", Visible, {75, 60, 1740, 210}},
    {"Label20", Kind::Label, "Frame5", "Datei", "", Visible, {75, 255, 615, 195}},
    {"Label21", Kind::Label, "Frame5", "Liste", "", Visible, {1185, 255, 615, 195}},
    {"Text15", Kind::Text, "Frame5", "", "", Visible, {75, 450, 615, 279}},
    {"Text16", Kind::Text, "Frame5", "", "", Visible, {1185, 450, 615, 279}},

    // Top centre: the calendar and what lies in front of it.
    {"Calendar1", Kind::Calendar, "", "", "", Hidden, {2325, 180, 2550, 2280}, {grey}},
    {"Text13", Kind::Text, "", "Terminübersicht", "", Hidden | Centred, {2400, 225, 2415, 330}, {tipYellow, 0, 9.75}},
    {"Text11", Kind::Text, "", "Text11", "", Hidden | Centred, {2385, 225, 2445, 330}, {tipYellow, 0, 9.75}},
    {"JahrPnl", Kind::Panel, "", "", "", Hidden, {2385, 135, 2445, 2295}, {grey}},
    {"JahrTx_1", Kind::Text, "JahrPnl", "Monats-Auswahl", "", Visible | Centred, {90, 180, 2265, 360}, {tipYellow, 0, 9.75}},
    {"Line1", Kind::Rule, "JahrPnl", "", "", Visible, {90, 615, 2265, 15}, {white}},
    {"Jan", Kind::Button, "JahrPnl", "Jan", "", Visible, {90, 720, 765, 360}},
    {"Feb", Kind::Button, "JahrPnl", "Feb", "", Visible, {840, 720, 765, 360}},
    {"Mrz", Kind::Button, "JahrPnl", "Mrz", "", Visible, {1590, 720, 765, 360}},
    {"Apr", Kind::Button, "JahrPnl", "Apr", "", Visible, {90, 1065, 765, 360}},
    {"Mai", Kind::Button, "JahrPnl", "Mai", "", Visible, {840, 1065, 765, 360}},
    {"Jun", Kind::Button, "JahrPnl", "Jun", "", Visible, {1590, 1065, 765, 360}},
    {"Jul", Kind::Button, "JahrPnl", "Jul", "", Visible, {90, 1410, 765, 360}},
    {"Aug", Kind::Button, "JahrPnl", "Aug", "", Visible, {840, 1410, 765, 360}},
    {"Sep", Kind::Button, "JahrPnl", "Sep", "", Visible, {1590, 1410, 765, 360}},
    {"Okt", Kind::Button, "JahrPnl", "Okt", "", Visible, {90, 1755, 765, 360}},
    {"Nov", Kind::Button, "JahrPnl", "Nov", "", Visible, {840, 1755, 765, 360}},
    {"Dez", Kind::Button, "JahrPnl", "Dez", "", Visible, {1590, 1755, 765, 360}},
    {"Frame6", Kind::Panel, "", "", "", Hidden, {2385, 135, 2445, 2295}, {grey}},
    {"Text18", Kind::Text, "Frame6", "Namen-Suchen", "", Visible | Centred | ReadOnly, {225, 255, 1980, 285}, {paleYellow}},
    {"Image2", Kind::Image, "Frame6", "", "", Visible, {1095, 690, 240, 240}, {0, 0, 0, ":/img/search.xpm"}},
    {"Text17", Kind::Text, "Frame6", "Such-Text-Eingabe", "", Visible | Centred | Borderless | ReadOnly, {360, 1050, 1710, 240}, {grey}},
    {"Text3", Kind::Text, "Frame6", "", "", Visible | Centred, {225, 1335, 1980, 285}},
    {"Command2", Kind::Button, "Frame6", "Suchen", "", Hidden, {240, 1815, 1965, 300}},
    {"Command3", Kind::Button, "Frame6", "Suche-Abbrechen", "", Visible, {240, 1815, 1965, 300}},

    // Navigation: appointment column left, birthday column right.
    {"Termine_0", Kind::Button, "", "Termine", " Ansicht Termine ", Visible | Bold, {390, 255, 1875, 300}, {white, 0, 8.25}},
    {"Command10", Kind::Button, "", "Monat", "", Visible, {390, 555, 1875, 300}},
    {"Command12", Kind::Button, "", "Termine Woche", "", Visible, {390, 855, 1875, 300}},
    {"Command9", Kind::Button, "", "Heute", "", Visible, {390, 1155, 1875, 300}},
    {"Command17", Kind::PictureButton, "", "T-Daten", " Termin einfügen oder bearbeiten ", Visible, {390, 1590, 1890, 810}, {0, 0, 0, ":/img/termine.xpm"}},
    {"Abbruch_1", Kind::Button, "", "Geburtstage", " Ansicht Geburtstage  ", Visible | Bold, {4950, 255, 1875, 300}, {white, 0, 8.25}},
    {"Info1", Kind::Button, "", "Monat", "", Visible, {4950, 555, 1875, 300}},
    {"WochBtn", Kind::Button, "", "Woche", "", Visible, {4950, 855, 1875, 300}},
    {"Command16", Kind::Button, "", "Jubiläen", "", Visible, {4950, 1155, 1875, 300}},
    {"Command4", Kind::PictureButton, "", "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten ", Visible, {4950, 1590, 1875, 810}, {0, 0, 0, ":/img/geburtstage.xpm"}},

    // Look-back and look-ahead strip.
    {"VorschPnl", Kind::Panel, "", "", "", Hidden, {135, 5130, 7005, 600}, {grey}},
    {"PV", Kind::Image, "VorschPnl", "", "", Hidden, {585, 135, 135, 240}, {0, 0, 0, ":/img/arrow_left.xpm"}},
    {"VT", Kind::Text, "VorschPnl", "", "", Hidden | Disabled | Centred, {180, 135, 285, 285}},
    {"VLIST", Kind::List, "VorschPnl", "", "", Hidden, {765, 90, 135, 255}},
    {"List6", Kind::SortedList, "VorschPnl", "", "", Visible, {900, 60, 5160, 450}, {pink}},
    {"RLIST", Kind::List, "VorschPnl", "", "", Hidden, {6105, 90, 135, 255}},
    {"RT", Kind::Text, "VorschPnl", "", "", Hidden | Disabled | Centred, {6495, 135, 285, 285}},
    {"PR", Kind::Image, "VorschPnl", "", "", Hidden, {6255, 135, 135, 240}, {0, 0, 0, ":/img/arrow_right.xpm"}},

    // Edit band.
    {"Text4", Kind::Text, "", "", "Vorname Name eintragen ", Hidden, {360, 5640, 2175, 285}},
    {"Text5", Kind::Text, "", "", "Geburtsdatum tt:mm:jjjj  eintragen", Hidden, {2730, 5640, 2175, 285}},
    {"Text10", Kind::Text, "", "", "Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden) ", Hidden, {3960, 5640, 855, 285}},
    {"O1_0", Kind::Option, "", "15", "Minuten selektieren ", Hidden, {5145, 5640, 510, 300}},
    {"O2", Kind::Option, "", "30", "Minuten selektieren ", Hidden, {5715, 5625, 510, 300}},
    {"O3", Kind::Option, "", "45", "Minuten selektieren ", Hidden, {6285, 5625, 585, 300}},
    {"check", Kind::CheckBox, "", "", "Check: Termin-Liste auswählen  - Uncheck: Geburtstags-Liste auswählen", Hidden, {1035, 6225, 330, 375}},
    {"Command14", Kind::Button, "", "Geburtstage", "In den Geburtstagsdaten-Bearbeitungs-Modus wechseln ", Visible, {360, 6255, 1000, 375}},
    {"Command13", Kind::Button, "", "Termine", " In den Termin-Bearbeitungs-Modus wechseln ", Visible, {360, 6255, 1000, 375}},
    {"Command6", Kind::Button, "", "Löschen", "Datensatz aus der Liste entfernen - wird noch nicht gespeichert ", Hidden | Disabled, {1365, 6255, 950, 375}},
    {"Command5", Kind::Button, "", "Einfügen", "Neuen oder geänderten Datensatz in die Liste einfügen ", Hidden, {2310, 6255, 950, 375}},
    {"Command11", Kind::Button, "", "Editieren", "Einen Eintrag zum Bearbeiten selektieren ", Hidden, {3255, 6255, 950, 375}},
    {"Command7", Kind::Button, "", "Speichern", "Änderungen oder Löschungen werden gespeichert ", Hidden, {4200, 6255, 950, 375}},
    {"Command8", Kind::Button, "", "Abbrechen", "Vorgenommene Änderungen werden rückgängig gemacht ", Hidden, {5145, 6255, 950, 375}},
    {"Command15", Kind::Button, "", "Exit", "Editier-Modus beenden ", Visible, {6090, 6255, 750, 375}},

    // Birthday record counters and the never-shown holders of edit mode.
    {"Text6", Kind::Text, "", "Text6", "", Hidden, {5040, 2040, 615, 285}},
    {"Text7", Kind::Text, "", "Text7", "", Hidden, {6120, 2040, 615, 285}},
    {"Text12", Kind::Text, "", "", "", Hidden, {6990, 2370, 1245, 300}},
    {"Text14", Kind::Text, "", "", "", Hidden, {7005, 1965, 990, 360}},
    {"List9", Kind::List, "", "", "", Hidden, {0, 0, 135, 255}},
    {"List10", Kind::List, "", "", "", Hidden, {0, 0, 135, 255}},

    // The help page, in front of everything.
    {"Frame2", Kind::Panel, "", "", "", Hidden, {0, 0, 7170, 9840}, {grey}},
    {"Label24", Kind::Label, "Frame2", "QUIRNEL PROGRAMM-BESCHREIBUNG", "", Visible | Centred | Bold, {1935, 225, 3045, 300}, {0, 0, 9.75}},
    {"RichTextBox1", Kind::RichText, "Frame2", "", "", Visible | ReadOnly, {120, 600, 6990, 4770}},
    {"Command18", Kind::Button, "Frame2", "OK", "", Visible, {3120, 5400, 960, 285}},
});
// clang-format on

} // namespace

std::span<const ControlRow> controlTable()
{
    return table;
}

} // namespace quirnel::ui
