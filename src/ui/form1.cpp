#include "ui/form1.h"

#include "ui/helptext.h"
#include "ui/layout.h"
#include "ui/sortedlist.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

// The pictures live in a static library, whose resources must be pulled in by name,
// outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace quirnel::ui {

namespace {

template<typename T>
T *bind(const QHash<QString, QWidget *> &controls, const char *name)
{
    auto *widget = qobject_cast<T *>(controls.value(QString::fromUtf8(name)));
    if (!widget)
        qFatal("control %s missing or of the wrong kind", name);
    return widget;
}

} // namespace

Form1::Form1(Services services)
    : m_services(std::move(services))
{
    initResources();
    if (m_services.dialogs) {
        m_dialogs = m_services.dialogs;
    } else {
        m_ownDialogs = std::make_unique<MessageBoxDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setWindowTitle(QString(16, QLatin1Char(' ')));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Form1"));
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
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connectHandlers();
    RichTextBox1->setHtml(helpText());
    m_startDate = today();
    Calendar1->setSelectedDate(today());
    Form_Load();
    setClockFormats();
    Timer1_Timer();
}

Form1::~Form1() = default;

void Form1::bindControls()
{
    const QHash<QString, QWidget *> c = buildControls(m_client);
#define BIND(type, member) member = bind<type>(c, #member)
    // clang-format off
    BIND(QLabel, Label1); BIND(QLabel, Label2); BIND(QLabel, Label3); BIND(QLabel, Label4);
    BIND(QLabel, Label5); BIND(QLabel, Label7); BIND(QLabel, Label8); BIND(QLabel, Label9);
    BIND(QLabel, Label10); BIND(QLabel, Label11); BIND(QLabel, Label12); BIND(QLabel, Label13);
    BIND(QLabel, Label14); BIND(QLabel, Label15); BIND(QLabel, Label16); BIND(QLabel, Label18);
    BIND(QLabel, Label19); BIND(QLabel, Label20); BIND(QLabel, Label21); BIND(QLabel, Label22);
    BIND(QLabel, Label23); BIND(QLabel, Label24);
    BIND(QLabel, PV); BIND(QLabel, PR); BIND(QLabel, Image2);
    BIND(QFrame, Shape1); BIND(QFrame, Shape2); BIND(QFrame, Shape3); BIND(QFrame, Shape4);
    BIND(QFrame, Line1); BIND(QFrame, Line6);
    BIND(QFrame, Frame1); BIND(QFrame, Frame2); BIND(QFrame, Frame3); BIND(QFrame, Frame4);
    BIND(QFrame, Frame5); BIND(QFrame, Frame6); BIND(QFrame, JahrPnl); BIND(QFrame, VorschPnl);
    BIND(QLineEdit, Text3); BIND(QLineEdit, Text4); BIND(QLineEdit, Text5); BIND(QLineEdit, Text6);
    BIND(QLineEdit, Text7); BIND(QLineEdit, Text10); BIND(QLineEdit, Text11); BIND(QLineEdit, Text12);
    BIND(QLineEdit, Text13); BIND(QLineEdit, Text14); BIND(QLineEdit, Text15); BIND(QLineEdit, Text16);
    BIND(QLineEdit, Text17); BIND(QLineEdit, Text18); BIND(QLineEdit, VT); BIND(QLineEdit, RT);
    BIND(QTextEdit, Text1); BIND(QTextEdit, Text2); BIND(QTextEdit, Text8); BIND(QTextEdit, Text9);
    BIND(QPushButton, Command1); BIND(QPushButton, Command2); BIND(QPushButton, Command3);
    BIND(QPushButton, Command5); BIND(QPushButton, Command6); BIND(QPushButton, Command7);
    BIND(QPushButton, Command8); BIND(QPushButton, Command9); BIND(QPushButton, Command10);
    BIND(QPushButton, Command11); BIND(QPushButton, Command12); BIND(QPushButton, Command13);
    BIND(QPushButton, Command14); BIND(QPushButton, Command15); BIND(QPushButton, Command16);
    BIND(QPushButton, Command18); BIND(QPushButton, Info1); BIND(QPushButton, WochBtn);
    BIND(QPushButton, Jan); BIND(QPushButton, Feb); BIND(QPushButton, Mrz); BIND(QPushButton, Apr);
    BIND(QPushButton, Mai); BIND(QPushButton, Jun); BIND(QPushButton, Jul); BIND(QPushButton, Aug);
    BIND(QPushButton, Sep); BIND(QPushButton, Okt); BIND(QPushButton, Nov); BIND(QPushButton, Dez);
    BIND(QToolButton, Command17); BIND(QToolButton, Command4);
    BIND(ListBox, List1); BIND(ListBox, List2); BIND(ListBox, List3); BIND(ListBox, List4);
    BIND(ListBox, List5); BIND(ListBox, List6); BIND(ListBox, List7); BIND(ListBox, List8);
    BIND(ListBox, List9); BIND(ListBox, List10); BIND(ListBox, TBOX); BIND(ListBox, VLIST);
    BIND(ListBox, RLIST);
    BIND(QCalendarWidget, Calendar1); BIND(QCheckBox, check);
    BIND(QRadioButton, O2); BIND(QRadioButton, O3);
    BIND(QTextBrowser, RichTextBox1);
#undef BIND
    // clang-format on
    Label17[0] = bind<QLabel>(c, "Label17_0");
    Label17[1] = bind<QLabel>(c, "Label17_1");
    Termine = bind<QPushButton>(c, "Termine_0");
    Abbruch = bind<QPushButton>(c, "Abbruch_1");
    JahrTx = bind<QLineEdit>(c, "JahrTx_1");
    O1 = bind<QRadioButton>(c, "O1_0");
}

void Form1::buildMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &text,
                         const QKeySequence &shortcut = {}) {
        QAction *a = menu->addAction(text);
        a->setObjectName(QString::fromUtf8(name));
        a->setShortcut(shortcut);
        return a;
    };
    Datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    Datei->setObjectName(QStringLiteral("Datei"));
    TerminSpeichern
        = action(Datei, "TerminSpeichern", QStringLiteral("Termin-Datei speichern unter"));
    GeburtstageSpeichern = action(Datei, "GeburtstageSpeichern",
                                  QStringLiteral("Geburtstage-Datei speichern unter"));
    Import = action(Datei, "Import", QStringLiteral("Daten-Import"),
                    QKeySequence(QStringLiteral("Ctrl+M")));
    Beenden = action(Datei, "Beenden", QStringLiteral("&Beenden"),
                     QKeySequence(QStringLiteral("Ctrl+B")));

    Tool = menuBar()->addMenu(QStringLiteral("&Optionen"));
    Tool->setObjectName(QStringLiteral("Tool"));
    Eintragssuche = action(Tool, "Eintragssuche", QStringLiteral("Eintrag suchen"));
    QuickInfoAus = action(Tool, "QuickInfoAus", QStringLiteral("Quick-Info aus"));

    h = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    h->setObjectName(QStringLiteral("h"));
    Info = action(h, "Info", QStringLiteral("&Info"), QKeySequence(QStringLiteral("Ctrl+I")));
    Hilfe = action(h, "Hilfe", QStringLiteral("Programmbeschreibung"));

    // Never in the bar: opened at the mouse by a right click on a list.
    MnuFile = new QMenu(QStringLiteral("MnuFile"), this);
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    neu = action(MnuFile, "neu", QStringLiteral("Neuer Eintrag"));
    edit = action(MnuFile, "edit", QStringLiteral("Eintrag editieren"));
    loeschen = action(MnuFile, "löschen", QStringLiteral("Eintrag löschen"));
    suchen = action(MnuFile, "suchen", QStringLiteral("Eintrag suchen"));
}

} // namespace quirnel::ui
