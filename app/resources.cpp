#include "app/resources.h"

#include <QFontDatabase>
#include <QResource>

static void initAssetResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace resources {

namespace {
QString sansFamily = QStringLiteral("Liberation Sans");
QString comicFamily = QStringLiteral("Comic Neue");

QFont makeFont(const QString &family, int pixelHeight, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}
} // namespace

void load()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    initAssetResources();
    const char *files[] = {
        "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-BoldItalic.ttf",
        "ComicNeue-Regular.otf",      "ComicNeue-Bold.otf",      "ComicNeue-BoldItalic.otf",
    };
    for (const char *file : files) {
        // The fonts are stored uncompressed, so the compiled-in bytes are registered where
        // they lie. Registering by path would read a heap copy of every font, kept for the
        // whole run, and the font engine would read another of each face it opens.
        const QResource font(QStringLiteral(":/assets/fonts/") + QLatin1String(file));
        if (font.isValid() && font.compressionAlgorithm() == QResource::NoCompression)
            QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char *>(font.data()), static_cast<qsizetype>(font.size())));
        else
            QFontDatabase::addApplicationFontFromData(font.uncompressedData());
    }
}

QFont sansSerif(int pixelHeight, bool bold, bool italic, bool underline)
{
    QFont font = makeFont(sansFamily, pixelHeight, bold, italic);
    font.setUnderline(underline);
    return font;
}

QFont comic(int pixelHeight, bool bold, bool italic)
{
    return makeFont(comicFamily, pixelHeight, bold, italic);
}

QFont font(const FontSpec &entry)
{
    if (entry.face == Face::Comic)
        return comic(entry.pixelHeight, entry.bold, entry.italic);
    return sansSerif(entry.pixelHeight, entry.bold, entry.italic, entry.underline);
}

QIcon programIcon()
{
    QIcon icon(QPixmap::fromImage(picture(QStringLiteral(":/assets/mainicon.png"))));
    for (int size : {48, 64, 128, 256}) {
        const QImage larger = picture(QStringLiteral(":/assets/icons/icon-%1.png").arg(size));
        if (!larger.isNull())
            icon.addPixmap(QPixmap::fromImage(larger));
    }
    return icon;
}

QImage picture(const QString &resource, int width, int height)
{
    QImage image(resource);
    if (image.isNull() && width > 0 && height > 0) {
        image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image;
}

QImage keyedBy(const QImage &image, QRgb key)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    key |= 0xff000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xff000000u) == key)
                line[x] = 0;
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage keyedByBottomLeft(const QImage &image)
{
    if (image.isNull())
        return image;
    return keyedBy(image, image.pixel(0, image.height() - 1));
}

} // namespace resources
