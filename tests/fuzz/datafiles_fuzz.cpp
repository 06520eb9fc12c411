// libFuzzer target: arbitrary bytes as the two data files, through reading, the
// start-up overview, and a save read back. Nothing may crash or hang, and what is
// saved must read back as the same lists.

#include "core/appointments.h"
#include "core/datafile.h"
#include "core/overview.h"
#include "core/sorting.h"

#include <cstdint>
#include <cstdlib>

using namespace quirnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto check = [](bool ok) { ok ? void() : std::abort(); };
    // The first byte says where the birthday file ends and the appointment file begins.
    if (size == 0)
        return 0;
    const auto files
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const qsizetype split = files.size() * data[0] / 255;
    const QStringList lists[] = {sorting::sortedNoCase(datafile::splitLines(files.first(split))),
                                 sorting::sortedNoCase(datafile::splitLines(files.sliced(split)))};
    const auto &[birthdays, appointments] = lists;
    static const auto names = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));
    for (const QDate today : {QDate(2026, 12, 5), QDate(2028, 2, 28), QDate(2027, 1, 1)}) {
        const overview::Result r = overview::compute(birthdays, appointments, today, names);
        check(r.birthdayCount == birthdays.size() && r.appointmentCount == appointments.size());
        (void)appointments::ofWeek(appointments, today);
        (void)appointments::ofMonth(appointments, today.month(), today.year());
        (void)appointments::ofDay(appointments, today);
    }
    // Every line read from a file can be written back, and comes back unchanged.
    for (const QStringList &lines : lists) {
        const datafile::Encoded saved = datafile::encode(lines);
        check(saved.badEntry < 0 && datafile::splitLines(saved.bytes) == lines);
    }
    return 0;
}
