#include "app/striploader.h"
#include "app/colours.h"

#include "app/errorbox.h"

#include "support/imagebytes.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using striploader::cutTile;
const QRgb kEmptyCellColour = colours::toQColor(board::kEmptyCellColour).rgb();
using striploader::loadTileStrip;

using imagebytes::bitmapFile;
using imagebytes::bitmapHeader;
using imagebytes::BitmapParts;
using imagebytes::encoded;

namespace {

int bitsPerPixelOf(const QByteArray &bitmap)
{
    return qFromLittleEndian<quint16>(bitmap.constData() + 28);
}

// A picture whose every pixel differs from its neighbours and from the empty-cell colour.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, (x / 256) * 16 + y % 16, 17 + y));
    return image;
}

// A small picture written as rows of colour letters, top row first: "RGBW/WBGR".
QImage pictureOf(const QString &rows)
{
    const QStringList lines = rows.split(u'/');
    QImage picture(int(lines.first().size()), int(lines.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const char letter = lines.at(y).at(x).toLatin1();
            picture.setPixel(x, y,
                             letter == 'R'   ? qRgb(255, 0, 0)
                             : letter == 'G' ? qRgb(0, 255, 0)
                             : letter == 'B' ? qRgb(0, 0, 255)
                                             : qRgb(255, 255, 255));
        }
    return picture;
}

const QList<QRgb> kFourColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                  qRgb(255, 255, 255)};

// A file that counts the bytes it hands to its reader.
class CountingFile : public QFile
{
public:
    using QFile::QFile;
    qint64 delivered = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = QFile::readData(data, maxSize);
        delivered += std::max<qint64>(count, 0);
        return count;
    }
};

} // namespace

