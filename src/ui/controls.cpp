#include "ui/controls.h"

#include "core/dates.h"

#include <array>

namespace quirnel::ui {

namespace {

using namespace colour;
constexpr auto &month = dates::germanMonthShort;

constexpr Style caption{paleYellow, 0, 0, nullptr};
constexpr Style arial825{0, 0, 8.25, nullptr};

// clang-format off
constexpr auto table = std::to_array<ControlRow>({
    // Labels, shapes and rules: always behind the windowed controls.
    {"mainOutline", Kind::Shape, "", "", "", Visible, {255, 60, 6735, 5055}},
    {"greetingLeftOutline", Kind::Shape, "", "", "", Visible, {360, 1560, 1935, 855}},
    {"greetingRightOutline", Kind::Shape, "", "", "", Visible, {4920, 1560, 1935, 855}},
    {"dayNameLabel", Kind::Label, "", "", "", Visible | Bordered | Centred | Bold, {2400, 240, 2415, 375}, {pink, 0, 12}},
    {"dateLabel", Kind::Label, "", "", "", Visible | Bordered | Centred, {2400, 600, 2415, 390}, {white, 0, 14.25}},
    {"clockLabel", Kind::Label, "", "", "", Visible | Bordered | Centred, {2400, 1035, 2415, 255}, {white}},
    {"todayHeading", Kind::Label, "", "", "", Hidden | Bordered | Centred, {2400, 1320, 2415, 255}, {paleYellow, 0, 8.25}},
    {"weekBirthdayHeading", Kind::Label, "", "Geburtstage in dieser Woche", "", Visible | Bordered | Centred, {3720, 2520, 3135, 255}, caption},
    {"monthBirthdayHeading", Kind::Label, "", "", "", Visible | Bordered | Centred, {375, 2520, 3105, 255}, {paleYellow, darkGrey, 8.25}},
    {"jubileeHeading", Kind::Label, "", "Jubiläen", "", Visible | Bordered | Centred, {360, 3840, 3135, 255}, caption},
    {"birthdayListHeading", Kind::Label, "", "", "", Visible | Bordered | Centred, {3720, 3840, 3135, 255}, {paleYellow, 0, 8.25}},
    {"appointmentListHeading", Kind::Label, "", "Gesamt-Termin-Liste", "", Hidden | Bordered | Centred, {360, 2520, 6495, 285}, caption},
    {"editOutline", Kind::Shape, "", "", "", Hidden, {240, 5250, 6735, 1515}},
    {"textCaption", Kind::Label, "", "   Vorname                  Name", "", Hidden, {360, 5400, 2175, 255}},
    {"dateCaption", Kind::Label, "", " Geb.-Datum    (TT.MM.JJJJ)", "", Hidden, {2760, 5400, 2175, 255}},
    {"dateHint", Kind::Label, "", "(tt.mm.jjjj)", "", Hidden, {2940, 5955, 975, 255}, {0, 0, 6.75}},
    {"timeCaption", Kind::Label, "", "    Uhrzeit", "", Hidden, {3975, 5400, 900, 255}},
    {"timeHint", Kind::Label, "", " (hh:mm)", "", Hidden, {4140, 5955, 720, 210}, {0, 0, 6.75}},
    {"minutesCaption", Kind::Label, "", "Minuten selektieren", "", Hidden, {5250, 5385, 1635, 195}},
    {"minutesRule", Kind::Rule, "", "", "", Hidden, {4800, 5775, 380, 15}},
    {"saveStatusCaption", Kind::Label, "", "Speicherstatus", "", Hidden | Centred, {5040, 5400, 1815, 255}},
    {"saveStatus", Kind::Label, "", "", "", Hidden | Bordered | Centred, {5040, 5640, 1815, 255}, {paleRed}},
    {"birthdayCountCaption", Kind::Label, "", "Datensätze Namen-Datei:", "", Hidden, {5025, 1605, 1695, 210}},
    {"birthdayCountColumns", Kind::Label, "", "   Datei                          Liste", "", Hidden, {5085, 1845, 1815, 255}},

    // Decorative frames of the two button columns.
    {"appointmentButtonFrame", Kind::GroupFrame, "", "", "", Visible, {360, 225, 1935, 1245}},
    {"birthdayButtonFrame", Kind::GroupFrame, "", "", "", Visible, {4920, 225, 1935, 1245}},

    // The box area, back to front: the views enlarge these onto one rectangle.
    {"jubileeList", Kind::List, "", "", "", Visible, {360, 4200, 3135, 855}},
    {"weekBirthdayList", Kind::List, "", "", "", Visible, {3720, 2880, 3135, 855}, {veryLightGrey}},
    {"monthBirthdayList", Kind::List, "", "", "", Visible, {360, 2880, 3135, 855}, {veryLightGrey}},
    {"birthdayList", Kind::List, "", "", "", Visible, {3720, 4200, 3135, 855}, arial825},
    {"appointmentList", Kind::List, "", "", "", Hidden, {360, 2880, 6495, 2205}},
    {"resultPanel", Kind::Panel, "", "", "", Hidden, {360, 2460, 6495, 2625}, {grey}},
    {"resultHeading", Kind::Label, "resultPanel", "Heute anstehende Termine:", "", Visible | Bordered | Centred, {120, 255, 6240, 255}, caption},
    {"resultList", Kind::List, "resultPanel", "", "", Visible, {120, 630, 6240, 1815}, {veryLightGrey, black}},
    {"resultOkButton", Kind::Button, "resultPanel", "OK", "", Visible, {2865, 2130, 855, 300}},

    // Today panel.
    {"nameToday", Kind::Memo, "", "", "", Visible | ReadOnly | Centred, {2400, 1545, 2415, 375}, {0, 0, 9.75}},
    {"todayBirthdayList", Kind::List, "", "", "", Hidden, {2400, 1680, 2415, 540}, {white, 0, 9.75}},
    {"ageLine", Kind::Memo, "", "", "", Visible | ReadOnly | Centred, {2400, 2040, 2415, 375}},
    {"greetingLeft", Kind::Memo, "", "  \n  \n  ", "", Disabled | ReadOnly | Centred, {360, 1560, 1935, 855}, {grey, 0, 12}},
    {"greetingRight", Kind::Memo, "", "  \n  ", "", Disabled | ReadOnly | Centred, {4920, 1560, 1935, 855}, {grey, 0, 12}},

    // Appointment record counters, behind the "T-Daten" button.
    {"appointmentCountPanel", Kind::Panel, "", "", "", Hidden, {390, 1590, 1890, 795}},
    {"appointmentCountCaption", Kind::Label, "appointmentCountPanel", "Datensätze Termin-Datei:", "", Visible, {75, 60, 1740, 210}},
    {"appointmentFileColumn", Kind::Label, "appointmentCountPanel", "Datei", "", Visible, {75, 255, 615, 195}},
    {"appointmentListColumn", Kind::Label, "appointmentCountPanel", "Liste", "", Visible, {1185, 255, 615, 195}},
    {"appointmentFileCount", Kind::Text, "appointmentCountPanel", "", "", Visible, {75, 450, 615, 279}},
    {"appointmentListCount", Kind::Text, "appointmentCountPanel", "", "", Visible, {1185, 450, 615, 279}},

    // Top centre: the calendar and what lies in front of it.
    {"calendar", Kind::Calendar, "", "", "", Hidden, {2325, 180, 2550, 2280}, {grey}},
    {"appointmentTitle", Kind::Text, "", "Terminübersicht", "", Hidden | Centred, {2400, 225, 2415, 330}, {tipYellow, 0, 9.75}},
    {"weekTitle", Kind::Text, "", "", "", Hidden | Centred, {2385, 225, 2445, 330}, {tipYellow, 0, 9.75}},
    {"monthPanel", Kind::Panel, "", "", "", Hidden, {2385, 135, 2445, 2295}, {grey}},
    {"monthPanelTitle", Kind::Text, "monthPanel", "Monats-Auswahl", "", Visible | Centred, {90, 180, 2265, 360}, {tipYellow, 0, 9.75}},
    {"monthPanelRule", Kind::Rule, "monthPanel", "", "", Visible, {90, 615, 2265, 15}, {white}},
    {"month01", Kind::Button, "monthPanel", month[1], "", Visible, {90, 720, 765, 360}},
    {"month02", Kind::Button, "monthPanel", month[2], "", Visible, {840, 720, 765, 360}},
    {"month03", Kind::Button, "monthPanel", month[3], "", Visible, {1590, 720, 765, 360}},
    {"month04", Kind::Button, "monthPanel", month[4], "", Visible, {90, 1065, 765, 360}},
    {"month05", Kind::Button, "monthPanel", month[5], "", Visible, {840, 1065, 765, 360}},
    {"month06", Kind::Button, "monthPanel", month[6], "", Visible, {1590, 1065, 765, 360}},
    {"month07", Kind::Button, "monthPanel", month[7], "", Visible, {90, 1410, 765, 360}},
    {"month08", Kind::Button, "monthPanel", month[8], "", Visible, {840, 1410, 765, 360}},
    {"month09", Kind::Button, "monthPanel", month[9], "", Visible, {1590, 1410, 765, 360}},
    {"month10", Kind::Button, "monthPanel", month[10], "", Visible, {90, 1755, 765, 360}},
    {"month11", Kind::Button, "monthPanel", month[11], "", Visible, {840, 1755, 765, 360}},
    {"month12", Kind::Button, "monthPanel", month[12], "", Visible, {1590, 1755, 765, 360}},
    {"searchPanel", Kind::Panel, "", "", "", Hidden, {2385, 135, 2445, 2295}, {grey}},
    {"searchTitle", Kind::Text, "searchPanel", "Namen-Suchen", "", Visible | Centred | ReadOnly, {225, 255, 1980, 285}, {paleYellow}},
    {"searchIcon", Kind::Image, "searchPanel", "", "", Visible, {1095, 690, 240, 240}, {0, 0, 0, ":/img/search.xpm"}},
    {"searchHint", Kind::Text, "searchPanel", "Such-Text-Eingabe", "", Visible | Centred | Borderless | ReadOnly, {360, 1050, 1710, 240}, {grey}},
    {"searchField", Kind::Text, "searchPanel", "", "", Visible | Centred, {225, 1335, 1980, 285}},
    {"cancelSearchButton", Kind::Button, "searchPanel", "Suche-Abbrechen", "", Visible, {240, 1815, 1965, 300}},

    // Navigation: appointment column left, birthday column right.
    {"appointmentViewButton", Kind::Button, "", "Termine", " Ansicht Termine ", Visible | Bold, {390, 255, 1875, 300}, {white, 0, 8.25}},
    {"appointmentMonthButton", Kind::Button, "", "Monat", "", Visible, {390, 555, 1875, 300}},
    {"appointmentWeekButton", Kind::Button, "", "Termine Woche", "", Visible, {390, 855, 1875, 300}},
    {"appointmentTodayButton", Kind::Button, "", "Heute", "", Visible, {390, 1155, 1875, 300}},
    {"appointmentEditButton", Kind::PictureButton, "", "T-Daten", " Termin einfügen oder bearbeiten ", Visible, {390, 1590, 1890, 810}, {0, 0, 0, ":/img/termine.xpm"}},
    {"birthdayViewButton", Kind::Button, "", "Geburtstage", " Ansicht Geburtstage  ", Visible | Bold, {4950, 255, 1875, 300}, {white, 0, 8.25}},
    {"birthdayMonthButton", Kind::Button, "", "Monat", "", Visible, {4950, 555, 1875, 300}},
    {"birthdayWeekButton", Kind::Button, "", "Woche", "", Visible, {4950, 855, 1875, 300}},
    {"jubileeButton", Kind::Button, "", "Jubiläen", "", Visible, {4950, 1155, 1875, 300}},
    {"birthdayEditButton", Kind::PictureButton, "", "G-Daten", "Geburtstags-Daten oder Termine einfügen oder bearbeiten ", Visible, {4950, 1590, 1875, 810}, {0, 0, 0, ":/img/geburtstage.xpm"}},

    // Look-back and look-ahead strip.
    {"stripPanel", Kind::Panel, "", "", "", Hidden, {135, 5130, 7005, 600}, {grey}},
    {"aheadArrow", Kind::Image, "stripPanel", "", "", Hidden, {585, 135, 135, 240}, {0, 0, 0, ":/img/arrow_left.xpm"}},
    {"aheadCount", Kind::Text, "stripPanel", "", "", Hidden | Disabled | Centred, {180, 135, 285, 285}},
    {"stripList", Kind::List, "stripPanel", "", "", Visible, {900, 60, 5160, 450}, {pink}},
    {"backCount", Kind::Text, "stripPanel", "", "", Hidden | Disabled | Centred, {6495, 135, 285, 285}},
    {"backArrow", Kind::Image, "stripPanel", "", "", Hidden, {6255, 135, 135, 240}, {0, 0, 0, ":/img/arrow_right.xpm"}},

    // Edit band.
    {"nameField", Kind::Text, "", "", "Vorname Name eintragen ", Hidden, {360, 5640, 2175, 285}},
    {"dateField", Kind::Text, "", "", "Geburtsdatum tt:mm:jjjj  eintragen", Hidden, {2730, 5640, 2175, 285}},
    {"timeField", Kind::Text, "", "", "Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden) ", Hidden, {3960, 5640, 855, 285}},
    {"minutes15", Kind::Option, "", "15", "Minuten selektieren ", Hidden, {5145, 5640, 510, 300}},
    {"minutes30", Kind::Option, "", "30", "Minuten selektieren ", Hidden, {5715, 5625, 510, 300}},
    {"minutes45", Kind::Option, "", "45", "Minuten selektieren ", Hidden, {6285, 5625, 585, 300}},
    {"birthdayModeButton", Kind::Button, "", "Geburtstage", "In den Geburtstagsdaten-Bearbeitungs-Modus wechseln ", Visible, {360, 6255, 1000, 375}},
    {"appointmentModeButton", Kind::Button, "", "Termine", " In den Termin-Bearbeitungs-Modus wechseln ", Visible, {360, 6255, 1000, 375}},
    {"deleteButton", Kind::Button, "", "Löschen", "Datensatz aus der Liste entfernen - wird noch nicht gespeichert ", Hidden | Disabled, {1365, 6255, 950, 375}},
    {"insertButton", Kind::Button, "", "Einfügen", "Neuen oder geänderten Datensatz in die Liste einfügen ", Hidden, {2310, 6255, 950, 375}},
    {"editButton", Kind::Button, "", "Editieren", "Einen Eintrag zum Bearbeiten selektieren ", Hidden, {3255, 6255, 950, 375}},
    {"saveButton", Kind::Button, "", "Speichern", "Änderungen oder Löschungen werden gespeichert ", Hidden, {4200, 6255, 950, 375}},
    {"discardButton", Kind::Button, "", "Abbrechen", "Vorgenommene Änderungen werden rückgängig gemacht ", Hidden, {5145, 6255, 950, 375}},
    {"exitButton", Kind::Button, "", "Exit", "Editier-Modus beenden ", Visible, {6090, 6255, 750, 375}},

    // Birthday record counters.
    {"birthdayFileCount", Kind::Text, "", "", "", Hidden, {5040, 2040, 615, 285}},
    {"birthdayListCount", Kind::Text, "", "", "", Hidden, {6120, 2040, 615, 285}},

    // The help page, in front of everything.
    {"helpPage", Kind::Panel, "", "", "", Hidden, {0, 0, 7170, 9840}, {grey}},
    {"helpTitle", Kind::Label, "helpPage", "QUIRNEL PROGRAMM-BESCHREIBUNG", "", Visible | Centred | Bold, {1935, 225, 3045, 300}, {0, 0, 9.75}},
    {"helpText", Kind::RichText, "helpPage", "", "", Visible | ReadOnly, {120, 600, 6990, 4770}},
    {"helpOkButton", Kind::Button, "helpPage", "OK", "", Visible, {3120, 5400, 960, 285}},
});
// clang-format on

} // namespace

std::span<const ControlRow> controlTable()
{
    return table;
}

} // namespace quirnel::ui
