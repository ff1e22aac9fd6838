#pragma once

#include "game/board.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

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

} // namespace colours
