#include "records/labsettings.h"
#include "records/record.h"
#include "records/summary.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <map>
#include <memory>

using namespace records;

namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
}

// A correction of `judged` cells with every tile on its own cell but those in `wrong`
// (element -> the cell it stood on).
Correction correction(const char *time, int judged, const std::map<int, int> &wrong = {})
{
    Correction c{at(time), 1, judged, judged, {}};
    for (int n = 1; n <= judged; ++n)
        c.cellOf.push_back(wrong.count(n) ? wrong.at(n) : n);
    c.hits = judged - int(wrong.size());
    return c;
}

Record record(const QString &pupil, const char *sent, std::vector<Correction> corrections = {})
{
    Record r{at(sent), QStringLiteral("aula1-pc07"), QStringLiteral("ana"), pupil,
             QStringLiteral("3º B"), QStringLiteral("es"), QStringLiteral("clasica"),
             std::move(corrections)};
    for (const Correction &c : r.corrections) {
        r.hitTotal += c.hits;
        r.cellsCounted += c.judged;
    }
    r.percent = r.cellsCounted ? r.hitTotal * 100 / r.cellsCounted : 0;
    return r;
}

// A valid record's JSON with one change made to it.
QByteArray changed(const std::function<void(QJsonObject &)> &change)
{
    const Record r = record(QStringLiteral("Ana"), "2026-12-07T10:15:30+01:00",
                            {correction("2026-12-07T10:14:02+01:00", 114, {{1, 0}})});
    QJsonObject object = QJsonDocument::fromJson(toJson(r)).object();
    change(object);
    return QJsonDocument(object).toJson();
}

QByteArray correctionChanged(const QString &key, const QJsonValue &value)
{
    return changed([&](QJsonObject &o) {
        QJsonArray corrections = o[QStringLiteral("correcciones")].toArray();
        QJsonObject first = corrections[0].toObject();
        if (value.isUndefined())
            first.remove(key);
        else
            first[key] = value;
        corrections[0] = first;
        o[QStringLiteral("correcciones")] = corrections;
    });
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(bytes);
}

// The child's side of twentyFiveWritersAtOnce: waits for the go file, then writes `count`
// records with the same time and machine, so that only the random part tells them apart.
int writeRecords(const QString &folder, int count, const QString &go)
{
    while (!QFileInfo::exists(go))
        QThread::msleep(1);
    const Record r = record(QStringLiteral("Ștefan"), "2026-12-07T10:15:30+01:00",
                            {correction("2026-12-07T10:14:02+01:00", 114, {{7, 8}, {8, 7}})});
    for (int i = 0; i < count; ++i) {
        QString error;
        if (write(r, folder, &error).isEmpty()) {
            qCritical("%s", qPrintable(error));
            return 1;
        }
    }
    return 0;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsNamesAndOffsets();
    void refusesWhatIsNoRecord_data();
    void refusesWhatIsNoRecord();
    void fileNameIsSafeOnEverySystem();
    void writesNeverCollideNorShowTemporaryFiles();
    void writeToAFolderThatCannotBeMadeFails();
    void twentyFiveWritersAtOnce();
    void laterSettingsFilesWinKeyByKey();
    void settingsReadUncPaths_data();
    void settingsReadUncPaths();
    void settingsFilesSystemFirstUserLast();
    void summaryOfAClassWorkedByHand();
    void percentRightRoundsHalvesUp_data();
    void percentRightRoundsHalvesUp();
    void csvQuotesAndDefusesFields();
};

