// Operations on the two data lists: deleting, clearing, discarding, editing an entry,
// selection and the pop-up menu, date and time from the calendar, and search.

#include "ui/form1.h"

#include "core/appointments.h"
#include "core/lines.h"
#include "ui/sortedlist.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

namespace quirnel::ui {

void Form1::connectListOps()
{
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(List4, &QListWidget::itemDoubleClicked, this, &Form1::List4_DblClick);
    connect(TBOX, &QListWidget::itemDoubleClicked, this, &Form1::TBOX_DblClick);
    connect(List4, &ListBox::characterTyped, this, &Form1::List4_KeyPress);
    connect(TBOX, &ListBox::characterTyped, this, &Form1::TBOX_KeyPress);
    connect(List4, &QListWidget::itemSelectionChanged, this, &Form1::List4_Click);
    connect(TBOX, &QListWidget::itemSelectionChanged, this, &Form1::TBOX_Click);
    connect(List4, &ListBox::rightPressed, this, &Form1::List4_MouseDown);
    connect(TBOX, &ListBox::rightPressed, this, &Form1::TBOX_MouseDown);
    connect(neu, &QAction::triggered, this, &Form1::neu_Click);
    connect(edit, &QAction::triggered, this, &Form1::edit_Click);
    connect(loeschen, &QAction::triggered, this, &Form1::loeschen_Click);
    connect(suchen, &QAction::triggered, this, &Form1::suchen_Click);
    connect(Eintragssuche, &QAction::triggered, this, &Form1::Eintragssuche_Click);
    connect(Calendar1, &QCalendarWidget::clicked, this, &Form1::Calendar1_Click);
    // A double-click on a day, not the calendar's "activated", which Enter also sends.
    if (auto *days
        = Calendar1->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview")))
        days->viewport()->installEventFilter(this);
    connect(O1, &QRadioButton::clicked, this, [this] { minuteClick(QStringLiteral("15")); });
    connect(O2, &QRadioButton::clicked, this, [this] { minuteClick(QStringLiteral("30")); });
    connect(O3, &QRadioButton::clicked, this, [this] { minuteClick(QStringLiteral("45")); });
    connect(Text3, &QLineEdit::textChanged, this, &Form1::Text3_Change);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    Text5->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text5 && event->type() == QEvent::FocusOut)
        Text5_LostFocus();
    if (event->type() == QEvent::MouseButtonDblClick && watched->parent()
        && watched->parent()->objectName() == QStringLiteral("qt_calendar_calendarview"))
        Calendar1_DblClick();
    return QMainWindow::eventFilter(watched, event);
}

// Deleting, clearing, discarding

void Form1::Command6_Click()
{
    QNLoesch();
}

void Form1::QNLoesch()
{
    Label10->setText(QStringLiteral(" nicht gesichert"));
    if (List4->count() > 0 || TBOX->count() > 0)
        Command7->setEnabled(true);
    // Only the list being edited: a selection left in the hidden list stays where it is.
    const bool birthdays = !check->isChecked();
    ListBox *list = birthdays ? List4 : TBOX;
    const int p = list->selectedIndex();
    if (p >= 0) {
        const QString line = list->line(p);
        list->removeAt(p);
        if (birthdays) {
            birthdayDeletionFlag = 1;
            birthdayHeld = true;
            Text12->setText(line);
            Text7->setText(QString::number(List4->count()));
        } else {
            appointmentDeletionFlag = 1;
            appointmentHeld = true;
            Text14->setText(line);
            Text16->setText(QString::number(TBOX->count()));
        }
        Command6->setEnabled(false);
    }
    Command11->setEnabled(false);
    TBOX->setEnabled(false);
    List4->setEnabled(false);
    Command5->setEnabled(false);
    Command8->setEnabled(true);
}

void Form1::loeschen_Click()
{
    if (!List4->isHidden())
        Geburtstag();
    else
        Daten();
    Command4->hide();
    Calendar1->show();
    QNLoesch();
}

void Form1::List4_DblClick()
{
    if (windowHeight() == editHeight) {
        if (List4->count() > 0)
            Command7->setEnabled(true);
        const int p = List4->selectedIndex();
        if (p >= 0) {
            List10->add(List4->line(p));
            List4->removeAt(p);
            Text7->setText(QString::number(List4->count()));
            Command6->setEnabled(false);
        }
    }
    Command8->setEnabled(true);
}

void Form1::TBOX_DblClick()
{
    if (windowHeight() != editHeight || TBOX->count() == 0)
        return;
    Command7->setEnabled(true);
    Command8->setEnabled(true);
    const int p = TBOX->selectedIndex();
    if (p >= 0) {
        List9->add(TBOX->line(p));
        TBOX->removeAt(p);
        Text16->setText(QString::number(TBOX->count()));
        Command6->setEnabled(false);
    }
}

void Form1::clearListKey(ListBox *list, const QString &title, QChar typed)
{
    const bool yes = m_dialogs->ask(this, title, QStringLiteral("Alle Einträge löschen ?"));
    if (yes && typed == QLatin1Char('L'))
        list->clear();
    Command7->setEnabled(true);
}

void Form1::List4_KeyPress(QChar typed)
{
    clearListKey(List4, QStringLiteral("GEBURTSTAGS-LISTE LÖSCHEN !"), typed);
}

void Form1::TBOX_KeyPress(QChar typed)
{
    clearListKey(TBOX, QStringLiteral("TERMIN-LISTE LÖSCHEN !"), typed);
}

// After "Abbrechen" and "Speichern" nothing is held any more: the entry fields are empty
// and both lists can be worked on again.
void Form1::dropHeldLines()
{
    birthdayHeld = false;
    appointmentHeld = false;
    birthdayDeletionFlag = 0;
    appointmentDeletionFlag = 0;
    Text4->clear();
    Text5->clear();
    Text10->clear();
    Text12->clear();
    Text14->clear();
    TBOX->setEnabled(true);
    List4->setEnabled(true);
}

void Form1::Command8_Click()
{
    Text10->clear();
    Label11->show();
    Label10->show();
    showMinutePicker(false);
    Command6->setEnabled(false);
    Command13->setEnabled(true);
    // Every held line comes back exactly once, whatever the fields hold.
    if (birthdayHeld)
        List4->add(Text12->text());
    if (appointmentHeld)
        TBOX->add(Text14->text());
    dropHeldLines();
    for (const QString &line : List9->lines())
        TBOX->add(line);
    List9->clear();
    for (const QString &line : List10->lines())
        List4->add(line);
    List10->clear();
    Text16->setText(QString::number(TBOX->count()));
    Text7->setText(QString::number(List4->count()));
    Command5->setEnabled(false);
    Command7->setEnabled(false);
    Label10->clear();
}

// Editing an entry

void Form1::Command11_Click()
{
    QNEdit();
}

void Form1::QNEdit()
{
    Command11->setEnabled(false);
    if (!List4->isHidden()) {
        Command4->setEnabled(false);
        check->setEnabled(false);
        Label10->show();
        const int p = List4->selectedIndex();
        if (p >= 0) {
            const QString line = List4->line(p);
            const lines::BirthdayParts parts = lines::takeApartBirthday(line);
            Text12->setText(line);
            birthdayHeld = true;
            Text4->setText(parts.name);
            Text5->setText(parts.date);
            List4->removeAt(p);
            Text7->setText(QString::number(List4->count()));
            Command6->setEnabled(false);
            Command7->setEnabled(false);
            Command8->setEnabled(true);
        }
    }
    if (!TBOX->isHidden()) {
        const int p = TBOX->selectedIndex();
        if (p >= 0) {
            const QString line = TBOX->line(p);
            const lines::AppointmentParts parts = lines::takeApartAppointment(line);
            Text14->setText(line);
            appointmentHeld = true;
            Text5->setText(parts.date);
            Text10->setText(parts.time);
            Text4->setText(parts.text);
            TBOX->removeAt(p);
            Text16->setText(QString::number(TBOX->count()));
            Command6->setEnabled(false);
            Command7->setEnabled(false);
        }
        if (TBOX->count() > 0 && Text10->text() == QStringLiteral("*****"))
            Text10->clear();
    }
    TBOX->setEnabled(false);
    List4->setEnabled(false);
    Command5->setEnabled(true);
    Label10->setText(QStringLiteral("nicht gesichert"));
}

void Form1::edit_Click()
{
    if (Text4->isHidden())
        Daten();
    QNEdit();
}

void Form1::neu_Click()
{
    if (Text5->isHidden())
        Daten();
    Text4->setFocus();
}

// Selection and the pop-up menu

// "Löschen" and "Editieren" for a selected line; not while a line taken out waits to be
// put back or saved, which a second take-out would replace (a search can select a line
// in a locked list).
void Form1::enableTakeOut()
{
    if (birthdayHeld || appointmentHeld)
        return;
    Command6->setEnabled(true);
    Command11->setEnabled(true);
}

void Form1::List4_Click()
{
    const int p = List4->selectedIndex();
    if (p < 0)
        return;
    enableTakeOut();
    List4->setToolTip(List4->line(p));
}

void Form1::TBOX_Click()
{
    const int p = TBOX->selectedIndex();
    if (p < 0)
        return;
    enableTakeOut();
    TBOX->setToolTip(TBOX->line(p));
}

void Form1::List4_MouseDown(const QPoint &globalPos)
{
    if (windowHeight() == editHeight)
        MnuFile->popup(globalPos);
}

void Form1::TBOX_MouseDown(const QPoint &globalPos)
{
    MnuFile->popup(globalPos);
}

// Date and time from the calendar

void Form1::Calendar1_Click(QDate date)
{
    if (windowHeight() > 7000 && !TBOX->isHidden()) {
        O1->hide();
        O2->hide();
        O3->hide();
    }
    List7->clear();
    Label17[0]->setText(QStringLiteral("Am ") + lines::signedNumber(date.day()) + QLatin1Char('.')
                        + lines::signedNumber(date.month()) + QStringLiteral(".Termine"));
    PickedDay = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    const QString picked = date.toString(QStringLiteral("dd.MM.yyyy"));
    // A date already in the field is never overwritten, and in edit mode nothing is listed.
    if (Text5->text().size() <= 1) {
        if (windowHeight() == editHeight) {
            Text5->setText(picked);
            Frame3->hide();
            Command5->setEnabled(true);
        } else {
            const QStringList found = appointments::ofDay(TBOX->lines(), date);
            if (!found.isEmpty()) {
                Frame3->show();
                List7->show();
            }
            for (const QString &line : found)
                List7->add(line);
        }
    }
    if (!Text10->isHidden())
        Text10->setFocus();
}

void Form1::Calendar1_DblClick()
{
    if (windowHeight() <= 7000 || TBOX->isHidden())
        return;
    Text10->setText(PickedDay + QStringLiteral(":00"));
    const qint64 hour = lines::leadingNumber(PickedDay);
    if (hour > 24 || hour < 1)
        Text10->clear();
    if (!Text4->isHidden())
        Text4->setFocus();
    Label10->hide();
    showMinutePicker(true);
}

// The minute buttons 15, 30 and 45 with their label and rule.
void Form1::showMinutePicker(bool shown)
{
    for (QWidget *part : std::initializer_list<QWidget *>{O1, O2, O3, Label23, Line6})
        part->setVisible(shown);
}

void Form1::minuteClick(const QString &minutes)
{
    if (Text10->text().size() != 5)
        return;
    Text10->setText(Text10->text().left(2) + QLatin1Char(':') + minutes);
    Text4->setFocus();
}

void Form1::Text5_LostFocus()
{
    const QString corrected = lines::correctDateSeparators(Text5->text());
    if (corrected != Text5->text())
        Text5->setText(corrected);
}

// Search

void Form1::Search()
{
    Text13->hide();
    Calendar1->hide();
    Text18->setText(TBOX->isHidden() ? QStringLiteral("Namen suchen")
                                     : QStringLiteral("Termin suchen"));
    Command3->show();
    Frame6->show();
    Text3->show();
    Text3->setFocus();
    Text3->clear();
    Text11->hide();
    JahrPnl->hide();
}

void Form1::Eintragssuche_Click()
{
    if (!List4->isHidden() || !TBOX->isHidden())
        Search();
}

void Form1::suchen_Click()
{
    Search();
}

void Form1::Text3_Change()
{
    const QString wanted = Text3->text().toLower();
    if (wanted.isEmpty())
        return;
    for (ListBox *list : {List4, TBOX}) {
        if (list->isHidden())
            continue;
        int hit = -1;
        for (int i = 0; i < list->count(); ++i) {
            if (list->line(i).toLower().contains(wanted))
                hit = i;
        }
        if (hit < 0)
            continue;
        const bool wasEnabled = list->isEnabled();
        list->setEnabled(false);
        list->select(hit);
        list->setEnabled(wasEnabled);
    }
}

void Form1::Command3_Click()
{
    Frame6->hide();
    Text8->show();
    Text9->show();
    Text3->clear();
    if (!Text4->isHidden())
        Text4->setFocus();
    Calendar1->show();
}

} // namespace quirnel::ui
