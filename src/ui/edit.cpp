// Edit mode: entering and leaving it, switching between the two lists, and inserting.

#include "ui/form1.h"

#include "core/lines.h"
#include "core/text1252.h"
#include "ui/layout.h"
#include "ui/sortedlist.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <QValidator>

namespace quirnel::ui {

namespace {

const QString birthdayListTip = QStringLiteral(
    "Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ");
const QString appointmentListTip = QStringLiteral(
    " Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ");
const QString birthdayCalendarTip = QStringLiteral("Datum selektieren ");
const QString appointmentCalendarTip
    = QStringLiteral("Klick Datum selektieren - Doppelklick Zeit selektieren");

// Keeps out, as typed or pasted, what the data files cannot store.
class StorableText final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        QString kept;
        kept.reserve(input.size());
        int removedBeforeCursor = 0;
        const QList<uint> codes = input.toUcs4();
        int utf16Index = 0;
        for (const uint code : codes) {
            const int width = code > 0xFFFF ? 2 : 1;
            if (cp1252::canStore(char32_t(code)))
                kept.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1));
            else if (utf16Index < pos)
                removedBeforeCursor += width;
            utf16Index += width;
        }
        if (kept.size() != input.size()) {
            input = kept;
            pos = std::max(0, pos - removedBeforeCursor);
        }
        return Acceptable;
    }
};

} // namespace