void TestRecords::roundTripKeepsNamesAndOffsets()
{
    // "é" typed as "e" and a combining acute; a character outside the 16-bit range.
    Record r = record(QStringLiteral("Ștefan 🦊 Pe\u0301rez"), "2026-12-07T10:15:30+01:00",
                      {correction("2026-12-07T09:14:02Z", 114, {{1, 0}, {2, 3}}),
                       correction("2026-12-07T04:44:02-05:30", 118, {{118, 0}})});
    r.group = QStringLiteral("3º B");
    const QByteArray bytes = toJson(r);
    QVERIFY(bytes.contains("\"alumno\":\"Ștefan 🦊 Pérez\"")); // UTF-8, composed, unescaped
    QVERIFY(bytes.contains("\"enviado\":\"2026-12-07T10:15:30+01:00\""));

    QString why;
    const std::optional<Record> back = fromJson(bytes, &why);
    QVERIFY2(back, qPrintable(why));
    QCOMPARE(back->pupil, QStringLiteral("Ștefan 🦊 Pérez"));
    QCOMPARE(back->group, r.group);
    QCOMPARE(back->sent, r.sent);
    QCOMPARE(back->sent.offsetFromUtc(), 3600);
    QCOMPARE(back->corrections.size(), size_t(2));
    QCOMPARE(back->corrections[0].time.offsetFromUtc(), 0);
    QCOMPARE(back->corrections[1].time.offsetFromUtc(), -19800);
    QCOMPARE(back->corrections[1].time, r.corrections[1].time);
    QCOMPARE(back->corrections[0].cellOf, r.corrections[0].cellOf);
    QCOMPARE(back->corrections[1].cellOf, r.corrections[1].cellOf);
    QCOMPARE(back->corrections[1].hits, 117);
    QCOMPARE(back->corrections[1].judged, 118);
    QCOMPARE(back->corrections[0].game, 1);
    QCOMPARE(std::tuple(back->machine, back->account, back->language, back->table),
             std::tuple(r.machine, r.account, r.language, r.table));
    QCOMPARE(std::tuple(back->hitTotal, back->cellsCounted, back->percent),
             std::tuple(229, 232, 98));
    QCOMPARE(toJson(*back), bytes);
}

void TestRecords::refusesWhatIsNoRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray whole = changed([](QJsonObject &) {});
    const auto set = [](const char *key, const QJsonValue &value) {
        return changed([=](QJsonObject &o) { o[QLatin1String(key)] = value; });
    };
    const auto without = [](const char *key) {
        return changed([=](QJsonObject &o) { o.remove(QLatin1String(key)); });
    };
    QJsonArray positions;
    for (int n = 1; n <= 114; ++n)
        positions.append(n);
    const auto positionsWith = [&](int index, const QJsonValue &value) {
        QJsonArray changedPositions = positions;
        changedPositions[index] = value;
        return correctionChanged(QStringLiteral("posiciones"), changedPositions);
    };

    QTest::newRow("not JSON") << QByteArray("Aciertos: 57 de 114") << "not JSON";
    QTest::newRow("empty file") << QByteArray() << "not JSON";
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << "not JSON";
    QTest::newRow("an array") << QByteArray("[1, 2]") << "not a JSON object";
    QTest::newRow("no format") << without("formato") << "\"formato\" is missing";
    QTest::newRow("another format") << set("formato", "tabelora-informe") << "another format";
    QTest::newRow("version 2") << set("version", 2) << "version 2, later";
    QTest::newRow("no version") << without("version") << "\"version\" is missing";
    QTest::newRow("version 0") << set("version", 0) << "\"version\" is 0";
    QTest::newRow("version as text") << set("version", "1") << "\"version\" is not a whole number";
    QTest::newRow("no pupil") << without("alumno") << "\"alumno\" is missing";
    QTest::newRow("machine a number") << set("equipo", 7) << "\"equipo\" is not a string";
    QTest::newRow("no totals") << without("totales") << "\"totales\" is missing";
    QTest::newRow("corrections an object") << set("correcciones", QJsonObject()) << "not an array";
    QTest::newRow("time without offset")
        << set("enviado", "2026-12-07T10:15:30") << "\"enviado\" is not a time with its UTC offset";
    QTest::newRow("hits above cells") << correctionChanged(QStringLiteral("aciertos"), 115)
                                      << "\"aciertos\" is 115, out of 0..114";
    QTest::newRow("negative hits") << correctionChanged(QStringLiteral("aciertos"), -1)
                                   << "\"aciertos\" is -1";
    QTest::newRow("game a fraction") << correctionChanged(QStringLiteral("partida"), 2.5)
                                     << "\"partida\" is not a whole number";
    QTest::newRow("positions short") << correctionChanged(QStringLiteral("posiciones"), QJsonArray{1, 2})
                                     << "2 positions for 114 cells";
    QTest::newRow("position 119") << positionsWith(113, 119) << "position 114 is not a cell";
    QTest::newRow("position -1") << positionsWith(0, -1) << "position 1 is not a cell";
    QTest::newRow("position a fraction") << positionsWith(5, 5.5) << "position 6 is not a cell";
    QTest::newRow("position text") << positionsWith(5, "6") << "position 6 is not a cell";
    QTest::newRow("positions missing") << correctionChanged(QStringLiteral("posiciones"), QJsonValue::Undefined)
                                       << "\"posiciones\" is missing";
    QTest::newRow("totals hits above cells")
        << set("totales", QJsonObject{{"aciertos", 115}, {"casillas", 114}, {"porcentaje", 100}})
        << "totales: \"aciertos\" is 115";
}

