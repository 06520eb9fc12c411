#pragma once

// The main window: a fixed layout of controls built from one table (controls.cpp) and
// named by their role. The data lists are views of the edit session (core), which owns
// both lists and every line taken out of them; start-up loads the two files into it and
// shows the overview computed by the core, and only "Speichern" writes the files back.
// The window is 6500 twips high in the views and 7500 in edit mode. Its behaviour is
// grouped by concern: start-up and overview, views, edit mode, list operations, calendar
// entry, search, and the clock with restart and quit, each in its own file.

#include "core/editsession.h"
#include "core/overview.h"
#include "core/reminders.h"
#include "core/saving.h"
#include "ui/dialogs.h"
#include "ui/notifier.h"

#include <QDateTime>
#include <QLocale>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCalendarWidget;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSettings;
class QTextBrowser;
class QTextEdit;
class QTimer;
class QToolButton;

namespace quirnel::ui {

class ListView;

struct Services {
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QLocale locale = QLocale::system();
    QString dataDir;            // empty: the current working directory
    Dialogs *dialogs = nullptr; // null: real message boxes
    // Starts the program anew for the next day; false when it could not be started.
    std::function<bool()> restartProgram; // null: this executable, same folder
    std::function<void()> endProgram;     // null: leave the event loop
    Notifier *notifier = nullptr;         // null: the desktop's notifications
    QString settingsFile;                 // empty: the user's settings of the program
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Services services = {});
    ~MainWindow() override;

    static constexpr double viewHeight = 6500;
    static constexpr double editHeight = 7500;
    double windowHeight() const { return m_heightTwips; }
    bool inEditMode() const { return m_heightTwips == editHeight; }

    const EditSession &session() const { return m_session; }
    bool hasUnsavedChanges() const;
    // One tick of the clock; the timer calls it once a second.
    void tick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // mainwindow.cpp
    void bindControls();
    void buildMenus();
    void setWindowHeight(double twips);
    void setCalendarToToday();
    QDate today() const;
    // A tool tip that "Quick-Info aus" keeps empty.
    void setGovernedTip(QWidget *widget, const QString &tip);
    // startup.cpp
    struct Loading;
    std::shared_ptr<Loading> startLoading(); // shared: its deleter is made where it is complete
    void finishLoading(Loading &loading);
    void showOverview(const overview::Result &r);
    QString dataFolder() const;
    QString dataPath(const char *name) const;
    // views.cpp
    void connectViews();
    void showBirthdayView();
    void showAppointmentView();
    void showBirthdayBoxes(bool shown);
    void showMonthView();
    void showMonth(int month);
    void showBirthdayMonth();
    void showWeekView();
    void showTodayView();
    void closeResultPanel();
    void showBirthdayWeek();
    void showJubilees();
    void showHelp();
    void showAbout();
    void switchQuickInfoOff();
    void showResultPanel();
    void showResultLines(const QString &heading, const QStringList &lines);
    void spreadOverBoxes(ListView *list, QLabel *heading);
    // editmode.cpp
    void connectEditMode();
    void editBirthdays();
    void editAppointments();
    void enterAppointmentEdit();
    void setEditedList(DataList which);
    void showEditedList();
    void switchToAppointments();
    void switchToBirthdays();
    void leaveEditMode();
    void insertEntry();
    void showInserted();
    void updateInsertButton();
    void showEditBand();
    void showListCounts();
    void showListCount(DataList which);
    // listops.cpp
    void connectListOps();
    void deleteSelected();
    void deleteFromMenu();
    void park(DataList which);
    void clearListOnKey(DataList which, QChar typed);
    void discardChanges();
    void editSelected();
    void editFromMenu();
    void newFromMenu();
    void selectionChanged(DataList which);
    void openListMenu(DataList which, const QPoint &globalPos);
    void lockLists(bool locked);
    void clearEditFields();
    void saveLists();
    void warnSaveProblem(const saving::Outcome &outcome);
    void reportChangesFromOutside(const QList<saving::FromOutside> &changes);
    // calendarentry.cpp
    void connectCalendarEntry();
    void pickDate(QDate date);
    void pickHour();
    void pickMinutes(const QString &minutes);
    void showMinutePicker(bool shown);
    void correctDateField();
    // search.cpp
    void connectSearch();
    void openSearch();
    void searchFromMenu();
    void findEntry();
    void closeSearch();
    // clock.cpp
    void setClockFormats();
    void scheduleTick();
    bool editFieldsHoldText() const;
    void restart();
    void quit();
    void endNow();
    // importexport.cpp
    void connectImportExport();
    void importData();
    void exportList(DataList which);
    // reminders.cpp
    void buildReminderMenu(QMenu *options);
    void connectReminders();
    void checkReminders(const QDateTime &now);

