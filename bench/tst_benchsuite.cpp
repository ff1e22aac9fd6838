#include "bench/budgetreport.h"
#include "bench/processcpu.h"
#include "bench/referenceoptions.h"
#include "bench/referencetile.h"
#include "bench/referencewindow.h"
#include "bench/resultset.h"
#include "bench/scenariooptions.h"
#include "bench/tickcounter.h"
#include "game/board.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <unistd.h>

// The measuring and judging parts of the benchmark suite: a wrong median or a misread
// process clock would make every figure of the suite wrong without anyone noticing.
class TestBenchSuite : public QObject
{
    Q_OBJECT

private slots:
    void medianOfOddAndEvenSampleCounts_data();
    void medianOfOddAndEvenSampleCounts();
    void spreadKeepsEveryRunOfAFigure();
    void malformedResultLinesAreSkippedWhole_data();
    void malformedResultLinesAreSkippedWhole();
    void benchmarkCsvBecomesMicroseconds();

    void statTicksAreFoundAfterAnAwkwardCommandName();
    void schedstatGivesNanosecondsOnACpu();
    void wakeupsAreTheVoluntarySwitchesOnly();
    void ownCpuTimeGrowsWithWorkAndAGoneProcessHasNone();

    void scenarioArguments_data();
    void scenarioArguments();
    void referenceArguments_data();
    void referenceArguments();

    void referenceDriftSnapsAndTakesBackOvershoots_data();
    void referenceDriftSnapsAndTakesBackOvershoots();

    void budgetVerdictsAtTheirBounds_data();
    void budgetVerdictsAtTheirBounds();
    void budgetIsNotMetWhileAFigureIsMissing();
    void budgetTableShowsEveryLineWithItsComparison();

    void referenceWindowHasTheExercisesShape();
    void restingReferenceTilesNeverMove();
    void driftingReferenceTileReachesItsCellAndTurnsBack();

    void tickCounterCountsOnlyTheWatchedClass();
};

void TestBenchSuite::medianOfOddAndEvenSampleCounts_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("median");
    QTest::newRow("one") << QList<double>{4} << 4.0;
    QTest::newRow("odd, unsorted") << QList<double>{9, 1, 5, 3, 7} << 5.0;
    QTest::newRow("even takes the middle two") << QList<double>{10, 1, 4, 2} << 3.0;
    QTest::newRow("outlier does not move it") << QList<double>{1, 1000, 2} << 2.0;
}

void TestBenchSuite::medianOfOddAndEvenSampleCounts()
{
    QFETCH(QList<double>, values);
    QFETCH(double, median);
    QCOMPARE(ResultSet::median(values), median);
}

void TestBenchSuite::spreadKeepsEveryRunOfAFigure()
{
    ResultSet results;
    const int added = results.addText(QStringLiteral("drift.tabelora cpu=30 ticks=11000\n"
                                                     "rest.reference cpu=0.5\n"
                                                     "drift.tabelora cpu=20 ticks=11300\n"
                                                     "drift.tabelora cpu=40 ticks=11200\n"));
    QCOMPARE(added, 4);
    const auto cpu = results.spread(QStringLiteral("drift.tabelora"), QStringLiteral("cpu"));
    QVERIFY(cpu);
    QCOMPARE(cpu->samples, 3);
    QCOMPARE(cpu->median, 30.0);
    QCOMPARE(cpu->min, 20.0);
    QCOMPARE(cpu->max, 40.0);
    QCOMPARE(results.spread(QStringLiteral("drift.tabelora"), QStringLiteral("ticks"))->median,
             11200.0);
    QVERIFY(!results.spread(QStringLiteral("drift.reference"), QStringLiteral("cpu")));
    QVERIFY(!results.spread(QStringLiteral("rest.reference"), QStringLiteral("ticks")));
}

void TestBenchSuite::malformedResultLinesAreSkippedWhole_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString();
    QTest::newRow("name only") << QStringLiteral("rest.tabelora");
    QTest::newRow("word without value") << QStringLiteral("rest.tabelora cpu=1 oops");
    QTest::newRow("value not a number") << QStringLiteral("rest.tabelora cpu=1 app=fast");
    QTest::newRow("no name") << QStringLiteral("cpu=1 app=2");
    QTest::newRow("empty key") << QStringLiteral("rest.tabelora =3");
}

