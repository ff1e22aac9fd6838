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

#include <map>
#include <memory>

using namespace records;

namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
}

// A correction of `judged` cells, every tile on its own cell but those in `wrong`
// (element -> the cell it stood on).
Correction correction(const char *time, int judged, const std::map<int, int> &wrong = {})
{
    Correction c{at(time), 1, judged - int(wrong.size()), judged, {}};
    for (int n = 1; n <= judged; ++n)
        c.cellOf.push_back(wrong.count(n) ? wrong.at(n) : n);
    return c;
}

Record record(const QString &pupil, const char *sent, std::vector<Correction> corrections = {})
{
    Record r{at(sent), "aula1-pc07", "ana", pupil, "3º B", "es", "clasica", std::move(corrections)};
    for (const Correction &c : r.corrections) {
        r.hitTotal += c.hits;
        r.cellsCounted += c.judged;
    }
    r.percent = r.cellsCounted ? r.hitTotal * 100 / r.cellsCounted : 0;
    return r;
}

// A valid record's JSON with one field set, or removed when `value` is undefined; a key
// "correcciones/KEY" is the first correction's.
QByteArray changed(const QString &key, const QJsonValue &value)
{
    const auto set = [&value](QJsonObject &object, const QString &name) {
        value.isUndefined() ? object.remove(name) : void(object[name] = value);
    };
    const Record r =
        record("Ana", "2026-12-07T10:15:30+01:00", {correction("2026-12-07T10:14:02+01:00", 114)});
    QJsonObject object = QJsonDocument::fromJson(toJson(r)).object();
    QJsonArray corrections = object["correcciones"].toArray();
    QJsonObject first = corrections[0].toObject();
    key.startsWith("correcciones/") ? set(first, key.mid(13)) : set(object, key);
    corrections[0] = first;
    object["correcciones"] = corrections;
    return QJsonDocument(object).toJson();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
             qPrintable(path));
}

