// Importing an address book of 10 000 contacts and exporting 100 000 birthdays as
// iCalendar and as vCard; each should stay well within a second. Run by hand:
//   bench_import [--benchmark_filter=...]

#include "sample_data.h"

#include "core/importing.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QTimeZone>

#include <random>

namespace {

using namespace quirnel;

// Contacts as the common exporters write them: version 3.0 with a phone, a mail address
// and a long folded note; a birthday in one of its forms for most, none for the rest.
QByteArray addressBook(int contacts)
{
    std::mt19937 random(20261205u);
    const QStringList people = bench::birthdayLines(contacts, random);
    const char *const forms[] = {"yyyyMMdd", "yyyy-MM-dd", "yyyy-MM-ddT00:00:00Z", "--MMdd"};
    QByteArray bytes;
    for (const QString &line : people) {
        const QString name = line.mid(15);
        const QDate date = QDate::fromString(line.left(10), u"dd.MM.yyyy");
        const qsizetype blank = name.indexOf(u' ');
        bytes += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name.toUtf8()
            + "\r\nN:" + name.mid(blank + 1).toUtf8() + ';' + name.left(blank).toUtf8() + ";;;\r\n"
            + "TEL;TYPE=CELL:+49 170 1234567\r\nEMAIL;TYPE=INTERNET:someone@example.org\r\n"
            + "NOTE:Kennengelernt beim Sommerfest im Garten\\, mit Kuchen und Musik und vi\r\n"
            + " elen Gästen aus der Nachbarschaft\r\n";
        if (random() % 10 != 0)
            bytes += "BDAY:" + date.toString(QString::fromLatin1(forms[random() % 4])).toUtf8()
                + "\r\n";
        bytes += "END:VCARD\r\n";
    }
    return bytes;
}

void importAddressBook(benchmark::State &state)
{
    const QByteArray bytes = addressBook(static_cast<int>(state.range(0)));
    std::mt19937 random(1);
    // Half as many birthdays are in the list already, for the duplicate check.
    const QStringList current = bench::birthdayLines(static_cast<int>(state.range(0)) / 2, random);
    const QTimeZone local("Europe/Berlin");
    qsizetype taken = 0;
    for (auto _ : state)
        taken = importing::read(bytes, current, {}, local).birthdays.size();
    state.counters["taken"] = static_cast<double>(taken);
    state.counters["MiB"] = static_cast<double>(bytes.size()) / (1 << 20);
}

void exportBirthdays(benchmark::State &state, importing::Format format)
{
    std::mt19937 random(2);
    const QStringList lines = bench::birthdayLines(static_cast<int>(state.range(0)), random);
    const QDateTime stamp(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC);
    qsizetype size = 0;
    for (auto _ : state)
        size = importing::exportBirthdays(lines, format, stamp).bytes.size();
    state.counters["MiB"] = static_cast<double>(size) / (1 << 20);
}

} // namespace

BENCHMARK(importAddressBook)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportBirthdays, ics, importing::Format::ICalendar)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportBirthdays, vcf, importing::Format::VCard)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