    ListView *viewOf(DataList which) const;
    DataList shownList() const; // the data list in front: the appointments when they show

    Services m_services;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs = nullptr;
    EditSession m_session;
    LineList m_todayBirthdays{false};
    LineList m_jubilees{true};
    LineList m_monthBirthdays{true};
    LineList m_weekBirthdays{true};
    LineList m_strip{true};
    LineList m_results{true};
    QStringList m_todaysAppointments; // as found at start-up, for "Heute"
    QWidget *m_client = nullptr;
    double m_heightTwips = viewHeight;
    bool m_painted = false;
    bool m_quickInfoOff = false;
    QString m_pickedDay; // two digits, for the hour a double-click on the calendar gives
    QTimer *m_clockTimer = nullptr;
    QString m_dateFormat;
    QString m_timeFormat;
    QDate m_startDate;
    QDate m_restartFailedOn;
    bool m_restarting = false;
    bool m_quitting = false;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<Notifier> m_ownNotifier;
    Notifier *m_notifier = nullptr;
    int m_minutesAhead = 15; // < 0: no reminders
    QList<reminders::Reminder> m_reminders;
    QDate m_remindersDay; // of m_reminders; invalid: to be made anew
    QDateTime m_startedAt;

    // The controls, by region, each named as its object.
    QFrame *appointmentButtonFrame, *birthdayButtonFrame;
    QPushButton *appointmentViewButton, *appointmentMonthButton, *appointmentWeekButton,
        *appointmentTodayButton;
    QToolButton *appointmentEditButton;
    QPushButton *birthdayViewButton, *birthdayMonthButton, *birthdayWeekButton, *jubileeButton;
    QToolButton *birthdayEditButton;

    QLabel *dayNameLabel, *dateLabel, *clockLabel, *todayHeading;
    QTextEdit *nameToday, *ageLine, *greetingLeft, *greetingRight;
    ListView *todayBirthdayList;

    QLineEdit *appointmentTitle, *weekTitle;
    QCalendarWidget *calendar;
    QFrame *monthPanel;
    std::array<QPushButton *, 12> monthButtons;
    QFrame *searchPanel;
    QLineEdit *searchTitle, *searchField;
    QPushButton *cancelSearchButton;

    QLabel *monthBirthdayHeading, *weekBirthdayHeading, *jubileeHeading, *birthdayListHeading;
    ListView *monthBirthdayList, *weekBirthdayList, *jubileeList, *birthdayList;

    QLabel *appointmentListHeading;
    ListView *appointmentList;
    QFrame *resultPanel;
    QLabel *resultHeading;
    ListView *resultList;
    QPushButton *resultOkButton;

    QFrame *stripPanel;
    QLabel *aheadArrow, *backArrow;
    QLineEdit *aheadCount, *backCount;
    ListView *stripList;

    QFrame *editOutline;
    QLabel *textCaption, *dateCaption, *dateHint, *timeCaption, *timeHint, *minutesCaption,
        *saveStatusCaption, *saveStatus;
    QLineEdit *nameField, *dateField, *timeField;
    QRadioButton *minutes15, *minutes30, *minutes45;
    QFrame *minutesRule;
    QPushButton *appointmentModeButton, *birthdayModeButton, *deleteButton, *insertButton,
        *editButton, *saveButton, *discardButton, *exitButton;

    QLabel *birthdayCountCaption, *birthdayCountColumns;
    QLineEdit *birthdayFileCount, *birthdayListCount;
    QFrame *appointmentCountPanel;
    QLineEdit *appointmentFileCount, *appointmentListCount;

    QFrame *helpPage;
    QTextBrowser *helpText;
    QPushButton *helpOkButton;

    QMenu *listMenu;
    QAction *saveAppointmentsAsAction, *saveBirthdaysAsAction, *importAction;
    QAction *quitAction, *searchAction, *quickInfoOffAction, *aboutAction, *helpAction,
        *newEntryAction, *editEntryAction, *deleteEntryAction, *searchEntryAction;
};

} // namespace quirnel::ui
