#pragma once

// Form1 is the whole program: a fixed layout of named controls (controls.cpp) whose
// two lists List4 and TBOX hold the data while it runs. Start-up loads the two files
// into them and applies the overview computed by the core; from then on every handler
// is a short sequence of property changes on the controls, named like the controls
// and their events (Command7_Click), and only "Speichern" writes the files back.
// The window's height in twips is the mode: 6500 in the views, 7500 in edit mode.

#include "core/overview.h"
#include "ui/dialogs.h"

#include <QDateTime>
#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QCalendarWidget;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QTextEdit;
class QTimer;
class QToolButton;

namespace quirnel::ui {

class ListBox;

struct Services {
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QLocale locale = QLocale::system();
    QString dataDir;            // empty: the current working directory
    Dialogs *dialogs = nullptr; // null: real message boxes
    // Starts the program anew for the next day; false when it could not be started.
    std::function<bool()> restartProgram; // null: this executable, same folder
    std::function<void()> endProgram;     // null: leave the event loop
};

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(Services services = {});
    ~Form1() override;

    static constexpr double viewHeight = 6500;
    static constexpr double editHeight = 7500;
    double windowHeight() const { return m_heightTwips; }

    // True while the lists differ from what was last loaded or saved.
    bool hasUnsavedChanges() const;

    // Handlers, public so that tests can run the ones no control triggers directly.
    // window.cpp
    void Command7_Click();
    void Timer1_Timer();
    // views.cpp
    void Geburtstag();
    void Abbruch_Click();
    void Termine_Click();
    void Command10_Click();
    void MON_SELECT(const QString &Mon, const QString &Mnt);
    void Info1_Click();
    void Command12_Click();
    void Command9_Click();
    void Command1_Click();
    void WochBtn_Click();
    void Command16_Click();
    void Hilfe_Click();
    void Command18_Click();
    void Info_Click();
    void Beenden_Click();
    void QuickInfoAus_Click();
    // edit.cpp
    void Command4_Click();
    void Command17_Click();
    void Daten();
    void check_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command5_Click();
    void Text5_Change();
    // listops.cpp
    void Command6_Click();
    void QNLoesch();
    void loeschen_Click();
    void List4_DblClick();
    void TBOX_DblClick();
    void List4_KeyPress(QChar typed);
    void TBOX_KeyPress(QChar typed);
    void Command8_Click();
    void Command11_Click();
    void QNEdit();
    void edit_Click();
    void neu_Click();
    void List4_Click();
    void TBOX_Click();
    void List4_MouseDown(const QPoint &globalPos);
    void TBOX_MouseDown(const QPoint &globalPos);
    void Calendar1_Click(QDate date);
    void Calendar1_DblClick();
    void Text5_LostFocus();
    void Search();
    void Eintragssuche_Click();
    void suchen_Click();
    void Text3_Change();
    void Command3_Click();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // window.cpp
    void bindControls();
    void buildMenus();
    void connectHandlers();
    void Form_Load();
    QStringList loadFile(const char *name, ListBox *list, bool *unreadable);
    void berech();
    void Form_Activate();
    void setWindowHeight(double twips);
    void setCalendarMonthDay(int month, int day);
    QDate today() const;
    QString dataPath(const char *name) const;
    int calendarYear() const;
    // views.cpp
    void connectViews();
    void enlarge(ListBox *list, QLabel *heading);
    // edit.cpp
    void connectEdit();
    void showEditBand();
    // listops.cpp
    void connectListOps();
    void clearListKey(ListBox *list, const QString &title, QChar typed);
    void minuteClick(const QString &minutes);
    void enableTakeOut();
    void setClockFormats();
    void dropFieldTipsIfQuick();
    void dropHeldLines();
    void showMinutePicker(bool shown);
    void showResultPanel();
    bool writeBothFiles(const QStringList &birthdays, const QStringList &appointments);
    void scheduleTick();
    void restart();
    void endNow();

    Services m_services;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs = nullptr;
    QWidget *m_client = nullptr;
    double m_heightTwips = viewHeight;
    bool m_painted = false;
    QTimer *Timer1 = nullptr;
    QString m_dateFormat;
    QString m_timeFormat;
    QDate m_startDate;
    QDate m_restartFailedOn;
    bool m_restarting = false;
    bool m_quitting = false;
    QStringList m_savedBirthdays;
    QStringList m_savedAppointments;

    // form-level state
    int birthdayDeletionFlag = 0;
    int appointmentDeletionFlag = 0;
    int QuickFlag = 0;
    QString PickedDay;
    // A line taken out by "Löschen" or "Editieren" and not yet saved or put back.
    bool birthdayHeld = false;
    bool appointmentHeld = false;
    bool birthdayFileUnreadable = false;
    bool appointmentFileUnreadable = false;

public:
    // The controls, named as in the layout. Control arrays: Label17[0] and [1];
    // Termine, Abbruch, JahrTx and O1 are the single members of theirs.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label18, *Label19, *Label20,
        *Label21, *Label22, *Label23, *Label24;
    QLabel *Label17[2];
    QLabel *PV, *PR, *Image2;
    QFrame *Shape1, *Shape2, *Shape3, *Shape4, *Line1, *Line6;
    QFrame *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *JahrPnl, *VorschPnl;
    QLineEdit *Text3, *Text4, *Text5, *Text6, *Text7, *Text10, *Text11, *Text12, *Text13, *Text14,
        *Text15, *Text16, *Text17, *Text18, *JahrTx, *VT, *RT;
    QTextEdit *Text1, *Text2, *Text8, *Text9;
    QPushButton *Termine, *Abbruch, *Command1, *Command2, *Command3, *Command5, *Command6,
        *Command7, *Command8, *Command9, *Command10, *Command11, *Command12, *Command13, *Command14,
        *Command15, *Command16, *Command18, *Info1, *WochBtn;
    QPushButton *Jan, *Feb, *Mrz, *Apr, *Mai, *Jun, *Jul, *Aug, *Sep, *Okt, *Nov, *Dez;
    QToolButton *Command17, *Command4;
    ListBox *List1, *List2, *List3, *List4, *List5, *List6, *List7, *List8, *List9, *List10, *TBOX,
        *VLIST, *RLIST;
    QCalendarWidget *Calendar1;
    QCheckBox *check;
    QRadioButton *O1, *O2, *O3;
    QTextBrowser *RichTextBox1;

    QMenu *Datei, *Tool, *h, *MnuFile;
    QAction *TerminSpeichern, *GeburtstageSpeichern, *Import, *Beenden, *Eintragssuche,
        *QuickInfoAus, *Info, *Hilfe, *neu, *edit, *loeschen, *suchen;
};

} // namespace quirnel::ui
