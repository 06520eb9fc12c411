// Start-up: both files into the edit session, then the overview the core computes from
// them, shown once.

#include "ui/mainwindow.h"

#include "core/datafile.h"
#include "core/overview.h"
#include "core/sorting.h"
#include "ui/listview.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <future>

namespace quirnel::ui {

QString MainWindow::dataFolder() const
{
    return m_services.dataDir.isEmpty() ? QDir::currentPath() : m_services.dataDir;
}

QString MainWindow::dataPath(const char *name) const
{
    return QDir(dataFolder()).filePath(QString::fromUtf8(name));
}

struct MainWindow::Loading {
    overview::Result overview;
    std::future<datafile::ReadResult> birthdays;
    std::future<datafile::ReadResult> appointments;
};

// Each file on a thread of its own, with its half of the overview: the two halves fill
// separate fields of one result.
std::shared_ptr<MainWindow::Loading> MainWindow::startLoading()
{
    auto loading = std::make_shared<Loading>();
    overview::Result *result = &loading->overview;
    const QDate day = today();
    loading->birthdays = std::async(std::launch::async,
                                    [result, day, path = dataPath(datafile::birthdayFileName),
                                     names = overview::Names::from(m_services.locale)] {
                                        datafile::ReadResult file = datafile::read(path);
                                        file.lines = sorting::inOrder(std::move(file.lines));
                                        overview::addBirthdays(*result, file.lines, day, names);
                                        return file;
                                    });
    loading->appointments = std::async(
        std::launch::async, [result, day, path = dataPath(datafile::appointmentFileName)] {
            datafile::ReadResult file = datafile::read(path);
            file.lines = sorting::inOrder(std::move(file.lines));
            overview::addAppointments(*result, file.lines, day);
            return file;
        });
    return loading;
}

void MainWindow::finishLoading(Loading &loading)
{
    const struct {
        DataList list;
        const char *name;
        std::future<datafile::ReadResult> &file;
    } files[] = {{DataList::Birthdays, datafile::birthdayFileName, loading.birthdays},
                 {DataList::Appointments, datafile::appointmentFileName, loading.appointments}};
    for (const auto &[list, name, future] : files) {
        datafile::ReadResult file = future.get();
        const bool readable = file.status != datafile::ReadResult::Status::Unreadable;
        if (!readable)
            m_dialogs->warn(this, QStringLiteral("Datei nicht lesbar"),
                            QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n%2\n\n"
                                           "Die Liste bleibt leer, und die Datei wird nicht "
                                           "überschrieben.")
                                .arg(QString::fromUtf8(name), file.error));
        // Put in order on the loading thread already.
        m_session.load(list, std::move(file.lines), readable, file.stamp, true);
    }
    showOverview(loading.overview);
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
