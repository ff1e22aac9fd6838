#include "app/marks.h"

#include "app/colours.h"

#include <array>
#include <cstring>
#include <span>

namespace marks {

namespace {
using elements::State;

// Pictures as text, one string a row: '#' dark, '.' white, ' ' clear.
using Rows = std::span<const char *const>;

// clang-format off
constexpr const char *kTick[] = {
    "    #####    ",
    "  ##.....##  ",
    " ##.......## ",
    " #.........# ",
    "#........##.#",
    "#.##....##..#",
    "#..##..##...#",
    "#...####....#",
    "#....##.....#",
    " #.........# ",
    " ##.......## ",
    "  ##.....##  ",
    "    #####    ",
};
constexpr const char *kCross[] = {
    "    #####    ",
    "  ##.....##  ",
    " ##.......## ",
    " #.##...##.# ",
    "#..###.###..#",
    "#...#####...#",
    "#....###....#",
    "#...#####...#",
    "#..###.###..#",
    " #.##...##.# ",
    " ##.......## ",
    "  ##.....##  ",
    "    #####    ",
};

struct Pattern
{
    State state;
    const char *rows[9];
};
constexpr Pattern kPatterns[] = {
    {State::Solid,     {"#########", "#########", "#########", "#########", "#########",
                        "#########", "#########", "#########", "#########"}},
    {State::Liquid,    {"#########", "#.......#", "#########", "#.......#", "#########",
                        "#.......#", "#########", "#.......#", "#########"}},
    {State::Gas,       {"#########", "#.......#", "#.#...#.#", "#.......#", "#...#...#",
                        "#.......#", "#.#...#.#", "#.......#", "#########"}},
    {State::Synthetic, {"#########", "#..#..#.#", "#.#..#..#", "##..#..##", "#..#..#.#",
                        "#.#..#..#", "##..#..##", "#..#..#.#", "#########"}},
};

// Each legend box's state and the column its pattern starts at: one column in from the
// divider, or at the open left end. The words keep clear of them in every language.
struct LegendBox
{
    layout::Role legend;
    int left;
    State state;
};
constexpr LegendBox kLegendBoxes[] = {
    {layout::Role::LegendSolidLiquid,   0, State::Solid},
    {layout::Role::LegendSolidLiquid,  67, State::Liquid},
    {layout::Role::LegendGasSynthetic,  0, State::Gas},
    {layout::Role::LegendGasSynthetic, 69, State::Synthetic},
};
// clang-format on
constexpr int kLegendPatternTop = 8; // centred between the lines at rows 0 and 24

QImage draw(Rows rows)
{
    QImage picture(int(std::strlen(rows[0])), int(rows.size()), QImage::Format_ARGB32);
    const QRgb dark = colours::toQColor(colours::clBlack).rgb();
    const QRgb light = colours::toQColor(colours::clWhite).rgb();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const char c = rows[size_t(y)][x];
            picture.setPixel(x, y, c == '#' ? dark : c == '.' ? light : qRgba(0, 0, 0, 0));
        }
    return picture;
}
} // namespace

const QImage &verdictBadge(bool right)
{
    static const std::array<QImage, 2> badges{draw(kCross), draw(kTick)};
    return badges[right ? 1 : 0];
}

const QImage &statePattern(State state)
{
    static const auto pictures = [] {
        std::array<QImage, std::size(kPatterns)> drawn;
        for (const Pattern &pattern : kPatterns)
            drawn[size_t(pattern.state)] = draw(pattern.rows);
        return drawn;
    }();
    return pictures[size_t(state)];
}

QList<PictureBox::Overlay> legendPatterns(layout::Role legend)
{
    QList<PictureBox::Overlay> overlays;
    for (const LegendBox &box : kLegendBoxes)
        if (box.legend == legend)
            overlays.append({QPoint(box.left, kLegendPatternTop), statePattern(box.state)});
    return overlays;
}

} // namespace marks