void TestRecords::refusesWhatIsNoRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!fromJson(bytes, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void TestRecords::fileNameIsSafeOnEverySystem()
{
    Record r = record(QStringLiteral("Ana"), "2026-12-07T10:15:30+01:00");
    r.machine = QStringLiteral("aula 1/pc:07\\ñ.lab");
    const QString name = fileName(r);
    QVERIFY2(QRegularExpression(QStringLiteral("^2026-12-07T10-15-30\\+0100_aula_1_pc_07__\\.lab_"
                                               "[0-9a-f]{16}\\.json$"))
                 .match(name)
                 .hasMatch(),
             qPrintable(name));
    QVERIFY(fileName(r) != name);
    r.sent = at("2026-12-07T04:45:30-05:30");
    QVERIFY(fileName(r).startsWith(QStringLiteral("2026-12-07T04-45-30-0530_")));
    r.sent = at("2026-12-07T09:15:30Z");
    QVERIFY(fileName(r).startsWith(QStringLiteral("2026-12-07T09-15-30+0000_")));
}

void TestRecords::writesNeverCollideNorShowTemporaryFiles()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("registros/nuevo"));
    const Record r = record(QStringLiteral("Ana"), "2026-12-07T10:15:30+01:00");
    QString error;
    const QString first = write(r, folder, &error);
    const QString second = write(r, folder, &error);
    QVERIFY2(!first.isEmpty() && !second.isEmpty(), qPrintable(error));
    QVERIFY(first != second);
    QCOMPARE(QFileInfo(first).path(), folder);
    // No temporary file is left behind; one left by a writer that died is not read.
    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(folder).entryList(everything).size(), 2);
    writeFile(folder + QStringLiteral("/.tabelora-AbCdEf.tmp"), toJson(r).left(40));
    const FolderRecords read = readFolder(folder);
    QCOMPARE(read.records.size(), size_t(2));
    QVERIFY(read.skipped.isEmpty());
}

void TestRecords::writeToAFolderThatCannotBeMadeFails()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("plain-file")), "x");
    QString error;
    QCOMPARE(write(record(QStringLiteral("Ana"), "2026-12-07T10:15:30+01:00"),
                   dir.filePath(QStringLiteral("plain-file/registros")), &error),
             QString());
    QVERIFY2(error.contains(QStringLiteral("plain-file")), qPrintable(error));
}

void TestRecords::twentyFiveWritersAtOnce()
{
    constexpr int kWriters = 25;
    constexpr int kEach = 40;
    QTemporaryDir dir;
    // The folder doesn't exist yet: every writer makes it.
    const QString folder = dir.filePath(QStringLiteral("red/clase"));
    const QString go = dir.filePath(QStringLiteral("go"));
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < kWriters; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedChannels);
        writers.back()->start(QCoreApplication::applicationFilePath(),
                              {QStringLiteral("--write-records"), folder, QString::number(kEach), go});
    }
    for (auto &writer : writers)
        QVERIFY(writer->waitForStarted());
    writeFile(go, {});

    // Read the folder all along: a record is whole or not there.
    int running = kWriters;
    while (running > 0) {
        const FolderRecords seen = readFolder(folder);
        QVERIFY2(seen.skipped.isEmpty(), qPrintable(seen.skipped.join(QLatin1Char('\n'))));
        running = int(std::count_if(writers.begin(), writers.end(), [](auto &writer) {
            return writer->state() != QProcess::NotRunning && !writer->waitForFinished(1);
        }));
    }
    for (auto &writer : writers)
        QCOMPARE(writer->exitCode(), 0);
    const FolderRecords all = readFolder(folder);
    QVERIFY2(all.skipped.isEmpty(), qPrintable(all.skipped.join(QLatin1Char('\n'))));
    QCOMPARE(all.records.size(), size_t(kWriters * kEach));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             kWriters * kEach);
    for (const Loaded &loaded : all.records)
        QCOMPARE(loaded.record.corrections.at(0).cellOf[6], 8);
}

