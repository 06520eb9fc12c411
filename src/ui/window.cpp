// Start-up, the window's mode height, activation and saving.

#include "ui/form1.h"

#include "core/datafile.h"
#include "core/overview.h"
#include "ui/layout.h"
#include "ui/sortedlist.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace quirnel::ui {

namespace {
// The window's frame and title take this much of its outer height.
constexpr double nonClientTwips = 605;
constexpr double clientWidthTwips = 7215;
} // namespace

QDate Form1::today() const
{
    return m_services.now().date();
}

QString Form1::dataPath(const char *name) const
{
    const QString dir = m_services.dataDir.isEmpty() ? QDir::currentPath() : m_services.dataDir;
    return QDir(dir).filePath(QString::fromUtf8(name));
}

void Form1::setWindowHeight(double twips)
{
    m_heightTwips = twips;
    m_client->setFixedSize(twips::toPixels(clientWidthTwips),
                           twips::toPixels(twips - nonClientTwips));
}

void Form1::connectHandlers()
{
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connectViews();
    connectEdit();
    connectListOps();
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Form_Load()
{
    birthdayDeletionFlag = 0;
    appointmentDeletionFlag = 0;
    m_savedBirthdays = loadFile(datafile::birthdayFileName, List4, &birthdayFileUnreadable);
    m_savedAppointments = loadFile(datafile::appointmentFileName, TBOX, &appointmentFileUnreadable);
    berech();
}

QStringList Form1::loadFile(const char *name, ListBox *list, bool *unreadable)
{
    const datafile::ReadResult result = datafile::read(dataPath(name));
    *unreadable = result.status == datafile::ReadResult::Status::Unreadable;
    if (*unreadable) {
        m_dialogs->warn(this, QStringLiteral("Datei nicht lesbar"),
                        QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden:\n%2\n\n"
                                       "Die Liste bleibt leer, und die Datei wird nicht "
                                       "überschrieben.")
                            .arg(QString::fromUtf8(name), result.error));
        return {};
    }
    return list->setLines(result.lines);
}

void Form1::berech()
{
    // The lists hold exactly what was loaded; reading the copies spares two passes.
    const overview::Result r = overview::compute(m_savedBirthdays, m_savedAppointments, today(),
                                                 overview::Names::from(m_services.locale));
    Text6->setText(QString::number(r.birthdayCount));
    Text7->setText(QString::number(r.birthdayCount));
    Text15->setText(QString::number(r.appointmentCount));
    Text16->setText(QString::number(r.appointmentCount));
    Label3->show();
    Label3->setText(r.label3);
    Label7->setText(r.label7);
    Label1->setText(r.label1);
    Label2->setText(r.label2);

    if (r.birthdaysToday > 0) {
        Text8->setPlainText(r.text8);
        Text9->setPlainText(r.text9);
    }
    List1->setLines(r.list1);
    List1->setVisible(r.list1Visible);
    Text1->setPlainText(r.text1);
    Text1->setVisible(r.text1Visible);
    Text2->setPlainText(r.text2);
    Text2->setVisible(r.text2Visible);

    List3->setLines(r.list3);
    List2->setLines(r.list2);
    List5->setLines(r.list5);

    List6->setLines(r.list6);
    VLIST->setLines(r.vlist);
    RLIST->setLines(r.rlist);
    VT->setText(r.vt);
    RT->setText(r.rt);
    VorschPnl->setVisible(r.stripVisible);
    PV->setVisible(r.aheadIndicators);
    VT->setVisible(r.aheadIndicators);
    PR->setVisible(r.backIndicators);
    RT->setVisible(r.backIndicators);

    Label4->setText(r.label4);
    Command12->setText(r.command12);
    Text11->setText(r.text11);

    List7->setLines(r.todaysAppointmentsSorted);
    List8->setLines(r.todaysAppointments);
    if (r.appointmentPanelVisible) {
        Frame3->show();
        List7->show();
    }
    setWindowHeight(viewHeight);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QMainWindow::changeEvent(event);
}

void Form1::Form_Activate()
{
    setCalendarMonthDay(today().month(), today().day());
}

void Form1::setCalendarMonthDay(int month, int day)
{
    // The year stays as the calendar has it; a day the month lacks is clamped.
    const int year = calendarYear();
    const int last = QDate(year, month, 1).daysInMonth();
    Calendar1->setSelectedDate(QDate(year, month, std::min(day, last)));
    Calendar1->setCurrentPage(year, month);
}

bool Form1::hasUnsavedChanges() const
{
    return List4->lines() != m_savedBirthdays || TBOX->lines() != m_savedAppointments;
}

// The locale's short forms, with a four-digit year and with seconds.
void Form1::setClockFormats()
{
    const QLocale &locale = m_services.locale;
    m_dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!m_dateFormat.contains(QStringLiteral("yyyy")))
        m_dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    m_timeFormat = locale.timeFormat(QLocale::ShortFormat);
    if (!m_timeFormat.contains(QLatin1Char('s')))
        m_timeFormat.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
}

void Form1::scheduleTick()
{
    // Aligned to the start of the next second: one wake-up a second, the clock on time.
    const int msec = m_services.now().time().msec();
    Timer1->start(1000 - msec + 2);
}