void Form1::connectEdit()
{
    for (QLineEdit *field : {Text4, Text5, Text10})
        field->setValidator(new StorableText(field));
    connect(Command4, &QToolButton::clicked, this, &Form1::Command4_Click);
    connect(Command17, &QToolButton::clicked, this, &Form1::Command17_Click);
    connect(check, &QCheckBox::toggled, this, &Form1::check_Click);
    connect(Command13, &QPushButton::clicked, this, &Form1::Command13_Click);
    connect(Command14, &QPushButton::clicked, this, &Form1::Command14_Click);
    connect(Command15, &QPushButton::clicked, this, &Form1::Command15_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
}

void Form1::showEditBand()
{
    Label8->show();
    Label9->show();
    VorschPnl->hide();
    Text4->show();
    Text5->show();
    Shape1->show();
    Command5->show();
    Command6->show();
    Command7->show();
    Command8->show();
    Label10->show();
    setColour(Label10, QPalette::Window, colour::paleRed);
    Label10->clear();
    Label11->show();
    // The greeting and the result panel give way; nothing is to edit or save yet.
    Text8->hide();
    Text9->hide();
    Frame3->hide();
    Command11->show();
    Command11->setEnabled(false);
    Command7->setEnabled(false);
}

void Form1::Command4_Click()
{
    Geburtstag();
    Command16->setEnabled(false);
    Info1->setEnabled(false);
    WochBtn->setEnabled(false);
    JahrPnl->hide();
    Text11->hide();
    Calendar1->show();
    Abbruch->setEnabled(false);
    Command4->hide();
    Command17->hide();
    Command5->setEnabled(false);
    Command14->setEnabled(true);
    twips::setLeft(List4, 360);
    twips::setTop(List4, 2820);
    twips::setWidth(List4, 6500);
    List4->setToolTip(twips::of(List4).width() == 6500 ? birthdayListTip : QString());
    twips::setHeight(List4, 2164);
    twips::place(Label1, 360, 2460, 6500, 290);
    Label1->setText(QStringLiteral("Daten-Bearbeitung Geburtstagsliste"));
    Termine->setEnabled(false);
    Command10->setEnabled(false);
    Command9->setEnabled(false);
    Command11->setEnabled(false);
    Command12->setEnabled(false);
    setWindowHeight(editHeight);
    if (windowHeight() == editHeight)
        Calendar1->setToolTip(birthdayCalendarTip);
    showEditBand();
    Text4->setFocus();
    Text6->show();
    Text7->show();
    Label12->show();
    Label13->show();
    Text18->setText(QStringLiteral("Namen suchen"));
    Command6->setEnabled(false);
    Frame5->show();
}

void Form1::Command17_Click()
{
    Command16->setEnabled(false);
    Info1->setEnabled(false);
    WochBtn->setEnabled(false);
    Daten();
}

void Form1::Daten()
{
    JahrPnl->hide();
    Text11->hide();
    Text13->hide();
    check->setChecked(true);
    Command13->hide();
    Command14->hide();
    Command9->setEnabled(false);
    Command10->setEnabled(false);
    Command12->setEnabled(false);
    Termine->setEnabled(false);
    Abbruch->setEnabled(false);
    Command17->hide();
    Command4->hide();
    setWindowHeight(editHeight);
    if (windowHeight() == editHeight)
        Calendar1->setToolTip(appointmentCalendarTip);
    TBOX->show();
    showEditBand();
    Text4->setFocus();
    Text4->setToolTip(QStringLiteral(" Termin-Inhalt eingeben "));
    Text5->setToolTip(QStringLiteral(" Datum eintragen "));
    Text10->setToolTip(QStringLiteral(
        " Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden)  "));
}

// With quick-info off the two input fields keep no tool tips.
void Form1::dropFieldTipsIfQuick()
{
    if (QuickFlag == 1) {
        Text4->setToolTip(QString());
        Text5->setToolTip(QString());
    }
}

void Form1::check_Click()
{
    if (check->isChecked()) {
        Label1->hide();
        Calendar1->setToolTip(QuickFlag ? QString() : appointmentCalendarTip);
        Command4->setEnabled(false);
        if (windowHeight() == editHeight) {
            Text4->setToolTip(QStringLiteral("Termin-Inhalt eintragen "));
            TBOX->setToolTip(appointmentListTip);
            Text5->setToolTip(QStringLiteral("Datum eintragen oder aus dem Kalender selektieren "));
            dropFieldTipsIfQuick();
        }
        List4->hide();
        Label8->setText(QStringLiteral("              Termin-Inhalt"));
        TBOX->show();
        Text10->show();
        Label9->setText(QStringLiteral("      Datum"));
        twips::setWidth(Text5, 1000);
        Label16->show();
        Label17[1]->show();
        Label17[1]->setText(QStringLiteral("Daten-Bearbeitung Termin-Liste"));
        List7->hide();
        Label18->show();
        Label19->show();
        Frame5->show();
        Calendar1->show();
        Text18->setText(QStringLiteral("Termin-Suchen"));
        return;
    }
    TBOX->hide();
    Calendar1->setToolTip(birthdayCalendarTip);
    Text4->setToolTip(QStringLiteral("Vorname Name eintragen "));
    Text5->setToolTip(QStringLiteral("Geburtsdatum tt:mm:jjjj  eintragen"));
    dropFieldTipsIfQuick();
    List4->show();
    Text18->setText(QStringLiteral("Namen-Suchen"));
    Label8->setText(QStringLiteral("  Vorname                  Name"));
    Text10->hide();
    Label9->setText(QStringLiteral(" Geb.-Datum    (TT.MM.JJJJ)"));
    twips::setWidth(Text5, 2175);
    Label16->hide();
    Label17[1]->setText(QStringLiteral("Termine"));
    Label17[1]->hide();
    Label18->hide();
    Label19->hide();
    Label1->show();
}

void Form1::Command13_Click()
{
    check->setChecked(true);
    Command13->hide();
    Command14->show();
    Command14->setEnabled(true);
    Command11->setEnabled(false);
    Text10->clear();
    Text5->clear();
    Text4->setFocus();
}

void Form1::Command14_Click()
{
    showMinutePicker(false);
    check->setChecked(false);
    Command13->show();
    Command14->hide();
    Label11->show();
    Label10->show();
    Text4->setFocus();
}

void Form1::Command15_Click()
{
    Geburtstag();
    Command16->setEnabled(true);
    Info1->setEnabled(true);
    WochBtn->setEnabled(true);
    Command17->show();
    Command4->show();
    check->setChecked(false);
    showMinutePicker(false);
    twips::place(List4, 3720, 4109.01, 3135, 836.48);
    List4->show();
    List4->setToolTip(twips::of(List4).width() == 6500 ? birthdayListTip : QString());
    twips::place(Label1, 3720, 3756.81, 3135, 249.48);
    Abbruch->setEnabled(true);
    Command13->show();
    Command14->hide();
    Calendar1->hide();
    Termine->setEnabled(true);
    Command9->setEnabled(true);
    Command10->setEnabled(true);
    Command12->setEnabled(true);
    Command4->setEnabled(true);
    Frame5->hide();
    Label8->hide();
    Label9->hide();
    Label10->hide();
    Text4->clear();
    Text5->clear();
    Text4->hide();
    Text5->hide();
    Shape1->hide();
    Command5->hide();
    Command6->hide();
    Frame6->hide();
    Text6->hide();
    Text7->hide();
    Text10->hide();
    Label12->hide();
    Label13->hide();
    check->hide();
    Text8->show();
    Text9->show();
    setWindowHeight(viewHeight);
    List4->setEnabled(true);
    TBOX->setEnabled(true);
    TBOX->hide();
    Label1->setText(QStringLiteral("Geburtstagsliste"));
    Label17[0]->hide();
    Label17[1]->hide();
    if (List6->count() > 0)
        VorschPnl->show();
    Label11->hide();
}

void Form1::Command5_Click()
{
    check->setEnabled(true);
    const qsizetype dateLength = Text5->text().size();
    const qsizetype nameLength = Text4->text().size();
    bool added = false;
    if (dateLength == 10 && nameLength > 1) {
        if (!check->isChecked()) {
            List4->add(lines::birthdayLine(Text5->text(), Text4->text()));
            added = true;
        } else if (Text10->text().size() == 5 || Text10->text().isEmpty()) {
            TBOX->add(lines::appointmentLine(Text5->text(), Text10->text(), Text4->text()));
            added = true;
        }
    }
    Text7->setText(QString::number(List4->count()));
    Text16->setText(QString::number(TBOX->count()));
    // Input that does not make a line stays in the fields, and nothing waits to be saved.
    if (!added)
        return;
    Text4->clear();
    Text5->clear();
    Text10->clear();
    Text4->setFocus();
    Command7->setEnabled(true);
    Command8->setEnabled(false);
    TBOX->setEnabled(false);
    List4->setEnabled(false);
    Command11->setEnabled(false);
    Command5->setEnabled(false);
    Command15->setEnabled(false);
}

void Form1::Text5_Change()
{
    if (Text5->text().size() == 10 && Text4->text().size() > 1)
        Command5->setEnabled(true);
}

} // namespace quirnel::ui