void TestBenchSuite::malformedResultLinesAreSkippedWhole()
{
    QFETCH(QString, line);
    ResultSet results;
    QVERIFY(!results.addLine(line));
    // A bad word later in the line must not leave the good ones before it behind.
    QVERIFY(!results.spread(QStringLiteral("rest.tabelora"), QStringLiteral("cpu")));
}

void TestBenchSuite::benchmarkCsvBecomesMicroseconds()
{
    ResultSet results;
    QVERIFY(results.addBenchmarkCsvLine(QString::fromLatin1(
        R"("moveOverTheBareWindow","","WalltimeMilliseconds",0.00125,1.25,1000000)")));
    QVERIFY(results.addBenchmarkCsvLine(
        QString::fromLatin1(R"("tick","far away","WalltimeMilliseconds",2,4,2)")));
    QVERIFY(
        !results.addBenchmarkCsvLine(QString::fromLatin1(R"("tick","","CPUTicks",2000,4000,2)")));
    QVERIFY(!results.addBenchmarkCsvLine(QStringLiteral("PASS   : BenchGame::shuffle()")));
    QCOMPARE(
        results.spread(QStringLiteral("micro.moveOverTheBareWindow"), QStringLiteral("us"))->median,
        1.25);
    QCOMPARE(results.spread(QStringLiteral("micro.tick:far_away"), QStringLiteral("us"))->median,
             2000.0);
}

void TestBenchSuite::statTicksAreFoundAfterAnAwkwardCommandName()
{
    const QByteArray line =
        "4242 (a b) c)) S 1 4242 4242 0 -1 4194560 120 0 0 0 1234 56 0 0 20 0 3 0 9 0 0\n";
    QCOMPARE(ProcessCpu::parseStatTicks(line), std::optional<qint64>(1290));
    QCOMPARE(ProcessCpu::parseStatTicks("4242 (cut) S 1 2"), std::nullopt);
    QCOMPARE(ProcessCpu::parseStatTicks("no brackets at all"), std::nullopt);
}

void TestBenchSuite::schedstatGivesNanosecondsOnACpu()
{
    QCOMPARE(ProcessCpu::parseSchedstat("370041013 214842971 85\n"),
             std::optional<qint64>(370041013));
    QCOMPARE(ProcessCpu::parseSchedstat("370041013"), std::nullopt);
    QCOMPARE(ProcessCpu::parseSchedstat("x 1 2"), std::nullopt);
}

void TestBenchSuite::wakeupsAreTheVoluntarySwitchesOnly()
{
    const QByteArray status = "Name:\ttabelora\nThreads:\t3\n"
                              "voluntary_ctxt_switches:\t1517\n"
                              "nonvoluntary_ctxt_switches:\t42\n";
    QCOMPARE(ProcessCpu::parseWakeups(status), std::optional<qint64>(1517));
    QCOMPARE(ProcessCpu::parseWakeups("nonvoluntary_ctxt_switches:\t42\n"), std::nullopt);
    QCOMPARE(ProcessCpu::parseWakeups("voluntary_ctxt_switches:\tmany\n"), std::nullopt);
    QVERIFY(ProcessCpu::wakeups(getpid()).value_or(-1) >= 0);
}

void TestBenchSuite::ownCpuTimeGrowsWithWorkAndAGoneProcessHasNone()
{
    const std::optional<double> before = ProcessCpu::seconds(getpid());
    QVERIFY(before);
    volatile double sink = 0;
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 150)
        for (int i = 0; i < 10000; ++i)
            sink = sink + i * 0.5;
    const std::optional<double> after = ProcessCpu::seconds(getpid());
    QVERIFY(after);
    // On a shared machine the process may not get the whole 150 ms, but it gets some.
    QVERIFY2(*after - *before > 0.01, qPrintable(QString::number(*after - *before)));
    QVERIFY(*after - *before < 5);
    QCOMPARE(ProcessCpu::seconds(0x7ffffff0), std::nullopt);
}

