#include "ui/mainwindow.h"

#include "ui/helptext.h"
#include "ui/layout.h"
#include "ui/listview.h"

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <limits>

// The pictures live in a static library, whose resources must be pulled in by name,
// outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace quirnel::ui {

namespace {

template<typename T>
T *bind(const QHash<QString, QWidget *> &controls, const QString &name)
{
    auto *widget = qobject_cast<T *>(controls.value(name));
    if (!widget)
        qFatal("control %s missing or of the wrong kind", qPrintable(name));
    return widget;
}

} // namespace

MainWindow::MainWindow(Services services)
    : m_services(std::move(services))
{
    // The files are read and the overview computed while the window is being built.
    const std::shared_ptr<Loading> loading = startLoading();
    initResources();
    if (m_services.dialogs) {
        m_dialogs = m_services.dialogs;
    } else {
        m_ownDialogs = std::make_unique<MessageBoxDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setWindowTitle(QString(16, QLatin1Char(' ')));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    // Disabled texts stay readable on grey, as the counters in the strip must be.
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    bindControls();
    buildMenus();
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("clockTimer"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::tick);
    connectViews();
    connectEditMode();
    connectListOps();
    connectCalendarEntry();
    connectSearch();
    connectReminders();
    connectImportExport();
    helpText->setHtml(helpPageHtml(QDir::toNativeSeparators(dataFolder())));
    m_startDate = today();
    calendar->setSelectedDate(today());
    finishLoading(*loading);
    setClockFormats();
    tick();
    // The first reminders come with the next tick, after the window is up.
    m_startedAt = m_services.now();
}

MainWindow::~MainWindow() = default;

void MainWindow::bindControls()
{
    const QHash<QString, QWidget *> c = buildControls(m_client);
#define BIND(type, member) member = bind<type>(c, QStringLiteral(#member))
    // clang-format off
    BIND(QFrame, appointmentButtonFrame); BIND(QFrame, birthdayButtonFrame);
    BIND(QPushButton, appointmentViewButton); BIND(QPushButton, appointmentMonthButton);
    BIND(QPushButton, appointmentWeekButton); BIND(QPushButton, appointmentTodayButton);
    BIND(QToolButton, appointmentEditButton);
    BIND(QPushButton, birthdayViewButton); BIND(QPushButton, birthdayMonthButton);
    BIND(QPushButton, birthdayWeekButton); BIND(QPushButton, jubileeButton);
    BIND(QToolButton, birthdayEditButton);
    BIND(QLabel, dayNameLabel); BIND(QLabel, dateLabel); BIND(QLabel, clockLabel);
    BIND(QLabel, todayHeading);
    BIND(QTextEdit, nameToday); BIND(QTextEdit, ageLine); BIND(QTextEdit, greetingLeft);
    BIND(QTextEdit, greetingRight); BIND(ListView, todayBirthdayList);
    BIND(QLineEdit, appointmentTitle); BIND(QLineEdit, weekTitle);
    BIND(QCalendarWidget, calendar); BIND(QFrame, monthPanel);
    BIND(QFrame, searchPanel); BIND(QLineEdit, searchTitle); BIND(QLineEdit, searchField);
    BIND(QPushButton, cancelSearchButton);
    BIND(QLabel, monthBirthdayHeading); BIND(QLabel, weekBirthdayHeading);
    BIND(QLabel, jubileeHeading); BIND(QLabel, birthdayListHeading);
    BIND(ListView, monthBirthdayList); BIND(ListView, weekBirthdayList);
    BIND(ListView, jubileeList); BIND(ListView, birthdayList);
    BIND(QLabel, appointmentListHeading); BIND(ListView, appointmentList);
    BIND(QFrame, resultPanel); BIND(QLabel, resultHeading); BIND(ListView, resultList);
    BIND(QPushButton, resultOkButton);
    BIND(QFrame, stripPanel); BIND(QLabel, aheadArrow); BIND(QLabel, backArrow);
    BIND(QLineEdit, aheadCount); BIND(QLineEdit, backCount); BIND(ListView, stripList);
    BIND(QFrame, editOutline);
    BIND(QLabel, textCaption); BIND(QLabel, dateCaption); BIND(QLabel, dateHint);
    BIND(QLabel, timeCaption); BIND(QLabel, timeHint); BIND(QLabel, minutesCaption);
    BIND(QLabel, saveStatusCaption); BIND(QLabel, saveStatus);
    BIND(QLineEdit, nameField); BIND(QLineEdit, dateField); BIND(QLineEdit, timeField);
    BIND(QRadioButton, minutes15); BIND(QRadioButton, minutes30); BIND(QRadioButton, minutes45);
    BIND(QFrame, minutesRule);
    BIND(QPushButton, appointmentModeButton); BIND(QPushButton, birthdayModeButton);
    BIND(QPushButton, deleteButton); BIND(QPushButton, insertButton);
    BIND(QPushButton, editButton); BIND(QPushButton, saveButton);
    BIND(QPushButton, discardButton); BIND(QPushButton, exitButton);
    BIND(QLabel, birthdayCountCaption); BIND(QLabel, birthdayCountColumns);
    BIND(QLineEdit, birthdayFileCount); BIND(QLineEdit, birthdayListCount);
    BIND(QFrame, appointmentCountPanel);
    BIND(QLineEdit, appointmentFileCount); BIND(QLineEdit, appointmentListCount);
    BIND(QFrame, helpPage); BIND(QTextBrowser, helpText); BIND(QPushButton, helpOkButton);
    // clang-format on
#undef BIND
    for (int m = 1; m <= 12; ++m)
        monthButtons[m - 1]
            = bind<QPushButton>(c, QStringLiteral("month%1").arg(m, 2, 10, QLatin1Char('0')));

    birthdayList->setModel(&m_session.list(DataList::Birthdays));
    appointmentList->setModel(&m_session.list(DataList::Appointments));
    todayBirthdayList->setModel(&m_todayBirthdays);
    jubileeList->setModel(&m_jubilees);
    monthBirthdayList->setModel(&m_monthBirthdays);
    weekBirthdayList->setModel(&m_weekBirthdays);
    stripList->setModel(&m_strip);
    resultList->setModel(&m_results);
    // An edited line comes back into the name field whole, however long it is.
    nameField->setMaxLength(std::numeric_limits<int>::max());
}

void MainWindow::buildMenus()
{
    auto menu = [this](const char *name, const QString &title) {
        QMenu *m = menuBar()->addMenu(title);
        m->setObjectName(QString::fromUtf8(name));
        return m;
    };
    auto action = [](QMenu *menu, const char *name, const QString &text,
                     const QKeySequence &shortcut = {}) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromUtf8(name));
        a->setShortcut(shortcut);
        return a;
    };
    QMenu *file = menu("fileMenu", QStringLiteral("&Datei"));
    saveAppointmentsAsAction
        = action(file, "saveAppointmentsAsAction", QStringLiteral("Termin-Datei speichern unter"));
    saveBirthdaysAsAction = action(file, "saveBirthdaysAsAction",
                                   QStringLiteral("Geburtstage-Datei speichern unter"));
    importAction = action(file, "importAction", QStringLiteral("Daten-Import"),
                          QKeySequence(QStringLiteral("Ctrl+M")));
    quitAction = action(file, "quitAction", QStringLiteral("&Beenden"),
                        QKeySequence(QStringLiteral("Ctrl+B")));

    QMenu *options = menu("optionsMenu", QStringLiteral("&Optionen"));
    searchAction = action(options, "searchAction", QStringLiteral("Eintrag suchen"));
    quickInfoOffAction = action(options, "quickInfoOffAction", QStringLiteral("Quick-Info aus"));
    buildReminderMenu(options);

    QMenu *help = menu("helpMenu", QStringLiteral("&Hilfe"));
    aboutAction = action(help, "aboutAction", QStringLiteral("&Info"),
                         QKeySequence(QStringLiteral("Ctrl+I")));
    helpAction = action(help, "helpAction", QStringLiteral("Programmbeschreibung"));

    // Never in the bar: opened at the mouse by a right click on a list.
    listMenu = new QMenu(this);
    listMenu->setObjectName(QStringLiteral("listMenu"));
    newEntryAction = action(listMenu, "newEntryAction", QStringLiteral("Neuer Eintrag"));
    editEntryAction = action(listMenu, "editEntryAction", QStringLiteral("Eintrag editieren"));
    deleteEntryAction = action(listMenu, "deleteEntryAction", QStringLiteral("Eintrag löschen"));
    searchEntryAction = action(listMenu, "searchEntryAction", QStringLiteral("Eintrag suchen"));
}

