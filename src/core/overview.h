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
// "Dez". Qt's German short forms end with a dot, which is dropped here; the short German
// month names are the program's own (dates::germanMonthShort).
struct Names {
    std::array<QString, 8> dayLong;     // 1 = Monday .. 7 = Sunday
    std::array<QString, 8> dayShort;    // two letters
    std::array<QString, 13> monthLong;  // 1..12
    std::array<QString, 13> monthShort; // 1..12
    static Names from(const QLocale &locale);
};

struct Result {
    int birthdayCount = 0;
    int appointmentCount = 0;

    QString todayHeading;        // "Geburtstagskalender", "GEBURTSTAG HAT HEUTE: ",
                                 // "Geburtstag haben heute:" or "49. Woche"
    QString jubileeHeading;      // "Jubiläen 2026"
    QString birthdayListHeading; // "Geburtstags-Verzeichnis"
    QString dayName;             // "Samstag"
    QString monthHeading;        // "Geburtstage im Dezember"
    QString weekButtonCaption;   // "Woche"
    QString weekTitle;           // " 2026   Dez   49. Woche"
    int week = 0;

    // Who has a birthday today: one shows name and age, more show a list.
    int birthdayCountToday = 0;
    QString nameToday;    // the last one found
    QString ageLine;      // "und wird 50 Jahre alt"
    QString greetingLeft; // "HAPPY" and "BIRTHDAY!", set only when someone has a birthday
    QString greetingRight;
    QStringList birthdayNamesToday; // "(50.)   Hans Muster", in the order of the birthday list
    bool showNameList = false;
    bool showName = true;
    bool showAge = true;

    // Sorted without regard to case.
    QStringList jubilees;
    QStringList monthBirthdays;
    QStringList weekBirthdays;

    // The look-back and look-ahead strip.
    QStringList stripLines; // sorted
    QStringList aheadNames; // in the order found
    QStringList backNames;
    bool showStrip = false;
    bool showAheadCount = false; // with its arrow
    bool showBackCount = false;

    QStringList todaysAppointments; // in the order of the appointment list
    bool showTodaysAppointments = false;
};

// Both line lists are in the (sorted) order of the data lists.
Result compute(const QStringList &birthdays, const QStringList &appointments, QDate today,
               const Names &names);
// The two halves of compute(). They fill separate fields, so that each may run on its
// own thread, beside reading the other file.
void addBirthdays(Result &r, const QStringList &birthdays, QDate today, const Names &names);
void addAppointments(Result &r, const QStringList &appointments, QDate today);

} // namespace quirnel::overview