void TestBenchSuite::scenarioArguments_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reference");
    QTest::newRow("named after scenario and program")
        << "--scenario steady" << true << "steady.tabelora" << false;
    QTest::newRow("reference named apart")
        << "--program reference --scenario drift" << true << "drift.reference" << true;
    QTest::newRow("explicit name")
        << "--program reference --scenario steady --repaint every --label steady-every.reference"
        << true << "steady-every.reference" << true;
    QTest::newRow("scenario missing") << "--program tabelora" << false << "" << false;
    QTest::newRow("unknown scenario") << "--scenario sleep" << false << "" << false;
    QTest::newRow("reference has no information window")
        << "--program reference --scenario rest-info" << false << "" << true;
    QTest::newRow("flag without value") << "--scenario rest --seconds" << false << "" << false;
    QTest::newRow("zero seconds") << "--scenario rest --seconds 0" << false << "" << false;
    QTest::newRow("bad repaint mode")
        << "--scenario rest --repaint sometimes" << false << "" << false;
    QTest::newRow("unknown flag") << "--scenario rest --fast yes" << false << "" << false;
}

void TestBenchSuite::scenarioArguments()
{
    QFETCH(QString, arguments);
    QFETCH(bool, valid);
    QFETCH(QString, name);
    QFETCH(bool, reference);
    const ScenarioOptions options = ScenarioOptions::parse(
        QStringList{QStringLiteral("tabelora_scenario")} + arguments.split(QLatin1Char(' ')));
    QCOMPARE(options.error.isEmpty(), valid);
    if (!valid)
        return;
    QCOMPARE(options.name, name);
    QCOMPARE(options.program == ScenarioOptions::Program::Reference, reference);
}

void TestBenchSuite::referenceArguments_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("drift");
    QTest::addColumn<bool>("everyTick");
    QTest::newRow("defaults: at rest, 100 ms, on change") << "" << true << 100 << false << false;
    QTest::newRow("drifting every 10 ms")
        << "--interval 10 --drift --repaint every" << true << 10 << true << true;
    QTest::newRow("the last of drift and rest wins")
        << "--drift --rest" << true << 100 << false << false;
    QTest::newRow("zero interval") << "--interval 0" << false << 0 << false << false;
    QTest::newRow("interval beyond 16 bits") << "--interval 65536" << false << 0 << false << false;
    QTest::newRow("unknown flag") << "--fast" << false << 0 << false << false;
}

void TestBenchSuite::referenceArguments()
{
    QFETCH(QString, arguments);
    QFETCH(bool, valid);
    QStringList list{QStringLiteral("tabelora_reference")};
    if (!arguments.isEmpty())
        list += arguments.split(QLatin1Char(' '));
    const ReferenceOptions options = ReferenceOptions::parse(list);
    QCOMPARE(options.error.isEmpty(), valid);
    if (!valid)
        return;
    QTEST(options.interval, "interval");
    QTEST(options.drift, "drift");
    QTEST(options.repaintEveryTick, "everyTick");
}

void TestBenchSuite::referenceDriftSnapsAndTakesBackOvershoots_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("after");
    QTest::newRow("30 away snaps") << 70 << 100 << 10 << 100;
    QTest::newRow("30 away above snaps") << 130 << 100 << 34 << 100;
    QTest::newRow("31 away, step 31 lands") << 69 << 100 << 31 << 100;
    QTest::newRow("31 away, step 32 is taken back") << 69 << 100 << 32 << 69;
    QTest::newRow("31 away, step 20 moves closer") << 69 << 100 << 20 << 89;
    QTest::newRow("far below moves up by the step") << 400 << 100 << 25 << 375;
}

void TestBenchSuite::referenceDriftSnapsAndTakesBackOvershoots()
{
    QFETCH(int, position);
    QFETCH(int, destination);
    QFETCH(int, step);
    QTEST(ReferenceTile::stepAxis(position, destination, step), "after");
}