void TestRecords::laterSettingsFilesWinKeyByKey()
{
    QTemporaryDir dir;
    const QString system = dir.filePath(QStringLiteral("etc/tabelora.conf"));
    const QString missing = dir.filePath(QStringLiteral("nowhere/tabelora.conf"));
    const QString user = dir.filePath(QStringLiteral("home/tabelora.conf"));
    writeFile(system, "[general]\nidioma = es\ntabla = actual\n"
                      "[informes]\ncarpeta = /mnt/clase/resultados\n");
    writeFile(user, "; the pupil's own\n[General]\nidioma =  ca  \nmarcas = a, b\n"
                    "[informes]\ncarpeta =\n");
    const LabSettings lab = readLabSettings({system, missing, user});
    QCOMPARE(lab.language, QStringLiteral("ca"));
    QCOMPARE(lab.table, QStringLiteral("actual"));
    QCOMPARE(lab.marks, QStringLiteral("a, b"));
    QCOMPARE(lab.resultsFolder, QStringLiteral("/mnt/clase/resultados")); // empty doesn't win
    const LabSettings none = readLabSettings({missing});
    QVERIFY(none.language.isEmpty() && none.resultsFolder.isEmpty());
}

void TestRecords::settingsReadUncPaths_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("folder");
    QTest::newRow("backslashes doubled in quotes")
        << QByteArray(R"(carpeta = "\\\\servidor\\clase 3, B")") << R"(\\servidor\clase 3, B)";
    QTest::newRow("forward slashes") << QByteArray("carpeta = //servidor/clase") << "//servidor/clase";
}

void TestRecords::settingsReadUncPaths()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tabelora.ini"));
    writeFile(file, "[informes]\r\n" + line + "\r\n");
    QCOMPARE(readLabSettings({file}).resultsFolder, folder);
}

void TestRecords::settingsFilesSystemFirstUserLast()
{
#if defined(Q_OS_WIN)
    QSKIP("the Windows files are fixed places");
#else
    qputenv("XDG_CONFIG_HOME", "/home/ana/.config");
    qputenv("XDG_CONFIG_DIRS", "/etc/aula:/etc/xdg");
    QCOMPARE(labSettingsFiles(),
             QStringList({"/etc/xdg/tabelora/tabelora.conf", "/etc/aula/tabelora/tabelora.conf",
                          "/home/ana/.config/tabelora/tabelora.conf"}));
#endif
}

