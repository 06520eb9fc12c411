// The views: which controls show, where the birthday boxes stand, and the appointment
// selections in the result panel. The views never change List4 or TBOX.

#include "ui/form1.h"

#include "core/appointments.h"
#include "ui/form2.h"
#include "ui/layout.h"
#include "ui/sortedlist.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace quirnel::ui {

namespace {

using namespace colour;

void setColours(ListBox *list, QRgb back, QRgb fore)
{
    setColour(list, QPalette::Base, back);
    setColour(list, QPalette::Text, fore);
}

// A birthday box and its heading above it; the heading keeps its height.
void placeBox(ListBox *list, const QRectF &box, QLabel *heading, double headingLeft,
              double headingTop, double headingWidth)
{
    twips::place(list, box.left(), box.top(), box.width(), box.height());
    twips::setLeft(heading, headingLeft);
    twips::setTop(heading, headingTop);
    twips::setWidth(heading, headingWidth);
}

} // namespace

void Form1::connectViews()
{
    connect(Abbruch, &QPushButton::clicked, this, &Form1::Abbruch_Click);
    connect(Termine, &QPushButton::clicked, this, &Form1::Termine_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Info1, &QPushButton::clicked, this, &Form1::Info1_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(WochBtn, &QPushButton::clicked, this, &Form1::WochBtn_Click);
    connect(Command16, &QPushButton::clicked, this, &Form1::Command16_Click);
    connect(Hilfe, &QAction::triggered, this, &Form1::Hilfe_Click);
    connect(Command18, &QPushButton::clicked, this, &Form1::Command18_Click);
    connect(Info, &QAction::triggered, this, &Form1::Info_Click);
    connect(Beenden, &QAction::triggered, this, &Form1::Beenden_Click);
    connect(QuickInfoAus, &QAction::triggered, this, &Form1::QuickInfoAus_Click);

    static const char *const germanMonths[]
        = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
           "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    QPushButton *const buttons[] = {Jan, Feb, Mrz, Apr, Mai, Jun, Jul, Aug, Sep, Okt, Nov, Dez};
    for (int i = 0; i < 12; ++i) {
        const QString mon = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        const QString mnt = QString::fromUtf8(germanMonths[i]);
        connect(buttons[i], &QPushButton::clicked, this,
                [this, mon, mnt] { MON_SELECT(mon, mnt); });
    }
}

int Form1::calendarYear() const
{
    return Calendar1->yearShown();
}

// One birthday box over the whole box area; the stacking order covers the others.
void Form1::enlarge(ListBox *list, QLabel *heading)
{
    placeBox(list, {360, 2820, 6500, 2164}, heading, 360, 2460, 6500);
}

void Form1::Geburtstag()
{
    JahrPnl->hide();
    Text11->hide();
    Text13->hide();
    TBOX->hide();
    Termine->show();
    check->setChecked(false);
    Frame3->hide();
    Frame6->hide();
    Label17[1]->hide();
    Calendar1->hide();
    Text3->clear();
    List4->show();
    Command5->setEnabled(false);
    Command14->setEnabled(true);
    TBOX->hide();
    placeBox(List2, {360, 2817, 3135, 836}, Label4, 375, 2465, 3105);
    Label4->show();
    List2->show();
    placeBox(List5, {3720, 2817, 3135, 836}, Label15, 3720, 2465, 3135);
    List5->show();
    twips::place(List3, 360, 4109, 3135, 836);
    twips::setTop(Label7, 3756);
    twips::setWidth(Label7, 3135);
}

void Form1::Abbruch_Click()
{
    Geburtstag();
}

void Form1::Termine_Click()
{
    JahrPnl->hide();
    Calendar1->show();
    Text13->show();
    Frame6->hide();
    List4->hide();
    Text11->hide();
    Calendar1->setToolTip(QuickFlag == 0 ? QStringLiteral("Tag selektieren") : QString());
    List7->hide();
    Label17[1]->setText(QStringLiteral("Gesamt-Termin-Liste"));
    Abbruch->show();
    TBOX->show();
    Frame3->hide();
    Command9->show();
    Command10->show();
    Label17[1]->show();
    Label13->hide();
    Label12->hide();
    Text6->hide();
    Text7->hide();
}

// The result panel over the birthday boxes, with the calendar on today's month and day.
void Form1::showResultPanel()
{
    Calendar1->show();
    setCalendarMonthDay(today().month(), today().day());
    Frame6->hide();
    Frame3->show();
    List7->show();
}

void Form1::Command10_Click()
{
    List4->hide();
    JahrPnl->show();
    Text11->hide();
    Text13->hide();
    showResultPanel();
    Command1->hide();
    setColours(List7, grey, black);
    Label17[0]->show();
    const QDate first(today().year(), today().month(), 1);
    Label17[0]->setText(QStringLiteral("Termine im ")
                        + m_services.locale.toString(first, QStringLiteral("MMMM")));
    const QStringList found = appointments::ofMonth(TBOX->lines(), today().month(), calendarYear());
    if (!found.isEmpty()) {
        Frame3->show();
        List7->show();
    }
    List7->setLines(found);
}

void Form1::MON_SELECT(const QString &Mon, const QString &Mnt)
{
    Label17[0]->setText(QStringLiteral("Termine im ") + Mnt);
    const QStringList found = appointments::ofMonth(TBOX->lines(), Mon.toInt(), calendarYear());
    if (!found.isEmpty())
        Frame3->show();
    List7->setLines(found);
}

void Form1::Info1_Click()
{
    Geburtstag();
    Frame3->hide();
    Label17[1]->hide();
    List4->hide();
    JahrPnl->hide();
    Text11->hide();
    Command5->setEnabled(false);
    Command14->setEnabled(true);
    TBOX->hide();
    enlarge(List2, Label4);
}

void Form1::Command12_Click()
{
    JahrPnl->hide();
    Text11->show();
    Text13->hide();
    showResultPanel();
    setColours(List7, darkGrey, white);
    Command1->hide();
    Label17[0]->show();
    Label17[0]->setText(QStringLiteral("Termine in dieser Woche"));
    List7->clear();
    Frame6->hide();
    const QStringList found = appointments::ofWeek(TBOX->lines(), today());
    if (!found.isEmpty()) {
        Frame3->show();
        List7->show();
    }
    List7->setLines(found);
}

void Form1::Command9_Click()
{
    JahrPnl->hide();
    Text11->hide();
    Text13->hide();
    Calendar1->hide();
    Command1->hide();
    setColours(List7, veryLightGrey, black);
    List7->clear();
    Frame6->hide();
    for (int i = 0; i < List8->count(); ++i)
        List7->add(List8->line(i));
    setCalendarMonthDay(today().month(), today().day());
    Label17[0]->show();
    Label17[0]->setText(QStringLiteral("Termine heute:"));
    Frame3->show();
    Label17[1]->hide();
    List7->show();
}

void Form1::Command1_Click()
{
    Label17[1]->hide();
    Frame3->hide();
}

void Form1::WochBtn_Click()
{
    Geburtstag();
    List4->hide();
    List2->hide();
    Label4->hide();
    enlarge(List5, Label15);
}

void Form1::Command16_Click()
{
    Geburtstag();
    List5->hide();
    List4->hide();
    List2->hide();
    Label4->hide();
    enlarge(List3, Label7);
}

// Help, about, quit and quick-info

void Form1::Hilfe_Click()
{
    twips::setHeight(Frame2, windowHeight() < editHeight ? 5737 : 6700);
    Frame2->show();
}

void Form1::Command18_Click()
{
    Frame2->hide();
}

void Form1::Info_Click()
{
    auto *about = new Form2(this);
    about->exec();
}

void Form1::Beenden_Click()
{
    if (!m_dialogs->ask(this, QStringLiteral("Programm Ende"),
                        QStringLiteral("Programm beenden ?")))
        return;
    endNow();
}

void Form1::QuickInfoAus_Click()
{
    QuickFlag = 1;
    for (QWidget *control : std::initializer_list<QWidget *>{
             Command4,  Command5,  Command6, Command7,  Command8, Command11, Command15,
             Command13, Command14, Abbruch,  Command15, Termine,  Command17, check,
             List4,     TBOX,      Text4,    Text5,     Text10,   Calendar1})
        control->setToolTip(QString());
}

} // namespace quirnel::ui