void TestBenchSuite::budgetVerdictsAtTheirBounds_data()
{
    QTest::addColumn<QString>("results");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("verdict");
    const auto met = static_cast<int>(BudgetReport::Verdict::Met);
    const auto missed = static_cast<int>(BudgetReport::Verdict::Missed);
    // Lines by title: 0 start-up ratio 2, 3 rest difference 0.5, 7 ticks at least 10830.
    QTest::newRow("start-up exactly twice the reference")
        << "startup.tabelora ms=200\nstartup.reference ms=100" << 0 << met;
    QTest::newRow("start-up just over twice")
        << "startup.tabelora ms=201\nstartup.reference ms=100" << 0 << missed;
    QTest::newRow("rest half a point above")
        << "rest.tabelora cpu=1.5\nrest.reference cpu=1.0" << 3 << met;
    QTest::newRow("rest more than half a point above")
        << "rest.tabelora cpu=1.6\nrest.reference cpu=1.0" << 3 << missed;
    QTest::newRow("rest below the reference")
        << "rest.tabelora cpu=0.2\nrest.reference cpu=1.0" << 3 << met;
    QTest::newRow("drift ticks at 95 percent") << "drift.tabelora ticks=10830" << 7 << met;
    QTest::newRow("drift ticks below 95 percent") << "drift.tabelora ticks=10829" << 7 << missed;
    QTest::newRow("median decides, not the worst run")
        << "startup.tabelora ms=150\nstartup.tabelora ms=900\nstartup.tabelora ms=160\n"
           "startup.reference ms=100"
        << 0 << met;
}

void TestBenchSuite::budgetVerdictsAtTheirBounds()
{
    QFETCH(QString, results);
    QFETCH(int, line);
    QFETCH(int, verdict);
    ResultSet set;
    set.addText(results);
    const BudgetReport report(set);
    QCOMPARE(static_cast<int>(report.verdict(BudgetReport::lines()[line])), verdict);
}

void TestBenchSuite::budgetIsNotMetWhileAFigureIsMissing()
{
    ResultSet set;
    set.addText(QStringLiteral("rest.tabelora cpu=1 native=0\n"));
    const BudgetReport report(set);
    QCOMPARE(report.verdict(BudgetReport::lines()[3]), BudgetReport::Verdict::NotMeasured);
    QVERIFY(!report.allMet());
    QVERIFY(report.table().contains(QStringLiteral("not measured")));

    // Every checked line measured and within its bound: the whole budget is met.
    for (int i = 0; i < BudgetReport::lineCount(); ++i) {
        const BudgetReport::Line &line = BudgetReport::lines()[i];
        const QString figure = QLatin1String(line.figure);
        const QString key = QLatin1String(line.key);
        if (line.referenceFigure && !set.spread(QLatin1String(line.referenceFigure), key))
            set.add(QLatin1String(line.referenceFigure), key, 100);
        if (!set.spread(figure, key))
            set.add(figure, key,
                    line.check == BudgetReport::Check::AtLeast ? line.limit
                    : line.referenceFigure                     ? 100
                                                               : line.limit);
    }
    QVERIFY2(report.allMet(), qPrintable(report.table()));
}

void TestBenchSuite::budgetTableShowsEveryLineWithItsComparison()
{
    ResultSet set;
    set.addText(QStringLiteral("startup.tabelora ms=40.2\nstartup.reference ms=20\n"
                               "rest.tabelora cpu=0.9\nrest.reference cpu=0.25\n"
                               "\"shuffle\",\"\",\"WalltimeMilliseconds\",0.004,66,16384\n"));
    const QStringList rows = BudgetReport(set).table().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // A heading, one row per line of the budget, and the closing count.
    QCOMPARE(rows.size(), BudgetReport::lineCount() + 2);
    auto row = [&rows](const char *title) {
        for (const QString &r : rows)
            if (r.startsWith(QLatin1String(title)))
                return r;
        return QString();
    };
    const QString startup = row("Start-up to the first window");
    QVERIFY2(startup.contains(QStringLiteral("2.01 x")) &&
                 startup.endsWith(QStringLiteral("MISSED")),
             qPrintable(startup));
    const QString rest = row("At rest 100 ms, main window");
    QVERIFY2(rest.contains(QStringLiteral("+0.650")) && rest.endsWith(QStringLiteral("MISSED")),
             qPrintable(rest));
    // 0.004 ms per iteration is shown in microseconds.
    QVERIFY(row("Game::baraja").contains(QRegularExpression(QStringLiteral("\\s4\\s"))));
    QVERIFY(row("Full drift 10 ms").endsWith(QStringLiteral("not measured")));
    QVERIFY(rows.last().contains(QStringLiteral("missed or not measured")));
}

