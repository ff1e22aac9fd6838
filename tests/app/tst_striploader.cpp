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

#include <sys/stat.h>
#include <unistd.h>

using striploader::cutTile;
const QRgb kEmptyCellColour = colours::toQColor(board::kEmptyCellColour).rgb();
using striploader::loadTileStrip;

using imagebytes::bitmapHeader;
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
