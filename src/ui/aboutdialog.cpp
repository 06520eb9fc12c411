#include "ui/aboutdialog.h"

#include "ui/controls.h"
#include "ui/layout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quirnel::ui {

namespace {

QLabel *centredLabel(const QString &text, QWidget *parent, double points, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(dialogFont(points, bold));
    return label;
}

void fill(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QString(14, QLatin1Char(' ')));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    fill(this, colour::grey);
    setFixedSize(twips::toPixels(4680), twips::toPixels(3480));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("aboutPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fill(panel, colour::paleYellow);
    twips::place(panel, 120, 120, 4440, 2400);

    auto *decoration = new QFrame(panel);
    decoration->setFrameStyle(QFrame::Box | QFrame::Plain);
    twips::place(decoration, 240, 180, 3960, 2040);

    const struct {
        const char *text;
        double top;
        double points;
        bool bold;
    } lines[] = {
        {"QUIRNEL", 300, 14.25, true},
        {"Termin-und Geburtstagskalender", 720, 9.75, false},
        {"Version 4.5", 1050, 8.25, false},
        {"Geburtstage und Termine auf einen Blick", 1440, 8.25, false},
        {"Die Daten bleiben in geburt.dat und termin.dat", 1740, 8.25, false},
    };
    for (const auto &line : lines) {
        QLabel *label = centredLabel(QString::fromUtf8(line.text), panel, line.points, line.bold);
        twips::place(label, 300, line.top, 3840, line.points > 9 ? 390 : 270);
    }

    auto *caption
        = centredLabel(QStringLiteral("Für einen Benutzer, ohne Einstellungen"), this, 8, false);
    fill(caption, colour::veryLightGrey);
    twips::place(caption, 120, 2640, 4440, 255);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("aboutOkButton"));
    ok->setFont(dialogFont());
    twips::place(ok, 1860, 3000, 960, 330);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

} // namespace quirnel::ui
