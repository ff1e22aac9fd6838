#include "tools/artwork/atom.h"
#include "tools/artwork/crystal.h"
#include "tools/artwork/datospicture.h"
#include "tools/artwork/elementchart.h"
#include "tools/artwork/genie.h"
#include "tools/artwork/glyphs.h"
#include "tools/artwork/languages.h"
#include "tools/artwork/legends.h"
#include "tools/artwork/tilestrip.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>
#include <functional>
#include <span>

namespace {

struct Picture
{
    const char *fileName;
    std::function<QImage()> draw;
};

bool loadFonts(const QString &folder)
{
    const char *files[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                           "LiberationSans-Italic.ttf",  "LiberationSans-BoldItalic.ttf",
                           "LiberationSerif-Bold.ttf",   "DejaVuSans.ttf",
                           "DejaVuSans-Bold.ttf"};
    for (const char *file : files) {
        if (QFontDatabase::addApplicationFont(folder + QLatin1Char('/') + QLatin1String(file)) <
            0) {
            std::fprintf(stderr, "cannot load font %s from %s\n", file, qPrintable(folder));
            return false;
        }
    }
    return true;
}

// Draws the pictures into the folder, making it when needed; false after telling what failed.
bool writePictures(const QString &folder, std::span<const Picture> pictures)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make folder %s\n", qPrintable(folder));
        return false;
    }
    for (const Picture &picture : pictures) {
        const QString path = QDir(folder).filePath(QLatin1String(picture.fileName));
        if (!picture.draw().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString assets = QStringLiteral(TABELORA_ASSETS_DIR);
    const QString output = args.size() > 1 ? args.at(1) : assets;
    if (!loadFonts(assets + QStringLiteral("/fonts")))
        return 1;
    const Picture pictures[] = {
        {"tilestrip.png", [] { return artwork::drawTileStrip(board::Table::Classic); }},
        {"tilestrip-actual.png", [] { return artwork::drawTileStrip(board::Table::Today); }},
        {"glyph-nuevo.png", artwork::drawNuevoGlyph},
        {"glyph-corregir.png", artwork::drawCorregirGlyph},
        {"glyph-datos.png", artwork::drawDatosGlyph},
        {"glyph-enviar.png", artwork::drawEnviarGlyph},
        {"glyph-ayuda.png", artwork::drawAyudaGlyph},
        {"glyph-elementos.png", artwork::drawElementosGlyph},
        {"glyph-abrir.png", artwork::drawAbrirGlyph},
        {"genio.png", artwork::drawGenie},
        {"about-crystal.png", artwork::drawCrystalPicture},
        {"datos-picture.png", artwork::drawDatosPicture},
        {"mainicon.png", artwork::drawMainIcon},
    };
    if (!writePictures(output, pictures))
        return 1;

    // The pictures with words in them, once for every language, each in its own folder.
    for (const artwork::PictureLanguage &language : artwork::kPictureLanguages) {
        const QString folder = QDir(output).filePath(QLatin1String(language.folder));
        const Picture worded[] = {
            {"legend-solid-liquid.png", [&] { return artwork::drawSolidLiquidLegend(language); }},
            {"legend-gas-synthetic.png", [&] { return artwork::drawGasSyntheticLegend(language); }},
            {"elementos-chart.png",
             [&] { return artwork::drawElementChart(language, board::Table::Classic); }},
            {"elementos-chart-actual.png",
             [&] { return artwork::drawElementChart(language, board::Table::Today); }},
        };
        if (!writePictures(folder, worded))
            return 1;
    }

    // The program icon at the sizes desktops ask for.
    QDir(output).mkpath(QStringLiteral("icons"));
    for (int size : {32, 48, 64, 128, 256}) {
        const QString path = QDir(output).filePath(QStringLiteral("icons/icon-%1.png").arg(size));
        if (!artwork::drawDesktopIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }

    // The program icon also as a Windows icon file, where this Qt can write one.
    if (QImageWriter::supportedImageFormats().contains("ico")) {
        const QString path = QDir(output).filePath(QStringLiteral("mainicon.ico"));
        QImageWriter writer(path, "ico");
        if (!writer.write(artwork::drawMainIcon())) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
