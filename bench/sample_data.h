#pragma once

// Realistic data files for the benchmarks: German names and texts with umlauts and the
// Windows-1252 bytes 0x80-0x9F, random dates, one appointment in five without a time.

#include <QDate>
#include <QFile>
#include <QStringConverter>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace quirnel::bench {

inline const char16_t *const firstNames[]
    = {u"Jürgen", u"Jörg",   u"Björn", u"Sören", u"Käthe", u"Günter", u"Bärbel", u"Hans",
       u"Eva",    u"Otto",   u"Lena",  u"Ömer",  u"Änne",  u"Marie",  u"Stefan", u"Özlem",
       u"Jonas",  u"Sophie", u"Max",   u"Renée", u"Uwe",   u"Gisela", u"Dörte",  u"Frank"};
inline const char16_t *const lastNames[]
    = {u"Müller",    u"Schäfer",    u"Köhler",       u"Weiß",    u"Groß",       u"Böhm",
       u"Krüger",    u"Jäger",      u"Hölzl",        u"Schmidt", u"Meyer",      u"Wagner",
       u"Becker",    u"Hoffmann",   u"Schulz",       u"Koch",    u"Richter",    u"Klein",
       u"Wolf",      u"Schröder",   u"Neumann",      u"Schwarz", u"Zimmermann", u"Braun",
       u"von Bülow", u"de la Cruz", u"Lüdenscheidt", u"Özdemir"};
// Appointment texts include the bytes 0x80-0x9F where Windows-1252 differs from Latin-1.
inline const char16_t *const appointmentTexts[] = {u"Zahnarzt, Dr. Berg",
                                                   u"Elternabend",
                                                   u"Rechnung über 120 € zahlen",
                                                   u"„Tatort“ mit Käthe",
                                                   u"Übergabe – Büro Süd",
                                                   u"Müllabfuhr",
                                                   u"Geburtstag feiern",
                                                   u"Weihnachtsmarkt mit Eva",
                                                   u"TÜV für den Wagen",
                                                   u"Steuererklärung abgeben",
                                                   u"Friseur",
                                                   u"Kündigung schicken…",
                                                   u"Ärztin: Blutabnahme",
                                                   u"‚Kaffee‘ bei Jörg"};

template<typename T, std::size_t N>
inline QString pick(std::mt19937 &random, const T (&names)[N])
{
    return QString::fromUtf16(names[random() % N]);
}

inline QString dateText(QDate date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

inline QStringList birthdayLines(int count, std::mt19937 &random)
{
    const QDate first(1930, 1, 1);
    const auto span = static_cast<unsigned>(first.daysTo(QDate(2025, 12, 31)));
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(dateText(first.addDays(random() % span)) + QStringLiteral("     ")
                     + pick(random, firstNames) + u' ' + pick(random, lastNames));
    return lines;
}

inline QStringList appointmentLines(int count, std::mt19937 &random)
{
    const QDate first(2026, 1, 1);
    const auto span = static_cast<unsigned>(first.daysTo(QDate(2027, 12, 31)));
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString date = dateText(first.addDays(random() % span));
        // One in five has no time of day: twelve asterisks stand in its place.
        const QString time = random() % 5 == 0
            ? QStringLiteral("************")
            : QStringLiteral("%1:%2 Uhr")
                  .arg(7 + random() % 14, 2, 10, QLatin1Char('0'))
                  .arg(15 * (random() % 4), 2, 10, QLatin1Char('0'));
        lines.append(date + QStringLiteral("  ") + time + QStringLiteral("   ")
                     + pick(random, appointmentTexts));
    }
    return lines;
}

// Encoded independently of the core, so that the files are what another writer makes.
inline QByteArray windows1252(const QStringList &lines)
{
    QStringEncoder encoder("windows-1252");
    if (!encoder.isValid()) {
        std::fputs("Qt has no windows-1252 converter\n", stderr);
        std::exit(1);
    }
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    if (encoder.hasError()) {
        std::fputs("generated text not storable in windows-1252\n", stderr);
        std::exit(1);
    }
    return bytes;
}

inline void writeOrDie(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace quirnel::bench
