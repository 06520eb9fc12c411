// "Daten-Import" from address books and calendars, and the two "… speichern unter" items,
// which write a list as a copy in the program's own format, as iCalendar or as vCard.

#include "ui/mainwindow.h"

#include "core/datafile.h"
#include "core/importing.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>

namespace quirnel::ui {

void MainWindow::connectImportExport()
{
    connect(importAction, &QAction::triggered, this, &MainWindow::importData);
    connect(saveBirthdaysAsAction, &QAction::triggered, this,
            [this] { exportList(DataList::Birthdays); });
    connect(saveAppointmentsAsAction, &QAction::triggered, this,
            [this] { exportList(DataList::Appointments); });
}

// What is taken over stands in the lists as if inserted by hand, unsaved until "Speichern".
void MainWindow::importData()
{
    const QString title = QStringLiteral("Daten-Import");
    const QString path = m_dialogs->openFileName(
        this, title,
        {QStringLiteral("Adressbücher und Kalender (*.vcf *.vcard *.ics)"),
         QStringLiteral("Alle Dateien (*)")});
    if (path.isEmpty())
        return;
    const importing::Result result = importing::readFile(
        path, m_session.list(DataList::Birthdays).lines(),
        m_session.list(DataList::Appointments).lines(), QTimeZone::systemTimeZone());
    if (!result.error.isEmpty()) {
        m_dialogs->warn(this, title, result.error);
        return;
    }
    const QString summary = importing::summary(result);
    if (result.birthdays.isEmpty() && result.appointments.isEmpty()) {
        m_dialogs->warn(this, title, summary);
        return;
    }
    if (!m_dialogs->choose(this, title, summary, QStringLiteral("Übernehmen"),
                           QStringLiteral("Abbrechen")))
        return;
    for (const QString &line : result.appointments)
        m_session.insert(DataList::Appointments, line);
    for (const QString &line : result.birthdays)
        m_session.insert(DataList::Birthdays, line);
    const DataList shown
        = result.birthdays.isEmpty() ? DataList::Appointments : DataList::Birthdays;
    if (!inEditMode())
        shown == DataList::Birthdays ? editBirthdays() : editAppointments();
    else if (m_session.edited() != shown)
        shown == DataList::Birthdays ? switchToBirthdays() : switchToAppointments();
    showInserted();
}

void MainWindow::exportList(DataList which)
{
    using importing::Format;
    const bool birthdays = which == DataList::Birthdays;
    const QString title = birthdays ? QStringLiteral("Geburtstage-Datei speichern unter")
                                    : QStringLiteral("Termin-Datei speichern unter");
    QStringList filters{QStringLiteral("QUIRNEL-Datei (*.dat)"),
                        QStringLiteral("iCalendar (*.ics)")};
    if (birthdays)
        filters << QStringLiteral("vCard (*.vcf)");
    Dialogs::SaveTarget target = m_dialogs->saveFileName(this, title, filters);
    if (target.path.isEmpty())
        return;
    constexpr Format byFilter[] = {Format::Own, Format::ICalendar, Format::VCard};
    constexpr const char *suffixes[] = {".dat", ".ics", ".vcf"};
    const qsizetype filter = std::clamp<qsizetype>(target.filter, 0, filters.size() - 1);
    if (QFileInfo(target.path).suffix().isEmpty())
        target.path += QLatin1String(suffixes[filter]);
    // A name typed with a known extension wins over the filter.
    const Format format = importing::formatOf(target.path, byFilter[filter]);
    const QStringList &lines = m_session.list(which).lines();
    const importing::Exported exported = birthdays
        ? importing::exportBirthdays(lines, format, m_services.now())
        : importing::exportAppointments(lines, format, m_services.now());
    if (format == Format::Own && !exported.leftOut.isEmpty()) {
        m_dialogs->warn(this, title, importing::leftOutNote(exported));
        return;
    }
    if (const auto error = datafile::write(target.path, exported.bytes)) {
        m_dialogs->warn(this, QStringLiteral("Speichern fehlgeschlagen"),
                        QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden:\n%2\n\n"
                                       "Eine Datei dieses Namens ist unverändert.")
                            .arg(error->file, error->reason));
        return;
    }
    if (const QString note = importing::leftOutNote(exported); !note.isEmpty())
        m_dialogs->warn(this, title, note);
}

} // namespace quirnel::ui
