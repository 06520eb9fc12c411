#pragma once

#include "ui/controls.h"

#include <QFont>
#include <QHash>
#include <QPalette>
#include <QRectF>
#include <QString>

class QWidget;

// Geometry lives in twips, as the layout gives it; this is the one place that turns
// twips into pixels (15 twips per pixel at 96 dpi; Qt scales for high-dpi screens).
// Every widget keeps the twips last set on it, so a size reads back as it was set.
namespace quirnel::ui::twips {

inline constexpr double perPixel = 15.0;

int toPixels(double twips);
QRectF of(const QWidget *widget);
void place(QWidget *widget, double left, double top, double width, double height);
void setLeft(QWidget *widget, double left);
void setTop(QWidget *widget, double top);
void setWidth(QWidget *widget, double width);
void setHeight(QWidget *widget, double height);

} // namespace quirnel::ui::twips

namespace quirnel::ui {

// Builds every control of the table under the client widget, by name.
QHash<QString, QWidget *> buildControls(QWidget *client);

QFont dialogFont(double points = 8.0, bool bold = false);

// One colour of a widget's palette, as the handlers change backgrounds and text.
void setColour(QWidget *widget, QPalette::ColorRole role, QRgb colour);

} // namespace quirnel::ui