// One of the writers of twentyFiveWritersAtOnce: once the go file is there, `count` records
// with the same time and machine, so that only the random part of their names differs.
int writeRecords(const QString &folder, int count, const QString &go)
{
    while (!QFileInfo::exists(go))
        QThread::msleep(1);
    const Record r = record("Ștefan", "2026-12-07T10:15:30+01:00",
                            {correction("2026-12-07T10:14:02+01:00", 114, {{7, 8}, {8, 7}})});
    QString error;
    for (int i = 0; i < count; ++i) {
        if (write(r, folder, &error).isEmpty())
            qFatal("%s", qPrintable(error));
    }
    return 0;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsNamesAndOffsets()
    {
        // "é" typed as "e" and a combining accent, and a character outside the 16-bit range.
        const Record r = record("Ștefan 🦊 Pe\u0301rez", "2026-12-07T10:15:30+01:00",
                                {correction("2026-12-07T09:14:02Z", 114, {{1, 0}, {2, 3}}),
                                 correction("2026-12-07T04:44:02-05:30", 118, {{118, 0}})});
        const QByteArray bytes = toJson(r);
        QVERIFY(bytes.contains(R"("alumno":"Ștefan 🦊 Pérez")")); // UTF-8, composed
        QVERIFY(bytes.contains(R"("enviado":"2026-12-07T10:15:30+01:00")"));
        QString why;
        const std::optional<Record> back = fromJson(bytes, &why);
        QVERIFY2(back, qPrintable(why));
        QCOMPARE(back->pupil, QString("Ștefan 🦊 Pérez"));
        QCOMPARE(back->sent.offsetFromUtc(), 3600);
        QCOMPARE(back->corrections.at(1).time.offsetFromUtc(), -19800);
        QCOMPARE(back->corrections.at(1).cellOf, r.corrections[1].cellOf);
        QCOMPARE(toJson(*back), bytes); // every other field as it was
    }

    void refusesWhatIsNoRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QJsonValue none(QJsonValue::Undefined);
        const auto positionsWith = [](int index, const QJsonValue &value) {
            QJsonArray positions;
            for (int n = 1; n <= 114; ++n)
                positions.append(n == index ? value : n);
            return changed("correcciones/posiciones", positions);
        };
        QTest::newRow("not JSON") << QByteArray("Aciertos: 57 de 114") << "not JSON";
        QTest::newRow("cut short") << changed("x", none).chopped(30) << "not JSON";
        QTest::newRow("an array") << QByteArray("[]") << "not a JSON object";
        QTest::newRow("another format")
            << changed("formato", "tabelora-informe") << "another format";
        QTest::newRow("version 2") << changed("version", 2) << "version 2, later";
        QTest::newRow("no version") << changed("version", none) << R"("version" is missing)";
        QTest::newRow("no pupil") << changed("alumno", none) << R"("alumno" is missing)";
        QTest::newRow("time without offset")
            << changed("enviado", "2026-12-07T10:15:30") << "UTC offset";
        QTest::newRow("hits above cells")
            << changed("correcciones/aciertos", 115) << "115, out of 0..114";
        QTest::newRow("game a fraction")
            << changed("correcciones/partida", 2.5) << "not a whole number";
        QTest::newRow("positions short")
            << changed("correcciones/posiciones", QJsonArray{1, 2}) << "2 positions for 114 cells";
        QTest::newRow("position 119") << positionsWith(114, 119) << "position 114 is not a cell";
        QTest::newRow("position as text") << positionsWith(6, "6") << "position 6 is not a cell";
        QTest::newRow("total hits above cells")
            << changed("totales",
                       QJsonObject{{"aciertos", 115}, {"casillas", 114}, {"porcentaje", 100}})
            << R"(totales: "aciertos" is 115)";
    }
    void refusesWhatIsNoRecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!fromJson(bytes, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void fileNameIsSafeOnEverySystem()
    {
        Record r = record("Ana", "2026-12-07T10:15:30+01:00");
        r.machine = "aula 1/pc:07\\ñ.lab";
        const QString name = fileName(r);
        QCOMPARE(name.chopped(22), "2026-12-07T10-15-30+0100_aula_1_pc_07__.lab");
        QVERIFY2(QRegularExpression("^_[0-9a-f]{16}\\.json$").match(name.right(22)).hasMatch(),
                 qPrintable(name));
        r.sent = at("2026-12-07T04:45:30-05:30");
        QVERIFY(fileName(r).startsWith("2026-12-07T04-45-30-0530_"));
    }

    void writesNeverCollideNorLeaveTemporaryFiles()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("registros/nuevo");
        const Record r = record("Ana", "2026-12-07T10:15:30+01:00");
        QString error;
        // The folder is made by whoever owns it, never by a write.
        QVERIFY(write(r, folder, &error).isEmpty());
        QVERIFY2(error.contains("registros/nuevo") && !QFileInfo::exists(folder), qPrintable(error));
        QVERIFY(QDir().mkpath(folder));
        const QString first = write(r, folder, &error);
        const QString second = write(r, folder, &error);
        QVERIFY2(!first.isEmpty() && !second.isEmpty() && first != second, qPrintable(error));
        const auto everything =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(folder).entryList(everything).size(), 2);
        QVERIFY(QFileInfo(first).permission(QFile::ReadGroup | QFile::ReadOther)); // the teacher's
        // A temporary file left by a writer that died is no record.
        writeFile(folder + "/.tabelora-AbCdEf.tmp", toJson(r).left(40));
        const FolderRecords read = readFolder(folder);
        QVERIFY(read.records.size() == 2 && read.skipped.isEmpty());
        // Delivered again under the same name: the same bytes are there already, so nothing
        // is written; other bytes under that name are not replaced.
        const QString name = QFileInfo(first).fileName();
        QVERIFY(deliver(toJson(r), folder, name, &error));
        QVERIFY(!deliver(toJson(r) + ' ', folder, name, &error));
        QCOMPARE(QDir(folder).entryList(everything).size(), 3);
        QCOMPARE(readFile(first), toJson(r));
    }

    void twentyFiveWritersAtOnce()
    {
        constexpr int kWriters = 25;
        constexpr int kEach = 40;
        // TABELORA_SHARED_FOLDER runs it in a folder of a network share mounted here.
        QTemporaryDir dir(qEnvironmentVariable("TABELORA_SHARED_FOLDER", QDir::tempPath()) +
                          "/tst_records-XXXXXX");
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath("red/clase");
        QVERIFY(QDir().mkpath(folder));
        const QString go = dir.filePath("go");
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int i = 0; i < kWriters; ++i) {
            auto &writer = writers.emplace_back(std::make_unique<QProcess>());
            writer->setProcessChannelMode(QProcess::ForwardedChannels);
            writer->start(QCoreApplication::applicationFilePath(),
                          {"--write-records", folder, QString::number(kEach), go});
            QVERIFY(writer->waitForStarted());
        }
        writeFile(go, {});
        // Read all along: a record is whole or not there.
        for (int running = kWriters; running > 0;) {
            const FolderRecords seen = readFolder(folder);
            QVERIFY2(seen.skipped.isEmpty(), qPrintable(seen.skipped.join('\n')));
            running = int(std::count_if(writers.begin(), writers.end(), [](auto &writer) {
                return writer->state() != QProcess::NotRunning && !writer->waitForFinished(1);
            }));
        }
        for (auto &writer : writers)
            QVERIFY(writer->exitStatus() == QProcess::NormalExit && writer->exitCode() == 0);
        const FolderRecords all = readFolder(folder);
        QVERIFY2(all.skipped.isEmpty(), qPrintable(all.skipped.join('\n')));
        QCOMPARE(all.records.size(), size_t(kWriters * kEach));
    }

    void settingsOfLaterFilesWinKeyByKey()
    {
        QTemporaryDir dir;
        const QString system = dir.filePath("etc.conf"), user = dir.filePath("home.conf");
        writeFile(system,
                  "[general]\nidioma = es\ntabla = actual\n[informes]\ncarpeta = /mnt/clase\n");
        writeFile(user, "[General]\nidioma =  ca  \nmarcas = a, b\n[informes]\ncarpeta =\n");
        const LabSettings lab = readLabSettings({system, dir.filePath("missing.conf"), user});
        QCOMPARE(QStringList({lab.language, lab.table, lab.marks, lab.resultsFolder}),
                 QStringList({"ca", "actual", "a, b", "/mnt/clase"}));
        // A UNC path with its backslashes doubled inside quotes, or with forward slashes.
        writeFile(dir.filePath("unc.ini"), R"([informes]
carpeta = "\\\\servidor\\clase 3, B")");
        QCOMPARE(readLabSettings({dir.filePath("unc.ini")}).resultsFolder,
                 R"(\\servidor\clase 3, B)");
        writeFile(dir.filePath("slashes.ini"), "[informes]\r\ncarpeta = //servidor/clase\r\n");
        QCOMPARE(readLabSettings({dir.filePath("slashes.ini")}).resultsFolder, "//servidor/clase");
        // As a Windows teacher writes them: backslashes as they are, in Notepad's code page.
        for (const char *path : {R"(C:\Resultados\Clase3B)", R"(\\servidor\clase)", R"(C:\temp\notas)"}) {
            writeFile(dir.filePath("win.ini"), QByteArray("[informes]\r\ncarpeta = ") + path);
            QCOMPARE(readLabSettings({dir.filePath("win.ini")}).resultsFolder, QString(path));
        }
        writeFile(dir.filePath("1252.ini"), "[informes]\r\ncarpeta = C:/F\xEDsica/3\xBA" "B \x80\r\n");
        const LabSettings notepad = readLabSettings({dir.filePath("1252.ini")});
        QCOMPARE(notepad.resultsFolder, QString::fromUtf8("C:/Física/3ºB €"));
        QVERIFY2(notepad.problems.size() == 1 && notepad.problems[0].contains("Windows-1252"),
                 qPrintable(notepad.problems.join('\n')));
        // Mistyped names are told with the name meant, and what they hold is not taken.
        writeFile(dir.filePath("typos.ini"),
                  "[INFORMES]\ncarpeta = /a\n[informes]\nCarpeta = /b\ncarpetas = /c\n[otro]\nx\n");
        const LabSettings typos = readLabSettings({dir.filePath("typos.ini")});
        QVERIFY(typos.resultsFolder.isEmpty());
        const QString at = QDir::toNativeSeparators(dir.filePath("typos.ini"));
        QCOMPARE(typos.problems,
                 QStringList({at + ":1: sección desconocida [INFORMES]; ¿quería decir [informes]?",
                              at + ":4: clave desconocida «Carpeta» en [informes]; ¿quería decir "
                                   "«carpeta»?",
                              at + ":5: clave desconocida «carpetas» en [informes]; ¿quería decir "
                                   "«carpeta»?",
                              at + ":6: sección desconocida [otro]",
                              at + ":7: no es ni «[sección]» ni «clave = valor»: x"}));
#if !defined(Q_OS_WIN)
        qputenv("XDG_CONFIG_HOME", "/home/ana/.config");
        qputenv("XDG_CONFIG_DIRS", "/etc/aula:/etc/xdg");
        QCOMPARE(labSettingsFiles(),
                 QStringList({"/etc/xdg/tabelora/tabelora.conf", "/etc/aula/tabelora/tabelora.conf",
                              "/home/ana/.config/tabelora/tabelora.conf"}));
#endif
    }

    void summaryOfAClassWorkedByHand()
    {
        QTemporaryDir dir;
        // Ana played today's table twice: only her last correction counts per element.
        Record ana =
            record("Ana", "2026-12-07T10:20:00+01:00",
                   {correction("2026-12-07T10:10:00+01:00", 118, {{5, 6}}),
                    correction("2026-12-07T10:15:00+01:00", 118, {{1, 0}, {2, 1}, {115, 0}})});
        ana.table = "actual";
        // Ben sent after Ana, from a machine on UTC whose clock showed an earlier hour.
        const Record ben = record("Ben", "2026-12-07T09:25:00Z",
                                  {correction("2026-12-07T09:20:00Z", 114, {{1, 2}, {3, 0}})});
        QVERIFY(QDir().mkpath(dir.filePath("3B/lunes")));
        QVERIFY(!write(ana, dir.filePath("3B"), nullptr).isEmpty());
        QVERIFY(!write(ben, dir.path(), nullptr).isEmpty());
        QVERIFY(
            !write(record("Eva", "2026-12-07T11:00:00+01:00"), dir.filePath("3B/lunes"), nullptr)
                 .isEmpty());
        writeFile(dir.filePath("3B/roto.json"), toJson(ben).chopped(3));
        writeFile(dir.filePath("otro.json"), R"({"formato":"otro"})");
        writeFile(dir.filePath("notas.txt"), "not a record");
        QString error;
        const FolderRecords read = readFolder(dir.path(), &error);
        QVERIFY(error.isEmpty() && read.records.size() == 3);
        QCOMPARE(read.skipped.size(), 2);
        QVERIFY(read.skipped[0].startsWith(dir.filePath("3B/roto.json: not JSON")));
        QVERIFY(read.skipped[1].startsWith(dir.filePath("otro.json: another format")));

        const Summary s = summarize(read.records);
        const auto row = [&s](size_t i) {
            const SummaryRow &r = s.rows.at(i);
            return std::tuple(r.pupil, r.corrections, r.lastHits, r.bestHits, r.lastJudged,
                              r.percent);
        };
        QCOMPARE(row(0), std::tuple(QString("Ana"), 2, 115, 117, 118, 98));
        QCOMPARE(row(1), std::tuple(QString("Ben"), 1, 112, 112, 114, 98));
        QCOMPARE(row(2), std::tuple(QString("Eva"), 0, 0, 0, 0, -1));
        QCOMPARE(s.largestTable, 118);
        const ElementSummary &hydrogen = s.elements.at(1);
        QCOMPARE(std::tuple(hydrogen.pupils, hydrogen.right, hydrogen.percentRight()),
                 std::tuple(2, 0, 0));
        QCOMPARE(hydrogen.putInstead, (std::map<int, int>{{0, 1}, {2, 1}}));
        QCOMPARE(s.elements.at(5).percentRight(), 100); // wrong in Ana's first correction only
        QCOMPARE(s.mostMissed(10), (std::vector<int>{1, 115, 2, 3}));
        QCOMPARE(s.mostMissed(2), (std::vector<int>{1, 115}));
        Summary ties; // the same share: the element more pupils were judged on first
        ties.elements = {{3, {1, 0, {}}}, {7, {2, 0, {}}}, {9, {2, 2, {}}}};
        QCOMPARE(ties.mostMissed(5), (std::vector<int>{7, 3}));
        QCOMPARE((ElementSummary{8, 1, {}}).percentRight(), 13); // halves round up
        QCOMPARE((ElementSummary{3, 2, {}}).percentRight(), 67);
        QCOMPARE(summarize({}).elements.at(1).percentRight(), -1);
        QCOMPARE(summarize({}).largestTable, 114);
        QCOMPARE(summarize({{"", record("Eva", "2026-12-07T11:00:00Z",
                                        {correction("2026-12-07T11:00:00Z", 118)})}})
                     .largestTable,
                 118);
        QVERIFY(readFolder(dir.filePath("nowhere"), &error).records.empty() &&
                error.contains("does not exist"));
    }

    // Three sends of one pupil, written three ways, and a perfect pupil: two pupils, and
    // hydrogen right for one of them, by each one's last correction. A copy of a record counts
    // once; records with no name are pupils of their own; a record's percentage is its own.
    void eachPupilCountsOnceByTheirLastCorrection()
    {
        const auto sent = [](const char *pupil, const char *group, const char *time,
                             std::vector<Correction> corrections) {
            Record r = record(pupil, time, std::move(corrections));
            r.group = group;
            return r;
        };
        const Correction heliumCell = correction("2026-12-07T10:00:00+01:00", 114, {{1, 2}});
        Record later = sent("ana  RUIZ", "3ºb", "2026-12-07T10:30:00+01:00",
                            {correction("2026-12-07T10:20:00+01:00", 114, {{1, 2}, {3, 4}})});
        // The run's totals cover a pupil before her on the machine: 36 of 228.
        later.hitTotal = 36;
        later.cellsCounted = 228;
        const std::vector<Loaded> loaded{
            {"a", sent("Ana Ruiz", "3º B", "2026-12-07T10:05:00+01:00", {heliumCell})},
            {"b", sent("ANA RUIZ", "3° B", "2026-12-07T10:10:00+01:00", {heliumCell})},
            {"c", later},
            {"d", sent("Eva", "3º B", "2026-12-07T10:40:00+01:00",
                       {correction("2026-12-07T10:35:00+01:00", 114)})},
            {"copia/d", sent("Eva", "3º B", "2026-12-07T10:40:00+01:00",
                             {correction("2026-12-07T10:35:00+01:00", 114)})},
            {"e", sent("", "3º B", "2026-12-07T10:50:00+01:00", {})},
            {"f", sent(" ", "3º B", "2026-12-07T10:55:00+01:00", {})},
        };
        const Summary s = summarize(loaded);
        QCOMPARE(s.duplicates, 1);
        QCOMPARE(s.rows.size(), size_t(6));
        QCOMPARE(s.rows.at(2).percent, 98); // 112 of 114, not 36 of 228
        const ElementSummary &hydrogen = s.elements.at(1);
        QCOMPARE(std::tuple(hydrogen.pupils, hydrogen.right, hydrogen.percentRight()),
                 std::tuple(2, 1, 50));
        QCOMPARE(s.elements.at(3).putInstead, (std::map<int, int>{{4, 1}}));
        QCOMPARE(s.pupils.size(), size_t(4));
        const PupilRow &ana = s.pupils.at(0);
        QCOMPARE(std::tuple(ana.pupil, ana.sends, ana.corrections, ana.firstPercent,
                            ana.lastPercent, ana.bestPercent),
                 std::tuple(QString("ana  RUIZ"), 3, 3, 99, 98, 99));
        QCOMPARE(std::tuple(s.pupils.at(2).sends, s.pupils.at(2).bestPercent), std::tuple(1, -1));
        QCOMPARE(groupKey("3º B"), groupKey("3°b"));
        QVERIFY(groupKey("3º B") != groupKey("3º C"));
    }

    void csvQuotesAndDefusesFields()
    {
        const SummaryRow plain{{}, "Ștefan", "3º B", "pc07", at("2026-12-07T10:15:30+01:00"),
                               2,  57,       60,     25,     114};
        const SummaryRow awkward{
            {}, R"(Ana "la"; Pi)", "=1+1", "-pc", at("2026-12-07T23:59:59-05:00"), 0, 0, 0, 0, 0};
        const SummaryRow more{{}, "a\r\nb", "@x", "+pc", at("2026-12-07T10:15:30Z"),
                              1,  0,        0,    0,     114};
        QCOMPARE(csv({plain, awkward, more}),
                 QByteArray("\xEF\xBB\xBF"
                            "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;Porcentaje\r\n"
                            "Ștefan;3º B;pc07;2026-12-07 10:15;2;57;60;25\r\n"
                            R"("Ana ""la""; Pi";"'=1+1";"'-pc";2026-12-07 23:59;0;0;0;0)"
                            "\r\n"
                            "\"a\r\nb\";\"'@x\";\"'+pc\";2026-12-07 10:15;1;0;0;0\r\n"));
    }
};

// Run as `tst_records --write-records FOLDER COUNT GOFILE`, the program is one of the writers
// of twentyFiveWritersAtOnce.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments[1] == "--write-records")
        return writeRecords(arguments[2], arguments[3].toInt(), arguments[4]);
    TestRecords test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
