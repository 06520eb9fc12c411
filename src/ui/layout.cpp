#include "ui/layout.h"

#include "ui/listview.h"

#include <QCalendarWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace quirnel::ui::twips {

namespace {
constexpr auto property = "twips";

void apply(QWidget *widget, const QRectF &r)
{
    widget->setProperty(property, r);
    widget->setGeometry(toPixels(r.left()), toPixels(r.top()), toPixels(r.width()),
                        toPixels(r.height()));
}
} // namespace

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / perPixel));
}

QRectF of(const QWidget *widget)
{
    return widget->property(property).toRectF();
}

void place(QWidget *widget, double left, double top, double width, double height)
{
    apply(widget, QRectF(left, top, width, height));
}

namespace {

void change(QWidget *widget, void (QRectF::*set)(qreal), double value)
{
    QRectF r = of(widget);
    (r.*set)(value);
    apply(widget, r);
}

} // namespace

void setLeft(QWidget *widget, double left)
{
    change(widget, &QRectF::moveLeft, left);
}

void setTop(QWidget *widget, double top)
{
    change(widget, &QRectF::moveTop, top);
}

void setWidth(QWidget *widget, double width)
{
    change(widget, &QRectF::setWidth, width);
}

void setHeight(QWidget *widget, double height)
{
    change(widget, &QRectF::setHeight, height);
}

} // namespace quirnel::ui::twips

namespace quirnel::ui {

QFont dialogFont(double points, bool bold)
{
    // Pixel sizes keep the boxes' proportions whatever dpi the screen reports.
    QFont font(QStringLiteral("Liberation Sans"));
    // The default dialog font is narrower than Arial of the same size: one pixel less
    // keeps its captions inside their boxes.
    const double pixels = points * 96.0 / 72.0;
    font.setPixelSize(points == 8.0 ? 10 : static_cast<int>(std::lround(pixels)));
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget->setPalette(palette);
}

namespace {

bool behindEverything(Kind kind)
{
    return kind == Kind::Label || kind == Kind::Shape || kind == Kind::Rule;
}

QWidget *create(const ControlRow &row, QWidget *parent)
{
    const QString text = QString::fromUtf8(row.text);
    const bool centred = (row.flags & Centred) != 0;
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
        if (row.flags & Bordered)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case Kind::Text: {
        auto *edit = new QLineEdit(text, parent);
        if (centred)
            edit->setAlignment(Qt::AlignCenter);
        edit->setReadOnly(row.flags & ReadOnly);
        edit->setFrame(!(row.flags & Borderless));
        return edit;
    }
    case Kind::Memo: {
        auto *memo = new QTextEdit(parent);
        memo->setAcceptRichText(false);
        memo->setReadOnly(row.flags & ReadOnly);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (centred)
            memo->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
        memo->setPlainText(text);
        return memo;
    }
    case Kind::Button:
        return new QPushButton(text, parent);
    case Kind::PictureButton: {
        auto *button = new QToolButton(parent);
        button->setText(text);
        button->setIcon(QIcon(QString::fromUtf8(row.style.picture)));
        button->setIconSize(QSize(28, 28));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        return button;
    }
    case Kind::List:
        return new ListView(parent);
    case Kind::Panel: {
        auto *panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    case Kind::GroupFrame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case Kind::Shape: {
        auto *shape = new QFrame(parent);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        return shape;
    }
    case Kind::Rule: {
        auto *rule = new QFrame(parent);
        rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
        rule->setAttribute(Qt::WA_TransparentForMouseEvents);
        return rule;
    }
    case Kind::Image: {
        auto *image = new QLabel(parent);
        image->setPixmap(QPixmap(QString::fromUtf8(row.style.picture)));
        image->setScaledContents(true);
        return image;
    }
    case Kind::Calendar: {
        auto *calendar = new QCalendarWidget(parent);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
        calendar->setGridVisible(false);
        return calendar;
    }
    case Kind::Option:
        return new QRadioButton(text, parent);
    case Kind::RichText:
        return new QTextBrowser(parent);
    }
    return nullptr;
}

void applyStyle(QWidget *widget, const ControlRow &row)
{
    const double points = row.style.points > 0 ? row.style.points : 8.0;
    widget->setFont(dialogFont(points, (row.flags & Bold) != 0));
    QPalette palette = widget->palette();
    if (row.style.back != 0) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, QColor::fromRgb(row.style.back));
        widget->setAutoFillBackground(true);
    }
    if (row.style.fore != 0) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, QColor::fromRgb(row.style.fore));
    }
    if (row.kind == Kind::Shape || row.kind == Kind::Rule)
        palette.setColor(QPalette::WindowText,
                         row.style.back != 0 ? QColor::fromRgb(row.style.back) : QColor(Qt::black));
    widget->setPalette(palette);
    if (row.kind == Kind::Shape || row.kind == Kind::Rule)
        widget->setAutoFillBackground(false);
}

// A few captions were laid out for a narrower font than Arial's metrics; they take
// the narrow face of the same family rather than run out of their boxes.
void fitCaption(QWidget *widget, const ControlRow &row)
{
    if (row.kind != Kind::Label || !*row.text)
        return;
    const int room = widget->width() - ((row.flags & Bordered) ? 4 : 0);
    const QString text = QString::fromUtf8(row.text);
    const auto fits
        = [&](const QFont &font) { return QFontMetrics(font).horizontalAdvance(text) <= room; };
    if (fits(widget->font()))
        return;
    QFont narrow = widget->font();
    narrow.setFamily(QStringLiteral("Liberation Sans Narrow"));
    // Rarely even the narrow face is a pixel or two too wide: a little smaller then.
    while (!fits(narrow) && narrow.pixelSize() > 8)
        narrow.setPixelSize(narrow.pixelSize() - 1);
    widget->setFont(narrow);
}

} // namespace

QHash<QString, QWidget *> buildControls(QWidget *client)
{
    QHash<QString, QWidget *> byName;
    QList<QWidget *> backmost;
    for (const ControlRow &row : controlTable()) {
        QWidget *parent = *row.parent ? byName.value(QString::fromUtf8(row.parent)) : client;
        Q_ASSERT(parent);
        QWidget *widget = create(row, parent);
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setToolTip(QString::fromUtf8(row.tip));
        applyStyle(widget, row);
        twips::place(widget, row.pos.left, row.pos.top, row.pos.width, row.pos.height);
        fitCaption(widget, row);
        widget->setEnabled(!(row.flags & Disabled));
        widget->setVisible(!(row.flags & Hidden));
        if (behindEverything(row.kind))
            backmost.append(widget);
        byName.insert(widget->objectName(), widget);
    }
    // Lowering in reverse keeps the table's order among the labels themselves.
    std::for_each(backmost.rbegin(), backmost.rend(), [](QWidget *widget) { widget->lower(); });
    return byName;
}

} // namespace quirnel::ui
