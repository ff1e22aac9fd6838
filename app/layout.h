#pragma once

// The main window's layout as fixed data: every control with its name, place, size,
// caption, font and colour, in creation order. Coordinates are client pixels of the
// 812 x 606 window; colours are stored as the layout stores them (red in the low byte).
// Captions are the Spanish texts, marked for the translations under the context "layout".

#include <QtGlobal>

#include "app/colours.h"

namespace layout {

using namespace colours;

inline constexpr int kClientWidth = 812;
inline constexpr int kClientHeight = 606;

enum class Face
{
    SansSerif, // stands in for "MS Sans Serif"
    Comic,     // stands in for "Comic Sans MS"
};

struct FontSpec
{
    Face face;
    int pixelHeight; // character height in pixels
    bool bold = false;
    bool italic = false;
};

inline constexpr FontSpec kWindowFont{Face::SansSerif, 11};

enum class Kind
{
    LoweredBox, // a lowered bevel framing an area
    Label,
    RightLabel, // sizes itself to its text, keeping its right edge
    Picture,
    Gauge,
};

// A drawn control: painted on the window's surface, later ones over earlier ones.
struct DrawnSpec
{
    Kind kind;
    const char *name;
    int left, top, width, height;
    const char *text; // caption, or the picture's resource for pictures
    FontSpec font = kWindowFont;
    StoredColour colour = clBlack;
    bool transparent = false;
    bool visible = true;
};

// Drawn controls before the row and column numbers.
// clang-format off
inline constexpr DrawnSpec kDrawnHead[] = {
    {Kind::LoweredBox, "Bevel1", 0, 0, 809, 27, ""},
    {Kind::LoweredBox, "Bevel2", 408, 2, 305, 25, ""},
    {Kind::RightLabel, "Contador", 535, 0, 13, 24, "0", {Face::SansSerif, 19, true}, clLime},
    {Kind::Label, "Label3", 413, 3, 89, 18, QT_TRANSLATE_NOOP("layout", "Total aciertos:"), {Face::Comic, 13}, clBlack},
    {Kind::Gauge, "Gauge1", 560, 4, 145, 21, "", {Face::SansSerif, 16, true}},
    {Kind::LoweredBox, "Bevel3", 736, 30, 73, 49, ""},
    {Kind::RightLabel,
     "Label10",
     743,
     30,
     66,
     16,
     QT_TRANSLATE_NOOP("layout", "Intentos:"),
     {Face::SansSerif, 13, true, true},
     clBlue,
     true},
    {Kind::RightLabel, "Veces", 756, 48, 29, 29, "1", {Face::SansSerif, 24, true, true}, clTeal},
    {Kind::LoweredBox, "Bevel14", 128, 56, 273, 81, ""},
    {Kind::Label, "blanco", 161, 63, 206, 35, "Tabelora", {Face::Comic, 24, true}, clWhite, true},
    {Kind::Label, "gris", 159, 61, 206, 35, "Tabelora", {Face::Comic, 24, true}, clSilver, true},
    {Kind::Label, "verde", 160, 62, 206, 35, "Tabelora", {Face::Comic, 24, true}, clTeal, true},
    {Kind::Picture, "Image2", 136, 104, 129, 25, ":/assets/legend-solid-liquid.png"},
    {Kind::Picture, "Image3", 264, 104, 129, 25, ":/assets/legend-gas-synthetic.png"},
};
// clang-format on

// Row and column numbers: bold red 11 px labels, Label11..Label28 for groups 1..18 at
// Top 27, then Label29..Label35 for periods 1..7 at Left 0.
inline constexpr FontSpec kNumberFont{Face::SansSerif, 11, true};
inline constexpr int kGroupLefts[18] = {24,  64,  104, 144, 184, 224, 264, 304, 344,
                                        376, 416, 456, 496, 536, 576, 616, 657, 698};
inline constexpr int kGroupTop = 27;
inline constexpr int kPeriodTop(int period)
{
    return 51 + 40 * (period - 1);
}

// Drawn controls after the numbers: the series captions. The frames and the
// congratulation come next (see Form1), then the hidden readouts.
inline constexpr DrawnSpec kDrawnSeries[] = {
    {Kind::LoweredBox, "Bevel13", 32, 328, 89, 25, ""},
    {Kind::Label,
     "Label7",
     40,
     328,
     75,
     21,
     QT_TRANSLATE_NOOP("layout", "Lantánidos"),
     {Face::Comic, 15, true, true},
     clPurple,
     true},
    {Kind::LoweredBox, "Bevel4", 80, 368, 81, 25, ""},
    {Kind::Label,
     "Label8",
     88,
     368,
     66,
     21,
     QT_TRANSLATE_NOOP("layout", "Actínidos"),
     {Face::Comic, 15, true, true},
     clPurple,
     true},
};

inline constexpr DrawnSpec kDrawnTail[] = {
    {Kind::Label,
     "mensaje",
     16,
     520,
     637,
     45,
     //: The genie's picture follows as the sentence's last word ("genio": genie and genius).
     QT_TRANSLATE_NOOP("layout", "Si no has hecho TRAMPA ... ERES UN  "),
     {Face::Comic, 32, true, true},
     clRed,
     true,
     false},
    {Kind::Picture, "genio", 656, 480, 97, 97, ":/assets/genio.png", kWindowFont, clBlack, true,
     false},
    {Kind::Label, "Label1", 8, 40, 6, 13, "", kWindowFont, clBlack, false, false},
    {Kind::Label, "Label2", 8, 72, 6, 13, "", kWindowFont, clBlack, false, false},
    {Kind::Label, "Label4", 8, 104, 6, 13, "", kWindowFont, clBlack, false, false},
};

enum class Command
{
    Nuevo,
    Corregir,
    Datos,
    Enviar,
    Ayuda,
    Elementos,
    Abrir,
};

struct ButtonSpec
{
    Command command;
    const char *name;
    const char *caption;
    int left, top, width;
    int tabOrder;
    const char *glyph; // resource of the picture left of the caption
    int glyphStates;   // two-state glyphs hold the disabled picture on the right
    bool visible = true;
};

inline constexpr int kButtonHeight = 25;

// clang-format off
inline constexpr ButtonSpec kButtons[] = {
    {Command::Nuevo, "BitBtn2", QT_TRANSLATE_NOOP("layout", "&Nuevo"), 0, 1, 73, 16, ":/assets/glyph-nuevo.png", 1},
    {Command::Corregir, "Correct", QT_TRANSLATE_NOOP("layout", "&Corregir vistas"), 72, 1, 97, 14, ":/assets/glyph-corregir.png", 1},
    {Command::Datos, "BitBtn3", QT_TRANSLATE_NOOP("layout", "&Datos"), 168, 1, 81, 18, ":/assets/glyph-datos.png", 2},
    {Command::Enviar, "Op1", QT_TRANSLATE_NOOP("layout", "Enviar"), 248, 1, 73, 17, ":/assets/glyph-enviar.png", 1},
    {Command::Ayuda, "BitBtn1", QT_TRANSLATE_NOOP("layout", "&Ayuda"), 320, 1, 81, 15, ":/assets/glyph-ayuda.png", 2},
    {Command::Elementos, "BitBtn4", QT_TRANSLATE_NOOP("layout", "Elementos"), 712, 1, 97, 120, ":/assets/glyph-elementos.png", 1},
    {Command::Abrir, "Open", QT_TRANSLATE_NOOP("layout", "&Abrir"), 712, 121, 57, 13, ":/assets/glyph-abrir.png", 1, false},
};
// clang-format on

inline constexpr int kTimer1Interval = 2000; // milliseconds, one tick after start

} // namespace layout