void TestBenchSuite::referenceWindowHasTheExercisesShape()
{
    ReferenceWindow window(ReferenceOptions{});
    QCOMPARE(window.size(), QSize(812, 606));
    const QObjectList &stack = window.children();
    for (int i = 0; i < ReferenceWindow::kTileCount; ++i) {
        const board::Point slot = board::traySlot(i + 1);
        const board::Point cell = board::cellCorner(i + 1);
        QCOMPARE(window.tile(i)->geometry(), QRect(slot.x, slot.y, 38, 38));
        QCOMPARE(window.panel(i)->geometry(), QRect(cell.x, cell.y, 40, 40));
        // Later children lie above earlier ones: every panel covers every tile.
        QVERIFY(stack.indexOf(window.panel(i)) >
                stack.indexOf(window.tile(ReferenceWindow::kTileCount - 1)));
        QVERIFY(!window.panel(i)->testAttribute(Qt::WA_NativeWindow));
    }
}

void TestBenchSuite::restingReferenceTilesNeverMove()
{
    ReferenceOptions options;
    options.repaintEveryTick = true;
    ReferenceWindow window(options);
    ReferenceTile *tile = window.tile(40);
    const QPoint start = tile->pos();
    for (int i = 0; i < 200; ++i)
        tile->tick();
    QCOMPARE(tile->pos(), start);
    QCOMPARE(tile->destination(), start);
}

void TestBenchSuite::driftingReferenceTileReachesItsCellAndTurnsBack()
{
    ReferenceOptions options;
    options.drift = true;
    ReferenceWindow window(options);
    const int n = 113; // far from its slot: from the right of the tray to the bottom row
    ReferenceTile *tile = window.tile(n);
    const board::Point cell = board::cellCorner(n + 1);
    const board::Point slot = board::traySlot(n + 1);
    int ticks = 0;
    while (tile->pos() != QPoint(cell.x, cell.y) && ticks < 1000) {
        const QPoint before = tile->pos();
        tile->tick();
        ++ticks;
        // Never a step longer than 34 px on either axis.
        QVERIFY(std::abs(tile->x() - before.x()) <= 34 && std::abs(tile->y() - before.y()) <= 34);
    }
    QCOMPARE(tile->pos(), QPoint(cell.x, cell.y));
    QVERIFY2(ticks < 100, qPrintable(QString::number(ticks)));
    // Arrived, it heads home at once, so a drifting tile never rests.
    QCOMPARE(tile->destination(), QPoint(slot.x, slot.y));
    tile->tick();
    QVERIFY(tile->pos() != QPoint(cell.x, cell.y));
}

void TestBenchSuite::tickCounterCountsOnlyTheWatchedClass()
{
    TickCounter counter(QTimer::staticMetaObject);
    qApp->installEventFilter(&counter);
    QObject bystander;
    const int bystanderTimer = bystander.startTimer(1);
    int timeouts = 0;
    QTimer watched;
    QObject::connect(&watched, &QTimer::timeout, [&] { ++timeouts; });
    watched.start(5);
    QTRY_VERIFY(timeouts >= 5);
    watched.stop();
    bystander.killTimer(bystanderTimer);
    qApp->removeEventFilter(&counter);
    QCOMPARE(counter.ticks(), static_cast<quint64>(timeouts));
    QCOMPARE(counter.paints(), quint64{0});
}

QTEST_MAIN(TestBenchSuite)
#include "tst_benchsuite.moc"
