#include "game/chartlayout.h"
#include "tools/artwork/elements.h"
#include "tools/artwork/languages.h"

#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <climits>

using namespace artwork;
using namespace chart;

namespace {

QImage picture(const QString &name)
{
    QImage image(QStringLiteral(":/assets/") + name);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

// The picture's name in the language's folder.
QString inFolder(const PictureLanguage &language, const char *name)
{
    return language.folder[0] ? QLatin1String(language.folder) + QLatin1Char('/') +
                                    QLatin1String(name)
                              : QLatin1String(name);
}

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Pixels of the given colour that cannot be reached from the picture's border through
// pixels of that colour.
int enclosedPixels(const QImage &image, QRgb colour)
{
    const int w = image.width(), h = image.height();
    QList<bool> reached(qsizetype(w) * h, false);
    QList<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || reached[y * w + x] || image.pixel(x, y) != colour)
            return;
        reached[y * w + x] = true;
        todo.append(QPoint(x, y));
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.pixel(x, y) == colour && !reached[y * w + x])
                ++enclosed;
    return enclosed;
}

QRect boundsOf(const QImage &image, const QRect &area, auto &&isInk)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The states as the tile colours tell them, written out independently of the element table.
State expectedState(int n)
{
    static const QSet<int> gases = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
    if (gases.contains(n))
        return State::Gas;
    if (n == 35 || n == 80)
        return State::Liquid;
    if (n == 43 || n >= 93)
        return State::Synthetic;
    return State::Solid;
}

const QStringList kSymbols =
    QStringLiteral(
        "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As "
        "Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu "
        "Gd "
        "Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu "
        "Am "
        "Cm Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt Uun Uuu Uub Uut Uuq")
        .split(QLatin1Char(' '));

