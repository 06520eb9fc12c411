// Start-up: both files into the edit session, then the overview the core computes from
// them, shown once.

#include "ui/mainwindow.h"

#include "core/datafile.h"
#include "core/overview.h"
#include "ui/listview.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace quirnel::ui {

QString MainWindow::dataPath(const char *name) const
{
    const QString dir = m_services.dataDir.isEmpty() ? QDir::currentPath() : m_services.dataDir;
    return QDir(dir).filePath(QString::fromUtf8(name));
}

void MainWindow::loadFiles()
{
    loadFile(DataList::Birthdays, datafile::birthdayFileName);
    loadFile(DataList::Appointments, datafile::appointmentFileName);
    showOverview(overview::compute(m_session.list(DataList::Birthdays).lines(),
                                   m_session.list(DataList::Appointments).lines(), today(),
                                   overview::Names::from(m_services.locale)));
}

void MainWindow::loadFile(DataList which, const char *name)
{
    datafile::ReadResult result = datafile::read(dataPath(name));
    const bool readable = result.status != datafile::ReadResult::Status::Unreadable;
    if (!readable)
        m_dialogs->warn(this, QStringLiteral("Datei nicht lesbar"),
                        QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n%2\n\n"
                                       "Die Liste bleibt leer, und die Datei wird nicht "
                                       "überschrieben.")
                            .arg(QString::fromUtf8(name), result.error));
    m_session.load(which, std::move(result.lines), readable);
}

// The one place where the overview meets the controls.
void MainWindow::showOverview(const overview::Result &r)
{
    birthdayFileCount->setText(QString::number(r.birthdayCount));
    birthdayListCount->setText(QString::number(r.birthdayCount));
    appointmentFileCount->setText(QString::number(r.appointmentCount));
    appointmentListCount->setText(QString::number(r.appointmentCount));
    todayHeading->show();
    todayHeading->setText(r.todayHeading);
    jubileeHeading->setText(r.jubileeHeading);
    birthdayListHeading->setText(r.birthdayListHeading);
    dayNameLabel->setText(r.dayName);

    if (r.birthdayCountToday > 0) {
        greetingLeft->setPlainText(r.greetingLeft);
        greetingRight->setPlainText(r.greetingRight);
    }
    m_todayBirthdays.setLines(r.birthdayNamesToday);
    todayBirthdayList->setVisible(r.showNameList);
    nameToday->setPlainText(r.nameToday);
    nameToday->setVisible(r.showName);
    ageLine->setPlainText(r.ageLine);
    ageLine->setVisible(r.showAge);

    m_jubilees.setLines(r.jubilees);
    m_monthBirthdays.setLines(r.monthBirthdays);
    m_weekBirthdays.setLines(r.weekBirthdays);

    m_strip.setLines(r.stripLines);
    const auto count = [](const QStringList &names) {
        return names.isEmpty() ? QString() : QString::number(names.size());
    };
    aheadCount->setText(count(r.aheadNames));
    backCount->setText(count(r.backNames));
    stripPanel->setVisible(r.showStrip);
    aheadArrow->setVisible(r.showAheadCount);
    aheadCount->setVisible(r.showAheadCount);
    backArrow->setVisible(r.showBackCount);
    backCount->setVisible(r.showBackCount);

    monthBirthdayHeading->setText(r.monthHeading);
    appointmentWeekButton->setText(r.weekButtonCaption);
    weekTitle->setText(r.weekTitle);

    m_todaysAppointments = r.todaysAppointments;
    m_results.setLines(r.todaysAppointments);
    if (r.showTodaysAppointments) {
        resultPanel->show();
        resultList->show();
    }
    setWindowHeight(viewHeight);
}

} // namespace quirnel::ui