void TestRecords::summaryOfAClassWorkedByHand()
{
    QTemporaryDir dir;
    // Ana played today's table twice; only her last correction counts per element.
    Record ana = record(QStringLiteral("Ana"), "2026-12-07T10:20:00+01:00",
                        {correction("2026-12-07T10:10:00+01:00", 118, {{5, 6}}),
                         correction("2026-12-07T10:15:00+01:00", 118, {{1, 0}, {2, 1}, {115, 0}})});
    ana.table = QStringLiteral("actual");
    // Ben sent after Ana, from a machine on UTC whose clock showed an earlier hour.
    const Record ben = record(QStringLiteral("Ben"), "2026-12-07T09:25:00Z",
                              {correction("2026-12-07T09:20:00Z", 114, {{1, 2}, {3, 0}})});
    const Record eva = record(QStringLiteral("Eva"), "2026-12-07T11:00:00+01:00");
    QVERIFY(!write(ana, dir.filePath(QStringLiteral("3B")), nullptr).isEmpty());
    QVERIFY(!write(ben, dir.path(), nullptr).isEmpty());
    QVERIFY(!write(eva, dir.filePath(QStringLiteral("3B/lunes")), nullptr).isEmpty());
    writeFile(dir.filePath(QStringLiteral("3B/roto.json")), toJson(ben).chopped(3));
    writeFile(dir.filePath(QStringLiteral("otro.json")), R"({"formato":"otro"})");
    writeFile(dir.filePath(QStringLiteral("notas.txt")), "not a record");

    QString error;
    const FolderRecords read = readFolder(dir.path(), &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(read.records.size(), size_t(3));
    QCOMPARE(read.skipped.size(), 2);
    QVERIFY(read.skipped[0].startsWith(QDir::toNativeSeparators(dir.filePath("3B/roto.json: not JSON"))));
    QVERIFY(read.skipped[1].startsWith(QDir::toNativeSeparators(dir.filePath("otro.json: another format"))));

    const Summary s = summarize(read.records);
    QCOMPARE(s.rows.size(), size_t(3));
    const auto row = [&](int i) {
        const SummaryRow &r = s.rows[size_t(i)];
        return std::tuple(r.pupil, r.corrections, r.lastHits, r.bestHits, r.lastJudged, r.percent);
    };
    QCOMPARE(row(0), std::tuple(QStringLiteral("Ana"), 2, 115, 117, 118, 98));
    QCOMPARE(row(1), std::tuple(QStringLiteral("Ben"), 1, 112, 112, 114, 98));
    QCOMPARE(row(2), std::tuple(QStringLiteral("Eva"), 0, 0, 0, 0, 0));
    QCOMPARE(s.rows[0].sent.offsetFromUtc(), 3600);
    QCOMPARE(s.largestTable, 118);

    const ElementSummary &hydrogen = s.elements.at(1);
    QCOMPARE(std::tuple(hydrogen.pupils, hydrogen.right, hydrogen.percentRight()), std::tuple(2, 0, 0));
    QCOMPARE(hydrogen.putInstead, (std::map<int, int>{{0, 1}, {2, 1}}));
    QCOMPARE(s.elements.at(2).percentRight(), 50);
    QCOMPARE(s.elements.at(5).percentRight(), 100); // Ana's first correction doesn't count
    QCOMPARE(s.elements.at(115).pupils, 1);
    QCOMPARE(s.elements.at(116).percentRight(), 100);
    QCOMPARE(s.mostMissed(10), (std::vector<int>{1, 115, 2, 3}));
    QCOMPARE(s.mostMissed(2), (std::vector<int>{1, 115}));

    QVERIFY(readFolder(dir.filePath(QStringLiteral("nowhere")), &error).records.empty());
    QVERIFY(error.contains(QStringLiteral("does not exist")));
    QCOMPARE(summarize({}).largestTable, 114);
    QCOMPARE(summarize({}).elements.at(1).percentRight(), -1);
}

void TestRecords::percentRightRoundsHalvesUp_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("pupils");
    QTest::addColumn<int>("percent");
    QTest::newRow("1 of 8 is 12.5") << 1 << 8 << 13;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("all") << 25 << 25 << 100;
    QTest::newRow("none judged") << 0 << 0 << -1;
}

void TestRecords::percentRightRoundsHalvesUp()
{
    QFETCH(int, right);
    QFETCH(int, pupils);
    QFETCH(int, percent);
    ElementSummary element;
    element.right = right;
    element.pupils = pupils;
    QCOMPARE(element.percentRight(), percent);
}

void TestRecords::csvQuotesAndDefusesFields()
{
    SummaryRow plain{{}, QStringLiteral("Ștefan"), QStringLiteral("3º B"), QStringLiteral("pc07"),
                     at("2026-12-07T10:15:30+01:00"), 2, 57, 60, 25, 114};
    SummaryRow awkward{{}, QStringLiteral("Ana \"la\"; Pi"), QStringLiteral("=1+1"),
                       QStringLiteral("-pc"), at("2026-12-07T23:59:59-05:00"), 0, 0, 0, 0, 0};
    awkward.group = QStringLiteral("=1+1");
    SummaryRow lines = plain;
    lines.pupil = QStringLiteral("a\r\nb");
    lines.group = QStringLiteral("@x");
    lines.machine = QStringLiteral("+pc");
    QCOMPARE(csv({plain, awkward, lines}),
             QByteArray("\xEF\xBB\xBF"
                        "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;Porcentaje\r\n"
                        "Ștefan;3º B;pc07;2026-12-07 10:15;2;57;60;25\r\n"
                        "\"Ana \"\"la\"\"; Pi\";\"'=1+1\";\"'-pc\";2026-12-07 23:59;0;0;0;0\r\n"
                        "\"a\r\nb\";\"'@x\";\"'+pc\";2026-12-07 10:15;2;57;60;25\r\n"));
}

// Run as `tst_records --write-records FOLDER COUNT GOFILE`, the program is one of the writers
// of twentyFiveWritersAtOnce.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1] == QLatin1String("--write-records"))
        return writeRecords(arguments[2], arguments[3].toInt(), arguments[4]);
    TestRecords test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
