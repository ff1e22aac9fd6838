#include "bench/scenariorunner.h"

#include "app/blankcell.h"
#include "app/form1.h"
#include "app/resources.h"
#include "bench/processcpu.h"
#include "bench/referencetile.h"
#include "bench/referencewindow.h"
#include "bench/tickcounter.h"
#include "tiles/animatedcorvalia.h"
#include "game/placement.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <unistd.h>

namespace {
// A spot of the main window where no control lies.
constexpr int kBareX = 400;
constexpr int kBareY = 20;
} // namespace

ScenarioRunner::ScenarioRunner(const ScenarioOptions &options) : options_(options)
{
    clock_.start();
}

ScenarioRunner::~ScenarioRunner()
{
    if (counter_)
        qApp->removeEventFilter(counter_);
    delete counter_;
}

QString ScenarioRunner::run()
{
    const QMetaObject &tileClass = options_.program == ScenarioOptions::Program::Tabelora
                                       ? TAnimatedCorvalia::staticMetaObject
                                       : ReferenceTile::staticMetaObject;
    counter_ = new TickCounter(tileClass);
    qApp->installEventFilter(counter_);
    return options_.program == ScenarioOptions::Program::Tabelora ? runTabelora() : runReference();
}

int ScenarioRunner::measuredMs() const
{
    return static_cast<int>(options_.seconds * 1000);
}

ScenarioRunner::Reading ScenarioRunner::read() const
{
    Reading reading;
    reading.appSeconds = ProcessCpu::seconds(getpid()).value_or(0);
    if (options_.xServerPid > 0)
        reading.xSeconds = ProcessCpu::seconds(options_.xServerPid).value_or(0);
    reading.wallNs = clock_.nsecsElapsed();
    reading.ticks = counter_->ticks();
    reading.paints = counter_->paints();
    reading.wakeups = ProcessCpu::wakeups(getpid()).value_or(0);
    return reading;
}

QString ScenarioRunner::resultLine(const Reading &begin, const Reading &end,
                                   const QString &extra) const
{
    const double wall = static_cast<double>(end.wallNs - begin.wallNs) / 1e9;
    const double app = (end.appSeconds - begin.appSeconds) / wall * 100;
    const double x = (end.xSeconds - begin.xSeconds) / wall * 100;
    return QStringLiteral("%1 cpu=%2 app=%3 x=%4 ticks=%5 paints=%6 wakeups=%7 gap=%8 "
                          "seconds=%9%10")
        .arg(options_.name)
        .arg(app + x, 0, 'f', 3)
        .arg(app, 0, 'f', 3)
        .arg(x, 0, 'f', 3)
        .arg(static_cast<double>(end.ticks - begin.ticks) / wall, 0, 'f', 1)
        .arg(static_cast<double>(end.paints - begin.paints) / wall, 0, 'f', 1)
        .arg(static_cast<double>(end.wakeups - begin.wakeups) / wall, 0, 'f', 1)
        .arg(counter_->longestGapMs(), 0, 'f', 1)
        .arg(wall, 0, 'f', 3)
        .arg(extra);
}

QString ScenarioRunner::measureAfterSettling(const std::function<void()> &setUp,
                                             const std::function<QString()> &extra)
{
    Reading begin;
    QString line;
    QTimer::singleShot(options_.settleMs, [&] {
        setUp();
        QTimer::singleShot(options_.warmUpMs, [&] {
            begin = read();
            counter_->resetLongestGap();
            QTimer::singleShot(measuredMs(), [&] {
                line = resultLine(begin, read(), extra());
                QCoreApplication::quit();
            });
        });
    });
    QCoreApplication::exec();
    return line;
}

QString ScenarioRunner::runTabelora()
{
    resources::load();
    qApp->setQuitOnLastWindowClosed(false);
    const bool inInformationWindow =
        options_.scenario == ScenarioOptions::Scenario::RestInInformationWindow;

    // Start-up shows the information window modally once the main window is made: either
    // measure while it is open, or close it at once as a pupil would.
    QString informationLine;
    Reading begin;
    QTimer modalWatch;
    modalWatch.setInterval(10);
    QObject::connect(&modalWatch, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        modalWatch.stop();
        if (!inInformationWindow) {
            dialog->reject();
            return;
        }
        QTimer::singleShot(options_.settleMs, [&, dialog] {
            begin = read();
            counter_->resetLongestGap();
            QTimer::singleShot(measuredMs(), [&, dialog] {
                informationLine = resultLine(begin, read(), {});
                dialog->reject();
            });
        });
    });
    TForm1 form;
    modalWatch.start();
    form.showInformationWindow();
    modalWatch.stop();
    if (inInformationWindow)
        return informationLine;

    form.show();
    int native = 0;
    for (int n = 1; n <= board::kElementCount; ++n)
        native += form.findChild<BlankCell *>(QStringLiteral("Panel%1").arg(n))->internalWinId() != 0 ? 1 : 0;
    qint64 cycleNs = 0;
    int cycles = 0;
    auto extra = [&] {
        QString text = QStringLiteral(" native=%1").arg(native);
        if (cycles > 0)
            text += QStringLiteral(" cycle=%1").arg(cycleNs / 1e6 / cycles, 0, 'f', 2);
        return text;
    };

    QTimer cycle;
    cycle.setTimerType(Qt::PreciseTimer);
    cycle.setInterval(options_.cycleMs);
    auto dealAndCorrect = [&] {
        // A new deal puts every tile back in the tray; the correction sends each to its true
        // cell; the move over the bare window starts them all at 10 ms.
        QElapsedTimer took;
        took.start();
        form.BitBtn2Click();
        form.CorrectClick();
        form.placement().FormMouseMove(kBareX, kBareY);
        cycleNs += took.nsecsElapsed();
        ++cycles;
    };
    QObject::connect(&cycle, &QTimer::timeout, dealAndCorrect);
    auto setUp = [&] {
        switch (options_.scenario) {
        case ScenarioOptions::Scenario::Steady:
            form.placement().FormMouseMove(kBareX, kBareY);
            break;
        case ScenarioOptions::Scenario::Drift:
            dealAndCorrect();
            cycle.start();
            break;
        default:
            break;
        }
    };
    return measureAfterSettling(setUp, extra);
}

QString ScenarioRunner::runReference()
{
    ReferenceOptions reference;
    reference.interval = options_.scenario == ScenarioOptions::Scenario::Rest ? 100 : 10;
    reference.drift = options_.scenario == ScenarioOptions::Scenario::Drift;
    reference.repaintEveryTick = options_.repaintEveryTick;
    ReferenceWindow window(reference);
    window.show();
    int native = 0;
    for (int i = 0; i < ReferenceWindow::kTileCount; ++i)
        native += window.panel(i)->internalWinId() != 0 ? 1 : 0;
    return measureAfterSettling([] {},
                                [native] { return QStringLiteral(" native=%1").arg(native); });
}