class TestStripLoader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QImage m_strip; // the built-in strip

    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(pathOf(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

    QString refusal(const QString &path) const
    {
        try {
            loadTileStrip(path);
        } catch (const errorbox::Error &error) {
            return error.text();
        }
        return QStringLiteral("(loaded)");
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(assets);
        QVERIFY(m_dir.isValid());
        m_strip = QImage(QStringLiteral(":/assets/tilestrip.png"));
        QCOMPARE(m_strip.size(), QSize(4560, 40));
    }

    // Loading.

    void loadsPalettedBitmapsOfTheStripPixelForPixel_data()
    {
        QTest::addColumn<int>("paletteSize");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("8 bits per pixel") << 256 << 8;
        QTest::newRow("4 bits per pixel") << 16 << 4;
    }

    void loadsPalettedBitmapsOfTheStripPixelForPixel()
    {
        QFETCH(int, paletteSize);
        QFETCH(int, bitsPerPixel);
        QImage paletted = m_strip.convertToFormat(QImage::Format_Indexed8);
        QList<QRgb> palette = paletted.colorTable();
        QVERIFY(palette.size() <= paletteSize);
        while (palette.size() < paletteSize)
            palette.append(qRgb(0, 0, 0));
        paletted.setColorTable(palette);
        const QByteArray bitmap = encoded(paletted, "BMP");
        QCOMPARE(bitsPerPixelOf(bitmap), bitsPerPixel);

        const QImage loaded = loadTileStrip(write(QStringLiteral("strip.bmp"), bitmap));
        QCOMPARE(loaded.format(), QImage::Format_RGB32);
        QCOMPARE(loaded, m_strip.convertToFormat(QImage::Format_RGB32));
        for (int n : {1, 43, 114})
            QCOMPARE(cutTile(loaded, n, 40), cutTile(m_strip, n, 40));
    }

    void loadsTwentyFourBitBitmapsWhateverTheCaseOfTheExtension()
    {
        const QImage picture = patterned(300, 40);
        const QByteArray bitmap = encoded(picture, "BMP");
        QCOMPARE(bitsPerPixelOf(bitmap), 24);
        QCOMPARE(loadTileStrip(write(QStringLiteral("STRIP.BMP"), bitmap)), picture);
        QCOMPARE(loadTileStrip(write(QStringLiteral("other.Bmp"), bitmap)), picture);
    }

    void loadsTopDownBitmaps()
    {
        // A negative height stores the rows top first.
        const QImage picture = patterned(40, 40);
        QByteArray bitmap = encoded(picture, "BMP");
        auto *data = reinterpret_cast<uchar *>(bitmap.data());
        const qint32 height = qFromLittleEndian<qint32>(data + 22);
        qToLittleEndian<qint32>(-height, data + 22);
        const QImage loaded = loadTileStrip(write(QStringLiteral("topdown.bmp"), bitmap));
        QCOMPARE(loaded, picture.mirrored(false, true));
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1 stands for the path

        const QByteArray strip = encoded(m_strip, "BMP");
        const QString notValid = QStringLiteral("Bitmap image is not valid");

        QTest::newRow("empty file")
            << "empty.bmp" << QByteArray("")
            << QStringLiteral("Bitmap image is not valid: the file is empty");
        QTest::newRow("truncated bitmap")
            << "truncated.bmp" << strip.left(strip.size() / 2) << notValid;
        QTest::newRow("bitmap short of its last byte")
            << "short.bmp" << strip.left(strip.size() - 1) << notValid;
        QTest::newRow("file header only") << "header.bmp" << strip.left(20) << notValid;
        QTest::newRow("impossible bit depth") << "depth.bmp" << bitmapHeader(2, 2, 7) << notValid;
        QTest::newRow("no width") << "narrow.bmp" << bitmapHeader(0, 2, 24) << notValid;
        QTest::newRow("header claiming 100000 x 100000")
            << "huge.bmp" << bitmapHeader(100000, 100000, 24)
            << QStringLiteral("Bitmap image is too large (100000 x 100000 pixels)");
        QTest::newRow("header claiming 100000 x -100000, top down")
            << "hugetopdown.bmp" << bitmapHeader(100000, -100000, 24)
            << QStringLiteral("Bitmap image is too large (100000 x 100000 pixels)");
        // Sizes whose products overflow 32 and even 64 bits.
        QTest::newRow("header claiming 2147483647 x 2147483647")
            << "widest.bmp" << bitmapHeader(2147483647, 2147483647, 32)
            << QStringLiteral("Bitmap image is too large (2147483647 x 2147483647 pixels)");
        QTest::newRow("header claiming 2147483647 x -2147483647")
            << "widesttopdown.bmp" << bitmapHeader(2147483647, -2147483647, 32)
            << QStringLiteral("Bitmap image is too large (2147483647 x 2147483647 pixels)");
        QTest::newRow("header claiming 2147483647 x -2147483648")
            << "lowest.bmp" << bitmapHeader(2147483647, -2147483647 - 1, 32)
            << QStringLiteral("Bitmap image is too large (2147483647 x 2147483648 pixels)");
        QTest::newRow("text file") << "notes.bmp" << QByteArray("Tabla periódica\r\n") << notValid;
        QTest::newRow("PNG renamed .bmp")
            << "png.bmp" << encoded(m_strip, "PNG")
            << QStringLiteral("Bitmap image is not valid: the file holds a picture in PNG format, "
                              "not a bitmap");
        if (QImageWriter::supportedImageFormats().contains("ico"))
            QTest::newRow("icon renamed .bmp")
                << "icon.bmp" << encoded(patterned(32, 32), "ICO")
                << QStringLiteral("Bitmap image is not valid: the file holds a picture in ICO "
                                  "format, not a bitmap");
        QTest::newRow("real PNG") << "strip.png" << encoded(m_strip, "PNG")
                                  << QStringLiteral("Unknown picture file extension (.png)");
        QTest::newRow("bitmap without extension")
            << "strip" << strip << QStringLiteral("Unknown picture file extension (.)");
        QTest::newRow("bitmap named .bmp.txt")
            << "strip.bmp.txt" << strip << QStringLiteral("Unknown picture file extension (.txt)");
        QTest::newRow("missing file")
            << "" << QByteArray()
            << QStringLiteral("Cannot open file \"%1\". No such file or directory");
    }

    void refusesWhatItCannotUse()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path =
            name.isEmpty() ? pathOf(QStringLiteral("missing.bmp")) : write(name, bytes);
        QVERIFY(!path.isEmpty());
        QCOMPARE(refusal(path),
                 message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    }

    // The pixels are read from where the header puts them, however far: nothing between the
    // headers and the pixels is read, and a file too short for the pixels its header promises
    // is refused before they are read. The files are sparse, and small on the disk.
    void readsTheHeadersAndThePixelsAndNothingElse_data()
    {
        QTest::addColumn<qint64>("pixelOffset");
        QTest::addColumn<qint64>("fileSize"); // 0 for a file that ends with its pixels
        QTest::newRow("pixels at 4 GiB") << qint64(0xFFFF0000) << qint64(0);
        QTest::newRow("file ending 2 MiB into the 4 GiB before its pixels")
            << qint64(0xFFFF0000) << qint64(2 << 20);
        QTest::newRow("file 2 MiB long that ends 100 bytes into its pixels")
            << qint64((2 << 20) - 100) << qint64(2 << 20);
    }
    void readsTheHeadersAndThePixelsAndNothingElse()
    {
        QFETCH(qint64, pixelOffset);
        QFETCH(qint64, fileSize);
        const QImage picture = patterned(300, 40);
        const QByteArray bitmap = encoded(picture, "BMP");
        const QByteArray pixels = bitmap.mid(qFromLittleEndian<quint32>(bitmap.constData() + 10));
        const BitmapParts headers{
            .width = 300, .height = 40, .bitsPerPixel = 24, .pixelOffset = pixelOffset};
        CountingFile file(write(QStringLiteral("far.bmp"), bitmapFile(headers)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(fileSize > 0 ? fileSize : pixelOffset));
        QVERIFY(fileSize > 0 || (file.seek(pixelOffset) && file.write(pixels) == pixels.size()));
        QVERIFY(file.seek(0));

        QString refusal;
        QImage loaded;
        try {
            loaded = striploader::readTileStrip(file);
        } catch (const errorbox::Error &error) {
            refusal = error.text();
        }
        QCOMPARE(refusal, fileSize > 0 ? QStringLiteral("Bitmap image is not valid") : QString());
        QCOMPARE(loaded, fileSize > 0 ? QImage() : picture);
        QVERIFY2(file.delivered < 64 * 1024, qPrintable(QString::number(file.delivered)));
    }

    // Forms of bitmap that Qt's writer does not make, and damaged ones, in pictures of 4 x 2
    // pixels. Pixel bytes are written in hexadecimal, one string for each stored row, the
    // bottom row first unless the height is negative. An empty picture stands for a refusal.
    void readsEveryFormAndNoPixelItWasNotGiven_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("picture");

        auto paletted = [](int bits, const char *hex, QList<QRgb> table = kFourColours) {
            return BitmapParts{.width = 4,
                               .height = 2,
                               .bitsPerPixel = quint16(bits),
                               .table = table,
                               .pixels = QByteArray::fromHex(hex)};
        };
        auto direct = [](int bits, const char *hex, QList<quint32> masks = {}) {
            return BitmapParts{.width = 4,
                               .height = 2,
                               .bitsPerPixel = quint16(bits),
                               .compression = masks.isEmpty() ? 0u : 3u,
                               .masks = masks,
                               .pixels = QByteArray::fromHex(hex)};
        };
        // clang-format off
        QTest::newRow("1 bit")
            << bitmapFile(paletted(1, "90000000" "60000000", {qRgb(255, 0, 0), qRgb(255, 255, 255)}))
            << "RWWR/WRRW";
        QTest::newRow("4 bits") << bitmapFile(paletted(4, "32100000" "01230000")) << "RGBW/WBGR";
        const char *eight = "03020100" "00010203";
        QTest::newRow("8 bits") << bitmapFile(paletted(8, eight)) << "RGBW/WBGR";
        BitmapParts topDown = paletted(8, eight);
        topDown.height = -2;
        QTest::newRow("8 bits, top row first") << bitmapFile(topDown) << "WBGR/RGBW";
        // The old header has no count of colours: its table holds one for every index.
        QList<QRgb> fullTable = kFourColours;
        fullTable.resize(256, qRgb(0, 0, 0));
        BitmapParts core = paletted(8, eight, fullTable);
        core.infoSize = 12;
        QTest::newRow("8 bits, old OS/2 header") << bitmapFile(core) << "RGBW/WBGR";
        QTest::newRow("16 bits")
            << bitmapFile(direct(16, "FF7F 1F00 E003 007C" "007C E003 1F00 FF7F")) << "RGBW/WBGR";
        QTest::newRow("16 bits in 5-6-5 fields")
            << bitmapFile(direct(16, "FFFF 1F00 E007 00F8" "00F8 E007 1F00 FFFF",
                                 {0xF800, 0x07E0, 0x001F}))
            << "RGBW/WBGR";
        QTest::newRow("24 bits")
            << bitmapFile(direct(24, "FFFFFF FF0000 00FF00 0000FF" "0000FF 00FF00 FF0000 FFFFFF"))
            << "RGBW/WBGR";
        QTest::newRow("32 bits")
            << bitmapFile(direct(32, "FFFFFF00 FF000000 00FF0000 0000FF00"
                                     "0000FF00 00FF0000 FF000000 FFFFFF00"))
            << "RGBW/WBGR";
        BitmapParts fields = direct(32, "FFFFFF00 0000FF00 00FF0000 FF000000"
                                        "FF000000 00FF0000 0000FF00 FFFFFF00",
                                    {0x0000FF, 0x00FF00, 0xFF0000});
        fields.infoSize = 124;
        QTest::newRow("32 bits in fields of another order, 124-byte header")
            << bitmapFile(fields) << "RGBW/WBGR";

        // Run-length codes: a run is a count and an index, 00 00 ends a row, 00 01 the
        // picture, 00 02 dx dy jumps, 00 n starts n indexes stored as they are.
        auto rle = [](int bits, const QByteArray &codes) {
            return bitmapFile({.width = 4, .height = 2, .bitsPerPixel = quint16(bits),
                               .compression = bits == 8 ? 1u : 2u, .table = kFourColours,
                               .pixels = QByteArray::fromHex(codes)});
        };
        QTest::newRow("8-bit runs") << rle(8, "0004 03020100 0000" "0200 0101 0102 0001")
                                    << "RRGB/WBGR";
        QTest::newRow("4-bit runs") << rle(4, "0004 3210 0000" "0200 0212 0000 0001")
                                    << "RRGB/WBGR";
        for (int bits : {8, 4}) {
            const QByteArray bottom = bits == 8 ? "0004 03020100 0000" : "0004 3210 0000";
            QTest::addRow("%d-bit runs that end at once", bits) << rle(bits, "0001") << QString();
            QTest::addRow("%d-bit runs with a jump", bits)
                << rle(bits, bottom + "0002 0200 0200 0001") << QString();
            QTest::addRow("%d-bit runs cut short", bits) << rle(bits, bottom) << QString();
            QTest::addRow("%d-bit runs that end a row early", bits)
                << rle(bits, bottom + "0200 0000 0400 0001") << QString();
            QTest::addRow("%d-bit run past the row's end", bits)
                << rle(bits, bottom + "0500 0001") << QString();
            QTest::addRow("%d-bit runs past the picture", bits)
                << rle(bits, bottom + "0400 0000 0100 0001") << QString();
        }
        // clang-format on

        // The header puts the pixels four bytes before the end of a full colour table; the
        // file is just long enough for that, so only the bottom row follows the table.
        BitmapParts intoTable = paletted(8, "03020100", fullTable);
        intoTable.pixelOffset = 54 + 1024 - 4;
        QTest::newRow("8 bits starting inside the colour table")
            << bitmapFile(intoTable) << QString();
    }

    void readsEveryFormAndNoPixelItWasNotGiven()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, picture);
        const QString path = write(QStringLiteral("form.bmp"), bytes);
        QVERIFY(!path.isEmpty());
        // Whatever the allocator leaves in fresh memory must not reach a tile. The C library
        // fills each block it hands out with the complement of the value given here, so with
        // bytes 0 and 1, which a decoder that keeps colour indexes shows as red and green.
        // CTest turns its cache of freed blocks off for this suite: blocks from there are
        // handed out unfilled.
        QStringList refusals;
        QList<QImage> tiles;
        for (int filling : {0xFF, 0xFE}) {
#ifdef __GLIBC__
            mallopt(M_PERTURB, filling);
#endif
            refusals << refusal(path);
            tiles << (refusals.last() == QLatin1String("(loaded)")
                          ? cutTile(loadTileStrip(path), 1, 40)
                          : QImage());
        }
#ifdef __GLIBC__
        mallopt(M_PERTURB, 0);
#endif
        QCOMPARE(tiles.at(1), tiles.at(0));
        QCOMPARE(refusals.at(1), refusals.at(0));
        if (picture.isEmpty())
            QCOMPARE(refusals.at(0), QStringLiteral("Bitmap image is not valid"));
        else
            QCOMPARE(tiles.at(0), cutTile(pictureOf(picture), 1, 40));
    }

    void refusesThingsThatAreNotFiles()
    {
        const QString folder = pathOf(QStringLiteral("folder.bmp"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(refusal(folder),
                 QStringLiteral("Cannot open file \"%1\". Is a directory").arg(folder));

        // A pipe would keep the reader waiting for ever.
        const QString pipe = pathOf(QStringLiteral("pipe.bmp"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(refusal(pipe),
                 QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(pipe));

        // A path through a plain file can't be opened, whoever asks.
        const QString plain = write(QStringLiteral("plain.txt"), "x");
        const QString through = plain + QStringLiteral("/strip.bmp");
        QVERIFY(
            refusal(through).startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(through)));
    }

    void refusesFilesItMayNotRead()
    {
        if (::geteuid() == 0)
            QSKIP("running as root, which reads any file");
        const QString path = write(QStringLiteral("locked.bmp"), encoded(m_strip, "BMP"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QCOMPARE(refusal(path),
                 QStringLiteral("Cannot open file \"%1\". Permission denied").arg(path));
    }

    void extensionIsCheckedBeforeTheFile()
    {
        const QString path = pathOf(QStringLiteral("missing.gif"));
        QCOMPARE(refusal(path), QStringLiteral("Unknown picture file extension (.gif)"));
    }

    // Cutting.

    void cutsTheFirstAndLastTilesFromTheirColumns()
    {
        const QImage strip = m_strip.convertToFormat(QImage::Format_RGB32);
        const QImage first = cutTile(m_strip, 1, 40);
        const QImage last = cutTile(m_strip, 114, 40);
        QCOMPARE(first.format(), QImage::Format_RGB32);
        QCOMPARE(first, strip.copy(0, 0, 40, 40));
        QCOMPARE(last, strip.copy(4520, 0, 40, 40));
        QVERIFY(first != cutTile(m_strip, 2, 40));
        // Hydrogen is a gas, element 114 synthetic.
        QCOMPARE(first.pixel(5, 5), qRgb(156, 206, 255));
        QCOMPARE(last.pixel(5, 5), qRgb(255, 198, 181));
    }

    void dealtTilesAreTheTopLeftOfTheirSquare_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {1, 2, 57, 113, 114})
            QTest::addRow("%d", n) << n;
    }

    void dealtTilesAreTheTopLeftOfTheirSquare()
    {
        QFETCH(int, n);
        const QImage dealt = cutTile(m_strip, n, 38);
        QCOMPARE(dealt.size(), QSize(38, 38));
        QCOMPARE(dealt, cutTile(m_strip, n, 40).copy(0, 0, 38, 38));
        // The dark right and bottom edges are left out; the light ones stay.
        QCOMPARE(dealt.pixel(0, 20), qRgb(206, 222, 222));
        QCOMPARE(dealt.pixel(37, 20), cutTile(m_strip, n, 40).pixel(37, 20));
    }

    void partsOutsideASmallStripShowTheEmptyCellColour()
    {
        // A loaded bitmap of 100 x 20: tile 1 and 2 partly, tile 3 partly, tile 4 not at all.
        const QImage small = patterned(100, 20);
        const QImage loaded =
            loadTileStrip(write(QStringLiteral("small.bmp"), encoded(small, "BMP")));
        QCOMPARE(loaded, small);
        for (int n = 1; n <= 4; ++n) {
            const QImage tile = cutTile(loaded, n, 40);
            QCOMPARE(tile.size(), QSize(40, 40));
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    const int sx = (n - 1) * 40 + x;
                    const QRgb want = (sx < 100 && y < 20) ? small.pixel(sx, y) : kEmptyCellColour;
                    QVERIFY2(tile.pixel(x, y) == want,
                             qPrintable(QStringLiteral("tile %1 at %2,%3").arg(n).arg(x).arg(y)));
                }
        }
        QCOMPARE(cutTile(loaded, 114, 38), [] {
            QImage empty(38, 38, QImage::Format_RGB32);
            empty.fill(kEmptyCellColour);
            return empty;
        }());
    }

    void largerStripsAreCutFromTheirTopLeft()
    {
        const QImage large = patterned(4600, 50);
        QCOMPARE(cutTile(large, 114, 40), large.copy(4520, 0, 40, 40));
        QCOMPARE(cutTile(large, 1, 38), large.copy(0, 0, 38, 38));
    }

    void cutsStayInsideTheirSquare()
    {
        // Beyond a square's 40 x 40 lies the next tile, which is not shown.
        const QImage wide = cutTile(m_strip, 1, 45);
        QCOMPARE(wide.copy(0, 0, 40, 40), cutTile(m_strip, 1, 40));
        for (int i = 0; i < 45; ++i) {
            QCOMPARE(wide.pixel(42, i), kEmptyCellColour);
            QCOMPARE(wide.pixel(i, 42), kEmptyCellColour);
        }
        // Squares outside 1 to 114 are all empty.
        for (int n : {0, 115}) {
            const QImage none = cutTile(m_strip, n, 40);
            QCOMPARE(none.size(), QSize(40, 40));
            QCOMPARE(none.pixel(0, 0), kEmptyCellColour);
            QCOMPARE(none.pixel(39, 39), kEmptyCellColour);
        }
        QVERIFY(cutTile(m_strip, 1, 0).isNull());
    }
};

QTEST_GUILESS_MAIN(TestStripLoader)
#include "tst_striploader.moc"
