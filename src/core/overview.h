#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The start-up overview as a pure function of (birthday lines, appointment lines,
// today, names). The window applies the result; nothing here touches a widget.
namespace quirnel::overview {

// Day and month names in the forms the texts use: "Samstag", "Sa", "Dezember",
// "Dez". Qt's German short forms end with a dot, which is dropped here.
struct Names {
    std::array<QString, 8> dayLong;     // 1 = Monday .. 7 = Sunday
    std::array<QString, 8> dayShort;    // two letters
    std::array<QString, 13> monthLong;  // 1..12
    std::array<QString, 13> monthShort; // 1..12
    static Names from(const QLocale &locale);
};

struct Result {
    // record counters
    int birthdayCount = 0;
    int appointmentCount = 0;

    // captions
    QString label3; // "Geburtstagskalender", "GEBURTSTAG HAT HEUTE: ", "Geburtstag haben heute:" or
                    // "49. Woche"
    QString label7; // "Jubiläen 2026"
    QString label1; // "Geburtstags-Verzeichnis"
    QString label2; // "Samstag"
    QString label4; // "Geburtstage im Dezember"
    QString command12; // "Woche"
    QString text11;    // " 2026   Dez   49. Woche"
    int week = 0;

    // today panel
    int birthdaysToday = 0;
    QString text1; // name of the (last) person with a birthday today
    QString text2; // "und wird 50 Jahre alt"
    QString text8; // greeting, set only when someone has a birthday today
    QString text9;
    QStringList list1; // "(50.)   Hans Muster", order of the birthday list
    bool list1Visible = false;
    bool text1Visible = true;
    bool text2Visible = true;

    // birthday lists, sorted without regard to case
    QStringList list3; // jubilees
    QStringList list2; // month
    QStringList list5; // week

    // look-back and look-ahead strip
    QStringList list6; // sorted
    QStringList vlist; // look-ahead names, in order found
    QStringList rlist; // look-back names, in order found
    QString vt;
    QString rt;
    bool stripVisible = false;
    bool aheadIndicators = false; // PV and VT
    bool backIndicators = false;  // PR and RT

    // today's appointments
    QStringList todaysAppointments;       // order of the appointment list (List8)
    QStringList todaysAppointmentsSorted; // the panel's list (List7)
    bool appointmentPanelVisible = false;
};

// Both line lists are in the (sorted) order of the data lists.
Result compute(const QStringList &birthdays, const QStringList &appointments, QDate today,
               const Names &names);

} // namespace quirnel::overview
