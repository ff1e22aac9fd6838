// The memory soak: thousands of games in one process with the real main window, each one
// dealt by "&Nuevo", played with one tile carried onto its cell by the pointer, corrected
// by "&Corregir vistas" and left to drift for a moment. The resident memory (VmRSS) is
// printed every hundred games; after the first hundred it must stay flat.
//
//   soak [GAMES]        default 10000; runs offscreen unless QT_QPA_PLATFORM says otherwise
//
// Exits with 1 when the memory after game 100 grew by more than kAllowedGrowthKiB by the end.

#include "app/commandbutton.h"
#include "app/errorbox.h"
#include "app/form1.h"
#include "app/resources.h"
#include "tiles/animatedcorvalia.h"

#include "support/residentmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kDefaultGames = 10000;
constexpr int kReportEvery = 100;            // games
constexpr long kAllowedGrowthKiB = 4 * 1024; // after the first hundred games

// Carries tile n from wherever it lies onto its own cell and lets go, as the pointer would.
void placeOnItsCell(TForm1 &form, int n)
{
    QWindow *window = form.windowHandle();
    const auto *tile = form.findChild<TAnimatedCorvalia *>(QStringLiteral("Tile%1").arg(n));
    QPoint pointer = tile->geometry().center();
    const board::Point cell = board::cellCorner(n);
    const QPoint target = QPoint(cell.x, cell.y) + (pointer - tile->pos());
    QTest::mouseMove(window, pointer);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, pointer);
    while (pointer != target) {
        const QPoint d = target - pointer;
        pointer += QPoint(std::clamp(d.x(), -20, 20), std::clamp(d.y(), -20, 20));
        QTest::mouseMove(window, pointer);
    }
    QTest::mouseMove(window, pointer + QPoint(1, 0)); // the lit cell lags one move behind
    QTest::mouseMove(window, pointer);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, pointer);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : kDefaultGames;

    resources::load();
    int errors = 0;
    errorbox::setSink([&errors](const QString &text) {
        ++errors;
        std::fprintf(stderr, "soak: error shown: %s\n", qPrintable(text));
    });
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "soak: the window never showed\n");
        return 2;
    }

    std::printf("%8s %10s %8s\n", "games", "VmRSS KiB", "seconds");
    QElapsedTimer clock;
    clock.start();
    long afterFirstHundred = -1;
    long lowest = -1;
    long highest = -1;
    auto *nuevo = form.findChild<CommandButton *>(QStringLiteral("BitBtn2"));
    auto *corregir = form.findChild<CommandButton *>(QStringLiteral("Correct"));
    for (int game = 1; game <= games; ++game) {
        nuevo->click();
        placeOnItsCell(form, 1 + (game - 1) % board::kElementCount);
        corregir->click();
        QTest::qWait(1); // a few drift ticks and a paint
        if (game % kReportEvery == 0 || game == games) {
            const long rss = residentKiB();
            std::printf("%8d %10ld %8.1f\n", game, rss, clock.elapsed() / 1000.0);
            std::fflush(stdout);
            if (game == kReportEvery)
                afterFirstHundred = lowest = highest = rss;
            if (game > kReportEvery) {
                lowest = std::min(lowest, rss);
                highest = std::max(highest, rss);
            }
        }
    }

    const long last = residentKiB();
    std::printf("games %d, hits %d of %d cells, errors shown %d\n", games, form.game().HitTotal(),
                form.game().CellsCounted(), errors);
    if (afterFirstHundred < 0) {
        std::printf("too few games to judge the memory\n");
        return 0;
    }
    std::printf("VmRSS after game %d: %ld KiB; afterwards %ld to %ld KiB; at the end %ld KiB "
                "(%+ld KiB)\n",
                kReportEvery, afterFirstHundred, lowest, highest, last, last - afterFirstHundred);
    const bool flat = last - afterFirstHundred <= kAllowedGrowthKiB && errors == 0;
    std::printf("%s\n", flat ? "flat" : "GROWING");
    return flat ? 0 : 1;
}