bool hasDescender(const QString &symbol)
{
    return std::any_of(symbol.begin(), symbol.end(),
                       [](QChar c) { return QStringLiteral("gpqy").contains(c); });
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

    QImage m_strip;
    QImage m_todayStrip;

    QImage tileOf(int n, Table table = Table::Classic) const
    {
        const QImage &strip = table == Table::Today ? m_todayStrip : m_strip;
        return strip.copy((n - 1) * kTileSize, 0, kTileSize, kTileSize);
    }

    // Every tile of the classic strip, and the tiles of today's that differ from them.
    void addTileRows()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<Table>("table");
        for (int n = 1; n <= kElementCount; ++n)
            QTest::addRow("%d %s", n, qPrintable(kSymbols.at(n - 1))) << n << Table::Classic;
        for (int n = 110; n <= board::kMaxElementCount; ++n)
            QTest::addRow("today %d", n) << n << Table::Today;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(assets);
        m_strip = picture(QStringLiteral("tilestrip.png"));
        QVERIFY(!m_strip.isNull());
        m_todayStrip = picture(QStringLiteral("tilestrip-actual.png"));
        QVERIFY(!m_todayStrip.isNull());
    }

    void everyPictureHasItsSizeAndNoAlpha_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tile strip") << "tilestrip.png" << QSize(4560, 40);
        QTest::newRow("today's tile strip") << "tilestrip-actual.png" << QSize(4720, 40);
        QTest::newRow("genie") << "genio.png" << QSize(91, 93);
        QTest::newRow("Nuevo glyph") << "glyph-nuevo.png" << QSize(16, 16);
        QTest::newRow("Corregir glyph") << "glyph-corregir.png" << QSize(17, 17);
        QTest::newRow("Datos glyph") << "glyph-datos.png" << QSize(48, 24);
        QTest::newRow("Enviar glyph") << "glyph-enviar.png" << QSize(16, 16);
        QTest::newRow("Ayuda glyph") << "glyph-ayuda.png" << QSize(36, 18);
        QTest::newRow("Elementos glyph") << "glyph-elementos.png" << QSize(32, 32);
        QTest::newRow("Abrir glyph") << "glyph-abrir.png" << QSize(19, 19);
        QTest::newRow("crystal") << "about-crystal.png" << QSize(187, 124);
        QTest::newRow("pupil-data picture") << "datos-picture.png" << QSize(64, 64);
        for (const PictureLanguage &language : kPictureLanguages) {
            QTest::addRow("element chart %s", language.folder)
                << inFolder(language, "elementos-chart.png") << QSize(508, 600);
            QTest::addRow("today's element chart %s", language.folder)
                << inFolder(language, "elementos-chart-actual.png") << QSize(508, 640);
            QTest::addRow("solid and liquid legend %s", language.folder)
                << inFolder(language, "legend-solid-liquid.png") << QSize(132, 25);
            QTest::addRow("gas and synthetic legend %s", language.folder)
                << inFolder(language, "legend-gas-synthetic.png") << QSize(136, 25);
        }
        QTest::newRow("program icon") << "mainicon.png" << QSize(32, 32);
    }

    void everyPictureHasItsSizeAndNoAlpha()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image(QStringLiteral(":/assets/") + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        // Transparent colours are stored as plain colours; the program keys them out.
        QVERIFY(!image.hasAlphaChannel());
    }

    void eightBitPicturesKeepWithinAPalette_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("tile strip") << "tilestrip.png" << 15;
        QTest::newRow("today's tile strip") << "tilestrip-actual.png" << 15;
        QTest::newRow("legend") << "legend-solid-liquid.png" << 256;
        QTest::newRow("genie") << "genio.png" << 256;
        QTest::newRow("crystal") << "about-crystal.png" << 256;
        QTest::newRow("chart") << "elementos-chart.png" << 256;
        QTest::newRow("program icon") << "mainicon.png" << 16;
        QTest::newRow("Nuevo glyph") << "glyph-nuevo.png" << 16;
        QTest::newRow("Datos glyph") << "glyph-datos.png" << 16;
        QTest::newRow("Abrir glyph") << "glyph-abrir.png" << 16;
    }

    void eightBitPicturesKeepWithinAPalette()
    {
        QFETCH(QString, name);
        QFETCH(int, maxColours);
        const QImage image = picture(name);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() <= maxColours, qPrintable(QString::number(colours.size())));
    }

    void glyphsHaveTheirTransparentColourAtTheBottomLeft_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        const QColor silver(192, 192, 192);
        QTest::newRow("Nuevo") << "glyph-nuevo.png" << silver;
        QTest::newRow("Corregir") << "glyph-corregir.png" << silver;
        QTest::newRow("Datos") << "glyph-datos.png" << QColor(255, 0, 0);
        QTest::newRow("Enviar") << "glyph-enviar.png" << silver;
        QTest::newRow("Ayuda") << "glyph-ayuda.png" << QColor(191, 191, 0);
        QTest::newRow("Elementos") << "glyph-elementos.png" << QColor(0, 31, 255);
        QTest::newRow("Abrir") << "glyph-abrir.png" << silver;
        QTest::newRow("genie") << "genio.png" << QColor(4, 35, 54);
    }

    void glyphsHaveTheirTransparentColourAtTheBottomLeft()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        const QImage image = picture(name);
        QCOMPARE(QColor(image.pixel(0, image.height() - 1)), colour);
        // The picture is not all ground.
        QVERIFY(boundsOf(image, image.rect(), [&](QRgb c) { return c != colour.rgb(); }).isValid());
    }

    void elementosGlyphKeepsItsTransparentColourToTheLeftmostColumn()
    {
        const QImage image = picture(QStringLiteral("glyph-elementos.png"));
        const QRgb key = qRgb(0, 31, 255);
        for (int y = 0; y < image.height(); ++y) {
            QCOMPARE(image.pixel(0, y), key);
            for (int x = 1; x < image.width(); ++x)
                QVERIFY(image.pixel(x, y) != key);
        }
        // The blue square stays visible around the atom.
        QCOMPARE(image.pixel(31, 0), qRgb(0, 48, 255));
        QCOMPARE(image.pixel(31, 31), qRgb(0, 48, 255));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 48, 255));
    }

    void disabledHalvesOfTwoStateGlyphsAreGrey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("ground");
        QTest::newRow("Datos") << "glyph-datos.png" << QColor(255, 0, 0);
        QTest::newRow("Ayuda") << "glyph-ayuda.png" << QColor(191, 191, 0);
    }

    void disabledHalvesOfTwoStateGlyphsAreGrey()
    {
        QFETCH(QString, name);
        QFETCH(QColor, ground);
        const QImage image = picture(name);
        const int half = image.width() / 2;
        QCOMPARE(half, image.height());
        int colouredInNormal = 0, greyInDisabled = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < half; ++x) {
                const QRgb c = image.pixel(x, y);
                if (c != ground.rgb() && !(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)))
                    ++colouredInNormal;
            }
            for (int x = half; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                const bool grey = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
                QVERIFY2(grey || c == ground.rgb(),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (grey)
                    ++greyInDisabled;
            }
        }
        QVERIFY(colouredInNormal > 10);
        QVERIFY(greyInDisabled > 10);
    }

    // Tile strip.

    void stripHoldsTheSymbolsInOrder()
    {
        QCOMPARE(kSymbols.size(), kElementCount);
        for (int n = 1; n <= kElementCount; ++n)
            QCOMPARE(text(element(n).symbol), kSymbols.at(n - 1));
    }

    // Today's strip repeats the classic tiles up to 109 and draws its own from 110.
    void todayStripSharesTheClassicTilesUpTo109()
    {
        QCOMPARE(m_todayStrip.copy(0, 0, 109 * kTileSize, kTileSize),
                 m_strip.copy(0, 0, 109 * kTileSize, kTileSize));
        for (int n = 110; n <= kElementCount; ++n)
            QVERIFY(tileOf(n, Table::Today) != tileOf(n));
    }

    void everyTileHasARaisedEdge_data() { addTileRows(); }

    void everyTileHasARaisedEdge()
    {
        QFETCH(int, n);
        QFETCH(Table, table);
        const QImage tile = tileOf(n, table);
        for (int i = 1; i < 39; ++i) {
            QCOMPARE(tile.pixel(i, 0), qRgb(206, 222, 222));
            QCOMPARE(tile.pixel(0, i), qRgb(206, 222, 222));
            QCOMPARE(tile.pixel(39, i), qRgb(156, 173, 173));
            QCOMPARE(tile.pixel(i, 39), qRgb(156, 173, 173));
        }
        QCOMPARE(tile.pixel(0, 0), qRgb(231, 239, 239));
        QCOMPARE(tile.pixel(39, 0), qRgb(173, 189, 189));
        QCOMPARE(tile.pixel(0, 39), qRgb(173, 189, 189));
        QCOMPARE(tile.pixel(39, 39), qRgb(148, 156, 156));
    }

    void everyTileFaceHasItsStateColourAndSymbolColour_data() { addTileRows(); }

    void everyTileFaceHasItsStateColourAndSymbolColour()
    {
        QFETCH(int, n);
        QFETCH(Table, table);
        static const QMap<State, QRgb> faces = {{State::Solid, qRgb(255, 247, 33)},
                                                {State::Liquid, qRgb(24, 255, 255)},
                                                {State::Gas, qRgb(156, 206, 255)},
                                                {State::Synthetic, qRgb(255, 198, 181)}};
        const QRgb face = faces.value(expectedState(n));
        const QRgb ink = (n == 58 || n == 93) ? qRgb(255, 41, 0) : qRgb(66, 8, 173);
        QCOMPARE(element(n, table).state, expectedState(n));
        const QImage tile = tileOf(n, table);
        QCOMPARE(tile.pixel(1, 1), face);
        QCOMPARE(tile.pixel(38, 38), face);
        int inkPixels = 0;
        for (int y = 1; y < 39; ++y)
            for (int x = 1; x < 39; ++x) {
                const QRgb c = tile.pixel(x, y);
                QVERIFY2(c == face || c == ink, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (c == ink) {
                    ++inkPixels;
                    // Everything of the symbol lies in the part a dealt tile shows.
                    QVERIFY(x < kVisibleTileSize && y < kVisibleTileSize);
                }
            }
        QVERIFY(inkPixels > 10); // even "I" has a stem and an underline
    }

    void everySymbolStandsOnItsRowOverItsUnderline_data() { addTileRows(); }

    void everySymbolStandsOnItsRowOverItsUnderline()
    {
        QFETCH(int, n);
        QFETCH(Table, table);
        const QImage tile = tileOf(n, table);
        const QRgb ink = symbolColour(n);
        auto isInk = [ink](QRgb c) { return c == ink; };
        const QString symbol = text(element(n, table).symbol);
        // Letters: capitals 11 pixels high on the foot row; g and q reach 3 rows below it.
        const QRect letters = boundsOf(tile, QRect(1, 15, 38, 19), isInk);
        QCOMPARE(letters.top(), 21);
        QCOMPARE(letters.bottom(), hasDescender(symbol) ? 33 : 31);
        const QRect aboveFoot = boundsOf(tile, QRect(1, 15, 38, 17), isInk);
        // Centred on the face.
        QVERIFY(qAbs((aboveFoot.left() + aboveFoot.right()) - 39) <= 1);
        // The underline runs from one pixel before the letters to one pixel after them.
        const QRect line = boundsOf(tile, QRect(1, 34, 38, 1), isInk);
        QCOMPARE(line.left(), aboveFoot.left() - 1);
        QCOMPARE(line.right(), aboveFoot.right() + 1);
        for (int x = line.left(); x <= line.right(); ++x)
            QVERIFY(isInk(tile.pixel(x, 34)));
        QVERIFY(!boundsOf(tile, QRect(1, 35, 38, 3), isInk).isValid());
        if (n != kNumberedTile)
            QVERIFY(!boundsOf(tile, QRect(1, 1, 38, 14), isInk).isValid());
    }

    // Lower-case letters without ascenders rise 8 pixels from the foot, to row 24: seen in
    // the rightmost columns of the symbol, which belong to its last letter.
    void lowerCaseLettersAreEightPixelsHigh_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= kElementCount; ++n) {
            const QString symbol = kSymbols.at(n - 1);
            if (QStringLiteral("acemnorsu").contains(symbol.back()))
                QTest::addRow("%s", qPrintable(symbol)) << n;
        }
    }

    void lowerCaseLettersAreEightPixelsHigh()
    {
        QFETCH(int, n);
        const QImage tile = tileOf(n);
        const QRgb ink = symbolColour(n);
        auto isInk = [ink](QRgb c) { return c == ink; };
        const QRect letters = boundsOf(tile, QRect(1, 15, 38, 17), isInk);
        const QRect last = boundsOf(tile, QRect(letters.right() - 3, 15, 4, 17), isInk);
        QCOMPARE(last.top(), kSymbolFoot - kLowerCaseHeight + 1);
        QCOMPARE(letters.top(), kSymbolFoot - kCapitalHeight + 1);
    }

    // Bold symbols are drawn with two-pixel strokes, the rest with one-pixel strokes: seen
    // in the left side of every first letter that has an upright one.
    void leftStrokesAreTwoPixelsOnlyInBoldSymbols_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<QList<int>>("rows"); // rows clear of bars and joints
        for (int n = 1; n <= kElementCount; ++n) {
            const QString symbol = kSymbols.at(n - 1);
            const bool bold = QStringList{"H", "B", "C", "N", "O", "F"}.contains(symbol);
            if (QStringLiteral("MN").contains(symbol.at(0))) // the diagonal leaves the stem low
                QTest::addRow("%s", qPrintable(symbol))
                    << n << (bold ? 2 : 1) << QList<int>{29, 30};
            else if (QStringLiteral("BDEFHKLPRU").contains(symbol.at(0)))
                QTest::addRow("%s", qPrintable(symbol))
                    << n << (bold ? 2 : 1) << QList<int>{23, 29};
            else if (QStringLiteral("CGO").contains(symbol.at(0)))
                QTest::addRow("%s", qPrintable(symbol))
                    << n << (bold ? 2 : 1) << QList<int>{25, 26, 27};
        }
    }

    void leftStrokesAreTwoPixelsOnlyInBoldSymbols()
    {
        QFETCH(int, n);
        QFETCH(int, stroke);
        QFETCH(QList<int>, rows);
        QCOMPARE(isBoldSymbol(n), stroke == 2);
        const QImage tile = tileOf(n);
        const QRgb ink = symbolColour(n);
        const QRect letters =
            boundsOf(tile, QRect(1, 15, 38, 17), [ink](QRgb c) { return c == ink; });
        for (int y : rows) {
            int run = 0;
            while (tile.pixel(letters.left() + run, y) == ink)
                ++run;
            QVERIFY2(run == stroke, qPrintable(QStringLiteral("row %1: %2").arg(y).arg(run)));
        }
    }

    void technetiumShowsItsNumberAboveTheSymbol()
    {
        const QImage tile = tileOf(43);
        const QRgb ink = qRgb(66, 8, 173);
        auto isInk = [ink](QRgb c) { return c == ink; };
        const QRect number = boundsOf(tile, QRect(1, 1, 38, 13), isInk);
        QCOMPARE(number.top(), 6);
        QCOMPARE(number.bottom(), 12);
        const QRect line = boundsOf(tile, QRect(1, 14, 38, 1), isInk);
        QCOMPARE(line.left(), number.left() - 1);
        QCOMPARE(line.right(), number.right() + 1);
        QVERIFY(!boundsOf(tile, QRect(1, 13, 38, 1), isInk).isValid());
        // Two figures with a gap between them, so not a single blot.
        int emptyColumns = 0;
        for (int x = number.left(); x <= number.right(); ++x)
            emptyColumns += !boundsOf(tile, QRect(x, 6, 1, 7), isInk).isValid();
        QVERIFY(emptyColumns >= 1);
    }

    void ceriumAndNeptuniumAloneAreRedOrange()
    {
        int redTiles = 0;
        for (int n = 1; n <= kElementCount; ++n) {
            const QImage tile = tileOf(n);
            const bool red =
                boundsOf(tile, tile.rect(), [](QRgb c) { return c == qRgb(255, 41, 0); }).isValid();
            redTiles += red;
            QCOMPARE(red, n == 58 || n == 93);
        }
        QCOMPARE(redTiles, 2);
    }

    // Legends.

    void legendsAreTwoBoxesBetweenTealLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("divider");
        QTest::addColumn<QColor>("left");
        QTest::addColumn<QColor>("right");
        for (const PictureLanguage &language : kPictureLanguages) {
            QTest::addRow("solid and liquid %s", language.folder)
                << inFolder(language, "legend-solid-liquid.png") << 65 << QColor(255, 247, 33)
                << QColor(24, 255, 255);
            QTest::addRow("gas and synthetic %s", language.folder)
                << inFolder(language, "legend-gas-synthetic.png") << 67 << QColor(154, 201, 254)
                << QColor(255, 193, 183);
        }
    }

    void legendsAreTwoBoxesBetweenTealLines()
    {
        QFETCH(QString, name);
        QFETCH(int, divider);
        QFETCH(QColor, left);
        QFETCH(QColor, right);
        const QImage image = picture(name);
        const QRgb teal = qRgb(8, 115, 115);
        const QRgb word = qRgb(0, 16, 0);
        const int last = image.width() - 1;
        for (int x = 0; x <= last; ++x) {
            QCOMPARE(image.pixel(x, 0), teal);
            QCOMPARE(image.pixel(x, 24), teal);
        }
        for (int y = 1; y < 24; ++y) {
            QCOMPARE(image.pixel(divider, y), teal);
            // No line closes the ends.
            QCOMPARE(image.pixel(0, y), left.rgb());
            QCOMPARE(image.pixel(last, y), right.rgb());
        }
        // Inside the boxes: only the box colour and the word.
        for (int y = 1; y < 24; ++y)
            for (int x = 0; x <= last; ++x) {
                if (x == divider)
                    continue;
                const QRgb box = x < divider ? left.rgb() : right.rgb();
                QVERIFY(image.pixel(x, y) == box || image.pixel(x, y) == word);
            }
        // One word in each box, centred in it.
        auto isWord = [word](QRgb c) { return c == word; };
        const QRect a = boundsOf(image, QRect(0, 1, divider, 23), isWord);
        const QRect b = boundsOf(image, QRect(divider + 1, 1, last - divider, 23), isWord);
        QVERIFY(a.isValid() && b.isValid());
        QVERIFY(qAbs(a.left() + a.right() - (divider - 1)) <= 1);
        QVERIFY(qAbs(b.left() + b.right() - (divider + 1 + last)) <= 1);
        // Both words are in full view in a control 129 pixels wide.
        QVERIFY(b.right() < 129);
    }

    void legendWordsHaveTheirLetterHeights()
    {
        const QRgb word = qRgb(0, 16, 0);
        auto isWord = [word](QRgb c) { return c == word; };
        const QImage solidLiquid = picture(QStringLiteral("legend-solid-liquid.png"));
        const QImage gasSynthetic = picture(QStringLiteral("legend-gas-synthetic.png"));
        // "liquido": ascenders of 11 and a descender of 3.
        const QRect liquido = boundsOf(solidLiquid, QRect(66, 1, 66, 23), isWord);
        QCOMPARE(liquido.height(), 11 + 3);
        // "gas": x-height 8 and a descender of 3, standing on the same row.
        const QRect gas = boundsOf(gasSynthetic, QRect(0, 1, 67, 23), isWord);
        QCOMPARE(gas.height(), 8 + 3);
        QCOMPARE(gas.bottom(), liquido.bottom());
    }

    // Genie, window pictures and icon.

    void genieFillsItsAreaAndLeavesGapsToSeeThrough()
    {
        const QImage image = picture(QStringLiteral("genio.png"));
        const QRgb night = qRgb(4, 35, 54);
        const QRect figure = boundsOf(image, image.rect(), [night](QRgb c) { return c != night; });
        QCOMPARE(figure, QRect(QPoint(4, 6), QPoint(76, 87)));
        QVERIFY(enclosedPixels(image, night) > 0);
        // A golden lamp at the bottom right, below the genie's golden wrist bands.
        const QRect gold = boundsOf(image, QRect(0, 60, 91, 33), [](QRgb c) {
            return qRed(c) > 200 && qGreen(c) > 150 && qBlue(c) < 80;
        });
        QVERIFY(gold.left() > 40 && gold.bottom() > 80);
    }

    void crystalIsAPatchOnBlackWithNoBlackInside()
    {
        const QImage image = picture(QStringLiteral("about-crystal.png"));
        const QRgb black = qRgb(0, 0, 0);
        QCOMPARE(image.pixel(0, 0), black);
        QCOMPARE(image.pixel(186, 123), black);
        QCOMPARE(enclosedPixels(image, black), 0);
        int pale = 0, orange = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                pale += qGreen(c) > 200 && qBlue(c) > 170 && qRed(c) > 150;
                orange += qRed(c) > 180 && qGreen(c) < 110 && qBlue(c) < 60;
            }
        QVERIFY(pale > 300);
        QVERIFY(orange > 300);
    }

    void datosPictureIsAFramedPageOnGrey()
    {
        const QImage image = picture(QStringLiteral("datos-picture.png"));
        QCOMPARE(image.pixel(0, 0), qRgb(191, 191, 191));
        QCOMPARE(image.pixel(63, 63), qRgb(191, 191, 191));
        const QRect frame =
            boundsOf(image, image.rect(), [](QRgb c) { return c == qRgb(0, 0, 127); });
        QVERIFY(frame.width() > 30 && frame.height() > 40);
        // The page is white inside its frame; black letters and lines lie on it.
        const QRect page = frame.adjusted(1, 1, -1, -1);
        const QRect black =
            boundsOf(image, image.rect(), [](QRgb c) { return c == qRgb(0, 0, 0); });
        QVERIFY(page.contains(black));
        for (QRgb c : {qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 0)}) {
            const QRect shape = boundsOf(image, image.rect(), [c](QRgb p) { return p == c; });
            QVERIFY(shape.isValid());
            // The shapes sit at the lower left of the page.
            QVERIFY(shape.center().x() < page.center().x() &&
                    shape.center().y() > page.center().y());
        }
    }

    void programIconIsAnAtomOnBlue()
    {
        const QImage image = picture(QStringLiteral("mainicon.png"));
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(image.pixel(corner), qRgb(0, 0, 255));
        const QRect orbits =
            boundsOf(image, image.rect(), [](QRgb c) { return c == qRgb(0, 255, 255); });
        QVERIFY(orbits.width() > 24 && orbits.height() > 20);
        const QRect nucleus =
            boundsOf(image, image.rect(), [](QRgb c) { return c == qRgb(192, 192, 192); });
        QVERIFY(nucleus.contains(QPoint(16, 16)) || nucleus.contains(QPoint(15, 15)));
        // The orbits are dotted: no cyan pixel has a cyan pixel beside, above or below it.
        int dots = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (image.pixel(x, y) != qRgb(0, 255, 255))
                    continue;
                ++dots;
                const bool touching = (x < 31 && image.pixel(x + 1, y) == qRgb(0, 255, 255)) ||
                                      (y < 31 && image.pixel(x, y + 1) == qRgb(0, 255, 255));
                QVERIFY2(!touching, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        QVERIFY(dots > 60);
    }

    void programIconFileMatchesThePicture()
    {
        if (!QImageReader::supportedImageFormats().contains("ico"))
            QSKIP("this Qt has no icon reader");
        QImage ico(QStringLiteral(":/assets/mainicon.ico"));
        QVERIFY(!ico.isNull());
        QCOMPARE(ico.convertToFormat(QImage::Format_RGB32),
                 picture(QStringLiteral("mainicon.png")));
    }

    // Element chart.

    void chartNamesEveryElementUpTo109Once()
    {
        QList<int> numbers;
        for (const ChartRow &row : kChartRows)
            for (const ChartCell &cell : row)
                if (cell.atomicNumber != 0)
                    numbers.append(cell.atomicNumber);
        std::sort(numbers.begin(), numbers.end());
        QCOMPARE(numbers.size(), 109);
        for (int i = 0; i < numbers.size(); ++i)
            QCOMPARE(numbers[i], i + 1);
    }

    void chartRowsHoldFourConsecutiveNumbers()
    {
        for (int r = 0; r + 1 < kChartRowCount; ++r) {
            QList<int> numbers;
            for (const ChartCell &cell : kChartRows[r])
                numbers.append(cell.atomicNumber);
            std::sort(numbers.begin(), numbers.end());
            QCOMPARE(numbers.first() % 4, 1);
            QCOMPARE(numbers.last(), numbers.first() + 3);
        }
        for (const ChartCell &cell : kChartRows[kChartRowCount - 1])
            QVERIFY(cell.atomicNumber == 0 ? cell.name == "-" && cell.symbol == "-"
                                           : cell.atomicNumber == 109);
    }

    void chartRowsReadAsPrinted_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cells");
        QTest::newRow("1") << 1 << "Helio He|Hidrógeno H|Berilio Be|Litio Li";
        QTest::newRow("2") << 2 << "Rutherfordio Rf|Joliotio Jl|Hahnio Hn|Bohrio Bh";
        QTest::newRow("8") << 8 << "Torio Th|Actinio** Ac**|Uranio U|Proactinio Pa";
        QTest::newRow("13") << 13 << "Estaño Sn|Indio In|Teluro Te|Antimonio Sb";
        QTest::newRow("15") << 15 << "Cerio Ce|Lantano * La*|Neodimio Nd|Praseodimio Pr";
        QTest::newRow("22") << 22 << "Hierro Fe|Manganeso Mn|Niquel Ni|Cobalto Co";
        QTest::newRow("26") << 26 << "Nobelio No|Mendelevio Md|Dubnio Db|Laurencio Lr";
        QTest::newRow("27") << 27 << "Carbono C|Boro B|Oxígeno O|Nitrógeno N";
        QTest::newRow("28") << 28 << "- -|Meitnerio Mt|- -|- -";
    }

    void chartRowsReadAsPrinted()
    {
        QFETCH(int, row);
        QFETCH(QString, cells);
        const QStringList pairs = cells.split(QLatin1Char('|'));
        for (int c = 0; c < kChartColumns; ++c) {
            const ChartCell &cell = kChartRows[row - 1][c];
            QCOMPARE(text(cell.name) + QLatin1Char(' ') + text(cell.symbol), pairs.at(c));
        }
    }

    // Today's chart: the game's names in Spanish, the classic chart's asterisks, today's names.
    void todayChartRowsReadAsPrinted()
    {
        auto row = [](const PictureLanguage &language, int r) {
            QStringList cells;
            for (int c = 0; c < kChartColumns; ++c) {
                const PrintedCell cell = printedCell(language, Table::Today, r - 1, c);
                cells.append(text(cell.name) + QLatin1Char(' ') + text(cell.symbol));
            }
            return cells.join(QLatin1Char('|'));
        };
        QCOMPARE(row(kSpanishPictures, 8), "Torio Th|Actinio** Ac**|Uranio U|Protactinio Pa");
        QCOMPARE(row(kSpanishPictures, 15), "Cerio Ce|Lantano * La*|Neodimio Nd|Praseodimio Pr");
        QCOMPARE(row(kSpanishPictures, 26),
                 "Nobelio No|Mendelevio Md|Rutherfordio Rf|Lawrencio Lr");
        QCOMPARE(row(kPictureLanguages[1], 30), "Oganessó Og|Tennes Ts|- -|- -");
    }

    void chartSymbolsAgreeWithTheTilesApartFromTheOldNames()
    {
        // The chart keeps the older names of 104 to 108.
        const QMap<int, QString> older = {{104, "Db"}, {105, "Jl"}, {106, "Rf"}, {108, "Hn"}};
        for (const ChartRow &row : kChartRows)
            for (const ChartCell &cell : row) {
                if (cell.atomicNumber == 0)
                    continue;
                QString symbol = text(cell.symbol);
                symbol.remove(QLatin1Char('*'));
                QCOMPARE(symbol,
                         older.value(cell.atomicNumber, text(element(cell.atomicNumber).symbol)));
            }
    }

    void chartColoursTheLanthanidesAndActinidesCyan_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Table>("table");
        for (const PictureLanguage &language : kPictureLanguages) {
            const char *code = language.folder[0] ? language.folder : "es";
            QTest::addRow("%s", code)
                << inFolder(language, "elementos-chart.png") << Table::Classic;
            QTest::addRow("today %s", code)
                << inFolder(language, "elementos-chart-actual.png") << Table::Today;
        }
    }

    // Each language's chart has the same table; no name or symbol touches a line of its cell.
    void chartColoursTheLanthanidesAndActinidesCyan()
    {
        QFETCH(QString, name);
        QFETCH(Table, table);
        const QImage image = picture(name);
        auto isLine = [](QRgb c) { return qRed(c) < 140 && qGreen(c) < 140 && qBlue(c) < 140; };
        // Row lines run across the whole table; column lines down the whole body.
        QList<int> rowLines, columnLines;
        for (int y = 0; y < image.height(); ++y) {
            int dark = 0;
            for (int x = 1; x < image.width() - 1; ++x)
                dark += isLine(image.pixel(x, y));
            if (dark == image.width() - 2)
                rowLines.append(y);
        }
        for (int x = 0; x < image.width(); ++x) {
            int dark = 0;
            for (int y = 1; y < image.height(); ++y)
                dark += isLine(image.pixel(x, y));
            if (dark == image.height() - 1)
                columnLines.append(x);
        }
        QCOMPARE(rowLines.size(), 1 + 1 + chartRowCount(table)); // top, under the header, each row
        QCOMPARE(columnLines.size(), 2 * kChartColumns + 1);
        // A pale margin at the top and the sides.
        QCOMPARE(rowLines.first(), 1);
        QCOMPARE(columnLines.first(), 1);
        QCOMPARE(columnLines.last(), image.width() - 2);
        for (QPoint p : {QPoint(0, 0), QPoint(0, 300), QPoint(507, 300), QPoint(250, 0)})
            QVERIFY(!isLine(image.pixel(p)) && qRed(image.pixel(p)) > 200 &&
                    qBlue(image.pixel(p)) > 200);

        const int header = rowLines[1] - rowLines[0] - 1;
        QVERIFY(header >= 23 && header <= 25);
        for (int r = 2; r < rowLines.size(); ++r) {
            const int pitch = rowLines[r] - rowLines[r - 1];
            QVERIFY(pitch >= 20 && pitch <= 22);
        }
        for (int c = 0; c < 2 * kChartColumns; ++c) {
            const int width = columnLines[c + 1] - columnLines[c] - 1;
            if (c % 2 == 0)
                QVERIFY2(width >= 68 && width <= 80, qPrintable(QString::number(width)));
            else
                QVERIFY2(width >= 49 && width <= 53, qPrintable(QString::number(width)));
        }

        int cyanCells = 0;
        for (int r = 0; r < chartRowCount(table); ++r)
            for (int c = 0; c < 2 * kChartColumns; ++c) {
                const int n = chartNumber(table, r, c / 2);
                // The cell's lower right corner holds no text.
                const QRgb colour = image.pixel(columnLines[c + 1] - 1, rowLines[r + 2] - 1);
                const bool cyan = colour == qRgb(156, 255, 255);
                QCOMPARE(cyan, hasCyanCells(n));
                if (!cyan)
                    QCOMPARE(colour, qRgb(255, 255, 156));
                cyanCells += cyan;
                // The text keeps a column clear inside both lines of its cell.
                for (int y = rowLines[r + 1] + 1; y < rowLines[r + 2]; ++y)
                    for (int x : {columnLines[c] + 1, columnLines[c + 1] - 1})
                        QVERIFY2(image.pixel(x, y) != qRgb(0, 0, 0),
                                 qPrintable(QStringLiteral("row %1 column %2").arg(r + 1).arg(c)));
                // An element's cell holds letters, capitals 9 pixels high; an empty one a dash.
                const QRect cell(QPoint(columnLines[c] + 1, rowLines[r + 1] + 1),
                                 QPoint(columnLines[c + 1] - 1, rowLines[r + 2] - 1));
                const QRect ink = boundsOf(image, cell, [](QRgb p) { return p == qRgb(0, 0, 0); });
                QVERIFY2(ink.isValid() && (n != 0 ? ink.height() >= 9 : ink.height() <= 2),
                         qPrintable(QStringLiteral("row %1 column %2").arg(r + 1).arg(c)));
            }
        QCOMPARE(cyanCells, 2 * 28);

        // The layout the chart's window rings the current element by meets the drawn lines.
        for (int r = 0; r < chartRowCount(table); ++r)
            for (int pair = 0; pair < kChartColumns; ++pair) {
                const ChartBox box = pairBox(table, r, pair);
                QCOMPARE(QRect(box.left - 1, box.top - 1, box.width + 2, box.height + 2),
                         QRect(QPoint(columnLines[2 * pair], rowLines[r + 1]),
                               QPoint(columnLines[2 * pair + 2], rowLines[r + 2])));
                const ChartPlace place = placeOf(table, chartNumber(table, r, pair));
                QVERIFY(chartNumber(table, r, pair) == 0 || (place.row == r && place.pair == pair));
            }

        // Header texts: blue names, red symbols; the body in black.
        for (int c = 0; c < 2 * kChartColumns; ++c) {
            const QRect cellRect(QPoint(columnLines[c] + 1, rowLines[0] + 1),
                                 QPoint(columnLines[c + 1] - 1, rowLines[1] - 1));
            const QRgb want = c % 2 == 0 ? qRgb(26, 26, 231) : qRgb(230, 0, 0);
            QVERIFY(boundsOf(image, cellRect, [want](QRgb p) { return p == want; }).isValid());
        }
        const QRect body(QPoint(2, rowLines[1] + 1), QPoint(505, image.height() - 2));
        QVERIFY(boundsOf(image, body, [](QRgb p) { return p == qRgb(0, 0, 0); }).isValid());
        QVERIFY(!boundsOf(image, body, [](QRgb p) { return p == qRgb(26, 26, 231); }).isValid());
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