namespace {
// The window's frame and title take this much of its outer height.
constexpr double nonClientTwips = 605;
constexpr double clientWidthTwips = 7215;
} // namespace

void MainWindow::setWindowHeight(double twips)
{
    m_heightTwips = twips;
    m_client->setFixedSize(twips::toPixels(clientWidthTwips),
                           twips::toPixels(twips - nonClientTwips));
}

QDate MainWindow::today() const
{
    return m_services.now().date();
}

// Today's month and day; the year stays as the calendar has it, and a day the month lacks
// is clamped.
void MainWindow::setCalendarToToday()
{
    const int year = calendar->yearShown();
    const int month = today().month();
    const int last = QDate(year, month, 1).daysInMonth();
    calendar->setSelectedDate(QDate(year, month, std::min(today().day(), last)));
    calendar->setCurrentPage(year, month);
}

void MainWindow::setGovernedTip(QWidget *widget, const QString &tip)
{
    widget->setToolTip(m_quickInfoOff ? QString() : tip);
}

ListView *MainWindow::viewOf(DataList which) const
{
    return which == DataList::Birthdays ? birthdayList : appointmentList;
}

DataList MainWindow::shownList() const
{
    return appointmentList->isHidden() ? DataList::Birthdays : DataList::Appointments;
}

bool MainWindow::hasUnsavedChanges() const
{
    return m_session.hasUnsavedChanges();
}

} // namespace quirnel::ui
