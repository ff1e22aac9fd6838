#pragma once

// The main window's layout as fixed data: every control with its name, place, size,
// caption, font and colour, in creation order. Coordinates are client pixels of the
// 812 x 606 window; colours are stored as the layout stores them (red in the low byte).
// Captions are the Spanish texts, marked for the translations under the context "layout".

#include "app/colours.h"
#include "app/resources.h"
#include "game/board.h"

#include <QtGlobal>

#include <span>

namespace layout {

using namespace colours;

inline constexpr int kClientWidth = 812;
inline constexpr int kClientHeight = 606;
// Today's table shows the tray's bottom row whole: its tiles reach down to y = 607 as dealt,
// and to y = 609 once the strip reload cut them whole.
inline constexpr int kTodayClientHeight = 612;

constexpr int clientHeight(board::Table table)
{
    return table == board::Table::Today ? kTodayClientHeight : kClientHeight;
}

using resources::Face;
using resources::FontSpec;

inline constexpr FontSpec kWindowFont{Face::SansSerif, 11};

enum class Kind
{
    LoweredBox, // a lowered bevel framing an area
    Label,
    RightLabel, // sizes itself to its text, keeping its right edge
    Picture,
    Gauge,
};

// What the main window does with a drawn control after making it: most it leaves alone,
// these it keeps and changes during the game.
enum class Role
{
    None,
    Contador, // the running hit total
    Veces,    // the game count
    Gauge,    // the hit percentage
    Mensaje,  // the congratulation's sentence
    Genio,    // and its picture
    CentreX,  // hidden labels that keep the last tile centre
    CentreY,
    Candidate,         // and candidate cell
    LegendSolidLiquid, // the legend pictures, which carry the state patterns when asked
    LegendGasSynthetic,
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
    Role role = Role::None;
    const char *accessibleName = nullptr; // what a screen reader calls a picture
};

// Drawn controls under the frames, in creation order: the command bar and score box, the
// title block, the group numbers (Label11 to Label28) over their columns and the period
// numbers (Label29 to Label35) beside their rows, then the series captions.
inline constexpr FontSpec kNumberFont{Face::SansSerif, 11, true};
// clang-format off
inline constexpr DrawnSpec kDrawnUnderFrames[] = {
    {Kind::LoweredBox,  "Bevel1",     0,   0, 809, 27, ""},
    {Kind::LoweredBox,  "Bevel2",   408,   2, 305, 25, ""},
    {Kind::RightLabel,  "Contador", 535,   0,  13, 24, "0",                             {Face::SansSerif, 19, true}, clLime, false, true, Role::Contador},
    {Kind::Label,       "Label3",   413,   3,  89, 18, QT_TRANSLATE_NOOP("layout", "Total aciertos:"),               {Face::Comic, 13}, clBlack},
    {Kind::Gauge,       "Gauge1",   560,   4, 145, 21, "",                              {Face::SansSerif, 16, true}, clBlack, false, true, Role::Gauge},
    {Kind::LoweredBox,  "Bevel3",   736,  30,  73, 49, ""},
    {Kind::RightLabel,  "Label10",  743,  30,  66, 16, QT_TRANSLATE_NOOP("layout", "Intentos:"),                     {Face::SansSerif, 13, true, true}, clBlue, true},
    {Kind::RightLabel,  "Veces",    756,  48,  29, 29, "1",                             {Face::SansSerif, 24, true, true}, clTeal, false, true, Role::Veces},
    {Kind::LoweredBox,  "Bevel14",  128,  56, 273, 81, ""},
    {Kind::Label,       "blanco",   161,  63, 206, 35, "Tabelora",                      {Face::Comic, 24, true}, clWhite, true},
    {Kind::Label,       "gris",     159,  61, 206, 35, "Tabelora",                      {Face::Comic, 24, true}, clSilver, true},
    {Kind::Label,       "verde",    160,  62, 206, 35, "Tabelora",                      {Face::Comic, 24, true}, clTeal, true},
    {Kind::Picture,     "Image2",   136, 104, 129, 25, ":/assets/legend-solid-liquid.png", kWindowFont, clBlack, false, true, Role::LegendSolidLiquid, QT_TRANSLATE_NOOP("layout", "Leyenda: sólido, amarillo; líquido, cian")},
    {Kind::Picture,     "Image3",   264, 104, 129, 25, ":/assets/legend-gas-synthetic.png", kWindowFont, clBlack, false, true, Role::LegendGasSynthetic, QT_TRANSLATE_NOOP("layout", "Leyenda: gas, azul claro; sintético, salmón")},
    {Kind::Label,       "Label11",   24,  27,   8, 13, "1",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label12",   64,  27,   8, 13, "2",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label13",  104,  27,   8, 13, "3",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label14",  144,  27,   8, 13, "4",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label15",  184,  27,   8, 13, "5",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label16",  224,  27,   8, 13, "6",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label17",  264,  27,   8, 13, "7",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label18",  304,  27,   8, 13, "8",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label19",  344,  27,   8, 13, "9",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label20",  376,  27,  15, 13, "10",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label21",  416,  27,  15, 13, "11",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label22",  456,  27,  15, 13, "12",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label23",  496,  27,  15, 13, "13",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label24",  536,  27,  15, 13, "14",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label25",  576,  27,  15, 13, "15",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label26",  616,  27,  15, 13, "16",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label27",  657,  27,  15, 13, "17",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label28",  698,  27,  15, 13, "18",                            kNumberFont, clRed, true},
    {Kind::Label,       "Label29",    0,  51,   8, 13, "1",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label30",    0,  91,   8, 13, "2",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label31",    0, 131,   8, 13, "3",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label32",    0, 171,   8, 13, "4",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label33",    0, 211,   8, 13, "5",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label34",    0, 251,   8, 13, "6",                             kNumberFont, clRed, true},
    {Kind::Label,       "Label35",    0, 291,   8, 13, "7",                             kNumberFont, clRed, true},
    {Kind::LoweredBox,  "Bevel13",   32, 328,  89, 25, ""},
    {Kind::Label,       "Label7",    40, 328,  75, 21, QT_TRANSLATE_NOOP("layout", "Lantánidos"),                    {Face::Comic, 15, true, true}, clPurple, true},
    {Kind::LoweredBox,  "Bevel4",    80, 368,  81, 25, ""},
    {Kind::Label,       "Label8",    88, 368,  66, 21, QT_TRANSLATE_NOOP("layout", "Actínidos"),                     {Face::Comic, 15, true, true}, clPurple, true},
};

// Drawn controls over the frames: the congratulation, then the hidden readouts.
inline constexpr DrawnSpec kDrawnOverFrames[] = {
    //: The genie's picture follows as the sentence's last word ("genio": genie and genius).
    {Kind::Label,       "mensaje",   16, 520, 637, 45, QT_TRANSLATE_NOOP("layout", "Si no has hecho TRAMPA ... ERES UN  "), {Face::Comic, 32, true, true}, clRed, true, false, Role::Mensaje},
    {Kind::Picture,     "genio",    656, 480,  97, 97, ":/assets/genio.png",            kWindowFont, clBlack, true, false, Role::Genio},
    {Kind::Label,       "Label1",     8,  40,   6, 13, "",                              kWindowFont, clBlack, false, false, Role::CentreX},
    {Kind::Label,       "Label2",     8,  72,   6, 13, "",                              kWindowFont, clBlack, false, false, Role::CentreY},
    {Kind::Label,       "Label4",     8, 104,   6, 13, "",                              kWindowFont, clBlack, false, false, Role::Candidate},
};
// clang-format on

// The kind of control a role needs.
constexpr Kind kindFor(Role role)
{
    switch (role) {
    case Role::Gauge:
        return Kind::Gauge;
    case Role::Genio:
    case Role::LegendSolidLiquid:
    case Role::LegendGasSynthetic:
        return Kind::Picture;
    default:
        return Kind::Label;
    }
}

// Every role but None belongs to exactly one row, of a kind that can play it.
constexpr bool rolesHeldOnce()
{
    constexpr Role roles[] = {Role::Contador,          Role::Veces,     Role::Gauge,
                              Role::Mensaje,           Role::Genio,     Role::CentreX,
                              Role::CentreY,           Role::Candidate, Role::LegendSolidLiquid,
                              Role::LegendGasSynthetic};
    for (Role role : roles) {
        int rows = 0;
        using Table = std::span<const DrawnSpec>;
        for (Table table : {Table(kDrawnUnderFrames), Table(kDrawnOverFrames)})
            for (const DrawnSpec &entry : table) {
                if (entry.role != role)
                    continue;
                const Kind kind = entry.kind == Kind::RightLabel ? Kind::Label : entry.kind;
                if (kind != kindFor(role))
                    return false;
                ++rows;
            }
        if (rows != 1)
            return false;
    }
    return true;
}
static_assert(rolesHeldOnce(), "each role of the main window's layout needs exactly one row");

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
