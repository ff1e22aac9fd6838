#pragma once

#include "game/board.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

// The windows' colours, written as the program stores them: 24-bit values with red in the low
// byte (board::StoredColour). Every colour a window shows is one of these or a board colour,
// and reaches Qt through toQColor alone.
namespace colours {

using board::StoredColour;

inline constexpr StoredColour clWhite = 16777215;
inline constexpr StoredColour clSilver = 12632256;
inline constexpr StoredColour clTeal = 8421376;
inline constexpr StoredColour clLime = 65280;
inline constexpr StoredColour clBlack = 0;
inline constexpr StoredColour clRed = 255;
inline constexpr StoredColour clBlue = 16711680;
inline constexpr StoredColour clNavy = 8388608;
inline constexpr StoredColour clPurple = 8388736;
inline constexpr StoredColour clMoneyGreen = 12639424; // RGB 192, 220, 192
// The light grey button face of a classic desktop, the ground the dialogs' texts were drawn for.
inline constexpr StoredColour clClassicFace = 15790320; // RGB 240, 240, 240

inline QColor toQColor(StoredColour value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

// Gives one role of the widget's palette the colour.
inline void setPaletteColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
inline void setPaletteColour(QWidget *widget, QPalette::ColorRole role, StoredColour colour)
{
    setPaletteColour(widget, role, toQColor(colour));
}

// The palette of a window whose texts have fixed dark colours on the button face: the
// desktop's own where its button face is light, otherwise the one Qt derives from the classic
// face (black texts, white edits), so that the texts stay legible on a dark or high-contrast
// desktop.
inline QPalette paletteForDarkTexts(const QPalette &desktop)
{
    constexpr int kLightEnough = 160; // HSL lightness 0..255; black on it contrasts at least 8:1
    if (desktop.color(QPalette::Button).lightness() >= kLightEnough)
        return desktop;
    return QPalette(toQColor(clClassicFace));
}

// How far two colours stand apart, as the web's accessibility guidelines measure it: from 1
// (the same lightness) to 21 (black on white).
inline double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The palette with tooltips that can be read: the desktop's own tooltip colours where their
// text stands out from their ground as the guidelines ask of text (4.5:1), otherwise black on
// the pale yellow of a classic desktop's tooltips. Some desktops (Wine's) give pale grey on
// white.
inline QPalette withReadableToolTips(QPalette palette)
{
    constexpr double kReadable = 4.5;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (contrast(palette.color(group, QPalette::ToolTipText),
                     palette.color(group, QPalette::ToolTipBase)) >= kReadable)
            continue;
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    return palette;
}

// Gives every tooltip the application shows from now on readable colours (withReadableToolTips).
// Qt gives tooltips the desktop's colours afresh each time the desktop's theme changes, so they
// are checked as each one is shown.
void keepToolTipsReadable(QObject *application);

} // namespace colours
