#pragma once

#include <QRgb>

#include <span>

// The main window is one fixed layout of named controls. This table is that layout as
// data: one row per control, in stacking order from back to front within its parent
// (labels and shapes are put behind every other control by the builder, keeping their
// order among themselves). Geometry is in twips, relative to the parent.
namespace quirnel::ui {

enum class Kind {
    Label,
    Text, // one-line text box
    Memo, // multi-line text box
    Button,
    PictureButton,
    List,
    Panel,
    GroupFrame,
    Shape, // rectangle outline
    Rule,  // horizontal line
    Image,
    Calendar,
    Option,
    RichText,
};

enum Flag : unsigned {
    Visible = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Bordered = 1u << 2,
    Centred = 1u << 3,
    Bold = 1u << 4,
    ReadOnly = 1u << 5,
    Borderless = 1u << 6,
};

enum class Face { Sans, Serif };

struct Style {
    QRgb back = 0;                 // 0: the parent's background
    QRgb fore = 0;                 // 0: the default text colour
    double points = 0;             // 0: the default dialog font, 8 pt
    const char *picture = nullptr; // resource path
};

struct TwipRect {
    double left, top, width, height;
};

struct ControlRow {
    const char *name; // object name; members of control arrays carry "_<index>"
    Kind kind;
    const char *parent; // "" for the client area
    const char *text;   // caption or text
    const char *tip;    // tool tip
    unsigned flags;
    TwipRect pos;
    Style style = {};
};

std::span<const ControlRow> controlTable();

namespace colour {
inline constexpr QRgb grey = 0xFFC0C0C0;
inline constexpr QRgb darkGrey = 0xFF808080;
inline constexpr QRgb paleYellow = 0xFFFFFFC0;
inline constexpr QRgb pink = 0xFFFFC0FF;
inline constexpr QRgb paleRed = 0xFFFFC0C0;
inline constexpr QRgb green = 0xFF00FF00;
inline constexpr QRgb veryLightGrey = 0xFFE0E0E0;
inline constexpr QRgb white = 0xFFFFFFFF;
inline constexpr QRgb black = 0xFF000000;
inline constexpr QRgb tipYellow = 0xFFFFFFE1;
} // namespace colour

} // namespace quirnel::ui
