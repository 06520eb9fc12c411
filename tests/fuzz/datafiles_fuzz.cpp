// libFuzzer target: arbitrary bytes as the two data files, through reading, the
// start-up overview, and a save read back. Nothing may crash or hang, and what is
// saved must read back as the same lists.

#include "core/appointments.h"
#include "core/datafile.h"
#include "core/overview.h"
#include "core/sorting.h"

#include <QDate>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

using namespace quirnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte says where the birthday file ends and the appointment file begins.
    if (size == 0)
        return 0;
    const auto *bytes = reinterpret_cast<const char *>(data + 1);
    const auto rest = static_cast<qsizetype>(size - 1);
    const qsizetype split = rest * data[0] / 255;
    const QByteArray birthdayFile(bytes, split);
    const QByteArray appointmentFile(bytes + split, rest - split);

    static const overview::Names names
        = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));
    const QStringList birthdays = sorting::sortedNoCase(datafile::splitLines(birthdayFile));
    const QStringList appointments = sorting::sortedNoCase(datafile::splitLines(appointmentFile));

    for (const QDate today : {QDate(2026, 12, 5), QDate(2028, 2, 28), QDate(2027, 1, 1)}) {
        const overview::Result result = overview::compute(birthdays, appointments, today, names);
        if (result.birthdayCount != birthdays.size()
            || result.appointmentCount != appointments.size())
            std::abort();
        (void)appointments::ofWeek(appointments, today);
        (void)appointments::ofMonth(appointments, today.month(), today.year());
        (void)appointments::ofDay(appointments, today);
    }

    for (const QStringList *lines : {&birthdays, &appointments}) {
        const datafile::Encoded saved = datafile::encode(*lines);
        // Every line read from a file can be written back, and comes back unchanged.
        if (saved.badEntry >= 0 || datafile::splitLines(saved.bytes) != *lines)
            std::abort();
    }
    return 0;
}