void Form1::Timer1_Timer()
{
    const QDateTime now = m_services.now();
    Label5->setText(m_services.locale.toString(now.date(), m_dateFormat));
    Label14->setText(m_services.locale.toString(now.time(), m_timeFormat) + QStringLiteral(" Uhr"));

    // The overview is computed at start-up only, so a new day needs a new process; it
    // waits for unsaved changes and open boxes, and a failed start is retried next day.
    const QDate date = now.date();
    if (date != m_startDate && date != m_restartFailedOn && !m_restarting && !hasUnsavedChanges()
        && !QApplication::activeModalWidget())
        restart();
    if (!m_restarting)
        scheduleTick();
}

void Form1::restart()
{
    const bool started = m_services.restartProgram
        ? m_services.restartProgram()
        : QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QDir::currentPath());
    if (!started) {
        m_restartFailedOn = m_services.now().date();
        return;
    }
    m_restarting = true;
    QTimer::singleShot(1000, this, &Form1::endNow);
}

void Form1::endNow()
{
    m_quitting = true;
    if (m_services.endProgram)
        m_services.endProgram();
    else
        QCoreApplication::exit(0);
}

// QT_LOGGING_RULES="quirnel.startup.debug=true" reports when the window was first
// painted, in milliseconds since the epoch, for measuring the start-up time.
Q_LOGGING_CATEGORY(lcStartup, "quirnel.startup", QtWarningMsg)

void Form1::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        qCDebug(lcStartup, "first paint at %lld", QDateTime::currentMSecsSinceEpoch());
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing from the title bar quits like "Beenden", asking first when edits are unsaved.
    if (!m_quitting && hasUnsavedChanges()
        && !m_dialogs->ask(this, QStringLiteral("Programm Ende"),
                           QStringLiteral("Programm beenden ?"))) {
        event->ignore();
        return;
    }
    m_quitting = true;
    event->accept();
}

bool Form1::writeBothFiles(const QStringList &birthdays, const QStringList &appointments)
{
    const struct {
        const char *name;
        const QStringList &lines;
        bool unreadable;
    } files[] = {{datafile::birthdayFileName, birthdays, birthdayFileUnreadable},
                 {datafile::appointmentFileName, appointments, appointmentFileUnreadable}};

    QByteArray bytes[2];
    for (int i = 0; i < 2; ++i) {
        const QString name = QString::fromUtf8(files[i].name);
        if (files[i].unreadable) {
            m_dialogs->warn(this, QStringLiteral("Speichern nicht möglich"),
                            QStringLiteral("Die Datei \"%1\" konnte beim Start nicht gelesen "
                                           "werden. Damit ihr Inhalt nicht verloren geht, wird "
                                           "nicht gespeichert.\n\nBitte das Programm neu starten, "
                                           "sobald die Datei wieder lesbar ist.")
                                .arg(name));
            return false;
        }
        const QStringList &lines = files[i].lines;
        const datafile::Encoded encoded = datafile::encode(lines);
        if (encoded.badEntry >= 0) {
            m_dialogs->warn(this, QStringLiteral("Speichern nicht möglich"),
                            QStringLiteral("Der Eintrag\n%1\nenthält ein Zeichen, das in der Datei "
                                           "\"%2\" nicht gespeichert werden kann.\n\nBitte den "
                                           "Eintrag ändern; es wurde nichts gespeichert.")
                                .arg(lines.at(encoded.badEntry), name));
            return false;
        }
        bytes[i] = encoded.bytes;
    }
    for (int i = 0; i < 2; ++i) {
        if (const auto error = datafile::write(dataPath(files[i].name), bytes[i])) {
            // The birthdays may already be written when the appointments fail: say so.
            const QString outcome = i == 0
                ? QStringLiteral("Die Änderungen sind nicht gespeichert.")
                : QStringLiteral("Die Geburtstage sind gespeichert, die "
                                 "Termine nicht.");
            m_dialogs->warn(
                this, QStringLiteral("Speichern fehlgeschlagen"),
                QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden:\n%2\n\n%3")
                    .arg(error->file, error->reason, outcome));
            return false;
        }
    }
    return true;
}

void Form1::Command7_Click()
{
    // Nothing of the edit state changes unless both files are written.
    const QStringList birthdays = List4->lines();
    const QStringList appointments = TBOX->lines();
    if (!writeBothFiles(birthdays, appointments))
        return;
    m_savedBirthdays = birthdays;
    m_savedAppointments = appointments;
    Label10->show();
    Label10->setText(
        QStringLiteral("%1  Nam.    %2  Term.").arg(List4->count()).arg(TBOX->count()));
    setColour(Label10, QPalette::Window, colour::green);
    Text6->setText(QString::number(List4->count()));
    Text15->setText(QString::number(TBOX->count()));
    dropHeldLines();
    List9->clear();
    List10->clear();
    Command7->setEnabled(false);
    Command8->setEnabled(true);
    Command15->setEnabled(true);
    showMinutePicker(false);
    Label11->show();
}

} // namespace quirnel::ui
