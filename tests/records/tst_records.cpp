#include "records/filesystem.h"
#include "records/labsettings.h"
#include "records/record.h"
#include "records/summary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <map>
#include <memory>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Run as `tst_records --read-folder FOLDER`, the program reads the folder and prints a line
// "read PATH" per record and "skipped PATH: WHY" per file left out.
int printFolder(const QString &folder)
{
    const FolderRecords found = readFolder(folder);
    QTextStream out(stdout);
    for (const Loaded &loaded : found.records)
        out << "read " << loaded.path << '\n';
    for (const QString &skipped : found.skipped)
        out << "skipped " << skipped << '\n';
    return 0;
}

#if defined(Q_OS_UNIX)
// A folder of what pupils can leave in a shared folder besides their records, and one record,
// read by another process: one that hangs or runs out of memory fails the test, not the run.
struct TrapFolder
{
    QTemporaryDir dir;
    QStringList lines; // what the reader printed
    qint64 milliseconds = -1;
    QString failure;

    ~TrapFolder() { ::chmod(QFile::encodeName(dir.filePath("3B/cerrada")), 0755); }

    TrapFolder()
    {
        const QByteArray at = QFile::encodeName(dir.path()) + '/';
        const auto link = [&at](const char *target, const char *name) {
            return ::symlink(target, at + name) == 0;
        };
        QDir(dir.path()).mkpath("3B/cerrada");
        QDir(dir.path()).mkpath(".papelera");
        writeFile(dir.filePath("3B/cerrada/eva.json"),
                  toJson(record("Eva", "2026-12-07T10:15:30+01:00")));
        writeFile(dir.filePath("3B/ana.json"), toJson(record("Ana", "2026-12-07T10:15:30+01:00")));
        writeFile(dir.filePath(".oculto.json"), toJson(record("Oculta", "2026-12-07T10:15:30Z")));
        writeFile(dir.filePath(".tabelora-AbCdEf.tmp"), "{");
        writeFile(dir.filePath("cortado.json.tmp"), "{");
        QFile sparse(dir.filePath("hueco.json"));
        if (!(::mkfifo(at + "tubo.json", 0644) == 0 && link("tubo.json", "enlace-tubo.json") &&
              link("/dev/zero", "cero.json") && link("/proc/self/pagemap", "pagemap.json") &&
              link("nada.json", "roto.json") && link("bucle-b.json", "bucle-a.json") &&
              link("bucle-a.json", "bucle-b.json") && link("3B", "enlace-carpeta") &&
              sparse.open(QIODevice::WriteOnly) && sparse.resize(16 * 1024 * 1024) &&
              ::chmod(at + "3B/cerrada", 0) == 0)) {
            failure = "could not make the folder";
            return;
        }
        QProcess reader;
        QElapsedTimer timer;
        timer.start();
        reader.start(QCoreApplication::applicationFilePath(), {"--read-folder", dir.path()});
        if (!reader.waitForFinished(20000)) {
            reader.kill();
            reader.waitForFinished();
            failure = "the reader did not finish in 20 s";
            return;
        }
        milliseconds = timer.elapsed();
        if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
            failure = "the reader failed: " + QString::fromUtf8(reader.readAllStandardError());
        lines = QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
};
#endif

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
        QTest::newRow("not JSON") << QByteArray("Aciertos: 57 de 114") << "no es JSON";
        QTest::newRow("cut short") << changed("x", none).chopped(30) << "no es JSON";
        QTest::newRow("an array") << QByteArray("[]") << "no es un objeto JSON";
        QTest::newRow("another format")
            << changed("formato", "tabelora-informe") << "otro formato";
        QTest::newRow("version 2") << changed("version", 2) << "versión 2, posterior";
        QTest::newRow("no version") << changed("version", none) << "falta «version»";
        QTest::newRow("no pupil") << changed("alumno", none) << "falta «alumno»";
        QTest::newRow("time without offset")
            << changed("enviado", "2026-12-07T10:15:30") << "diferencia con UTC";
        QTest::newRow("hits above cells")
            << changed("correcciones/aciertos", 115) << "115, fuera de 0..114";
        QTest::newRow("game a fraction")
            << changed("correcciones/partida", 2.5) << "no es un número entero";
        QTest::newRow("positions short")
            << changed("correcciones/posiciones", QJsonArray{1, 2}) << "2 posiciones para 114 casillas";
        QTest::newRow("position 119") << positionsWith(114, 119) << "la posición 114 no es una casilla";
        QTest::newRow("position as text") << positionsWith(6, "6") << "la posición 6 no es una casilla";
        QTest::newRow("total hits above cells")
            << changed("totales",
                       QJsonObject{{"aciertos", 115}, {"casillas", 114}, {"porcentaje", 100}})
            << "totales: «aciertos» es 115";
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

    // Each name in a folder of traps, and what the summary says of it; an empty reason for a
    // name it leaves out without a word.
    void trapsInASharedFolderAreNamedNotRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("a record") << "3B/ana.json"
                                  << "read";
        QTest::newRow("a pipe") << "tubo.json"
                                << "skipped: No es un fichero normal";
        QTest::newRow("a link to a pipe") << "enlace-tubo.json"
                                          << "skipped: No es un fichero normal";
        QTest::newRow("a link to a device") << "cero.json"
                                            << "skipped: No es un fichero normal";
        // A regular file that reports no size and never ends.
        QTest::newRow("a link into /proc") << "pagemap.json"
                                           << "skipped: ";
        QTest::newRow("16 MiB of nothing") << "hueco.json"
                                           << "skipped: Ocupa más de los 524288 bytes";
        QTest::newRow("a link to nothing") << "roto.json"
                                           << "skipped: Es un enlace a algo que no existe";
        QTest::newRow("a loop of links") << "bucle-a.json"
                                         << "skipped: Es un enlace que, de enlace";
        QTest::newRow("a hidden record") << ".oculto.json"
                                         << "skipped: Es un fichero oculto";
        QTest::newRow("a hidden folder") << ".papelera"
                                         << "skipped: Es una carpeta oculta";
        QTest::newRow("a link to a folder") << "enlace-carpeta"
                                            << "skipped: Es un enlace a una carpeta; no se sigue";
        QTest::newRow("a folder that can't be read") << "3B/cerrada"
                                                     << "skipped: No se puede leer la carpeta: ";
        QTest::newRow("a send being written") << ".tabelora-AbCdEf.tmp"
                                              << "";
        QTest::newRow("a send cut short") << "cortado.json.tmp"
                                          << "";
    }

    void trapsInASharedFolderAreNamedNotRead()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("pipes, devices and links of Unix");
#else
        QFETCH(QString, name);
        QFETCH(QString, said);
        static TrapFolder folder;
        QVERIFY2(folder.failure.isEmpty(), qPrintable(folder.failure));
        QVERIFY2(folder.milliseconds < 5000, qPrintable(QString::number(folder.milliseconds)));
        if (name == "3B/cerrada" && ::geteuid() == 0)
            QSKIP("permissions don't keep root out");
        const QString path = folder.dir.filePath(name);
        const QStringList about = folder.lines.filter(" " + path);
        if (said.isEmpty()) {
            QVERIFY2(about.isEmpty(), qPrintable(about.join('\n')));
            return;
        }
        QCOMPARE(about.size(), 1);
        const QString verb = said.section(':', 0, 0);
        const QString why = said.section(": ", 1);
        QVERIFY2(about[0].startsWith(verb + " " + path + (why.isEmpty() ? "" : ": " + why)),
                 qPrintable(about[0]));
        // Ana's is the only record read, but for Eva's in the closed folder, which root reads.
        if (said == "read")
            QCOMPARE(folder.lines.filter("read ").size(), ::geteuid() == 0 ? 2 : 1);
#endif
    }

    // A folder large enough to be read by several threads gives every record once, in order,
    // and every broken file named once.
    void aLargeFolderIsReadWhole()
    {
        QTemporaryDir dir;
        QStringList broken;
        for (int i = 0; i < 1500; ++i) {
            const QString path =
                dir.filePath(QString("%1/%2.json").arg(i % 3).arg(i, 4, 10, QChar('0')));
            const QByteArray bytes =
                toJson(record(QString::number(i), "2026-12-07T10:15:30+01:00"));
            writeFile(path, i % 97 == 5 ? bytes.chopped(1) : bytes);
            if (i % 97 == 5)
                broken << path;
        }
        const FolderRecords read = readFolder(dir.path());
        QCOMPARE(read.records.size(), size_t(1500 - broken.size()));
        QVERIFY(std::is_sorted(read.records.begin(), read.records.end(),
                               [](const Loaded &a, const Loaded &b) { return a.path < b.path; }));
        QVERIFY(std::adjacent_find(read.records.begin(), read.records.end(),
                                   [](const Loaded &a, const Loaded &b) {
                                       return a.path == b.path;
                                   }) == read.records.end());
        QCOMPARE(read.records.front().record.pupil, "0");
        QCOMPARE(read.skipped.size(), broken.size());
        for (qsizetype i = 0; i < broken.size(); ++i)
            QVERIFY2(read.skipped.filter(broken[i] + ": no es JSON").size() == 1,
                     qPrintable(broken[i]));
    }

    // The largest record a pupil can send is read; one byte more is no record.
    void theLimitHoldsTheLargestRecord()
    {
        std::vector<Correction> corrections;
        Correction c = correction("2026-12-07T10:14:02+01:00", 118);
        c.cellOf.assign(118, 118); // every number of 3 digits
        c.hits = 1;
        c.game = 2000000000;
        for (int i = 0; i < 800; ++i)
            corrections.push_back(c);
        Record big = record(QString(2000, u'Ñ'), "2026-12-07T10:15:30+01:00", corrections);
        big.table = "actual";
        const QByteArray bytes = toJson(big);
        QVERIFY2(bytes.size() > 400 * 1024, qPrintable(QString::number(bytes.size())));

        QTemporaryDir dir;
        const qint64 limit = 512 * 1024;
        QVERIFY(bytes.size() < limit);
        writeFile(dir.filePath("grande.json"), bytes + QByteArray(limit - bytes.size(), ' '));
        writeFile(dir.filePath("mayor.json"), bytes + QByteArray(limit + 1 - bytes.size(), ' '));
        const FolderRecords read = readFolder(dir.path());
        QCOMPARE(read.records.size(), size_t(1));
        QCOMPARE(read.records[0].record.corrections.size(), size_t(800));
        QCOMPARE(read.skipped, QStringList(QDir::toNativeSeparators(dir.filePath("mayor.json")) +
                                           ": Ocupa más de los 524288 bytes que puede ocupar un "
                                           "registro; no se lee"));
    }

    void namesThatAreNotUtf8KeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("native");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII") << QByteArray("/mnt/clase/ana.json") << true;
        QTest::newRow("UTF-8") << QByteArray("Ștefan 🦊.json") << true;
        QTest::newRow("Latin-1") << QByteArray("caf\xe9.json") << false;
        QTest::newRow("a lone continuation") << QByteArray("\x80x") << false;
        QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf"
                                                      "b")
                                        << false;
        QTest::newRow("a surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut short at the end") << QByteArray("\xe2\x82") << false;
    }

    void namesThatAreNotUtf8KeepTheirBytes()
    {
        QFETCH(QByteArray, native);
        QFETCH(bool, utf8);
        const QString path = pathFromNative(native);
        QCOMPARE(nativePath(path), native);
        QCOMPARE(hasRawBytes(path), !utf8);
        if (utf8)
            QCOMPARE(path, QString::fromUtf8(native));
    }

    // Each group once as groupKey reads groups alike, written as its first record writes it.
    void groupsAreListedOnceInAlphabeticalOrder()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        std::vector<Loaded> loaded;
        for (const char *group :
             {"3º B", "Ñu", "3º A", "", "árbol", "3ºb", "Zeta", "nube", "3° A", "ÁRBOL"}) {
            Record r = record("Ana", "2026-12-07T10:15:30+01:00");
            r.group = QString::fromUtf8(group);
            loaded.push_back({"", r});
        }
        QStringList written, keys;
        for (const GroupName &group : groupsOf(loaded)) {
            written << group.written;
            keys << group.key;
        }
        QCOMPARE(written, QStringList({"", "3º A", "3º B", "árbol", "nube", "Ñu", "Zeta"}));
        QCOMPARE(keys[2], groupKey("3ºb"));
        QVERIFY(groupsOf({}).empty());
        QLocale::setDefault(QLocale::c());
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
                 QStringList({at + ":1: encabezado desconocido [INFORMES]; ¿quería decir [informes]?",
                              at + ":4: clave desconocida «Carpeta» en [informes]; ¿quería decir "
                                   "«carpeta»?",
                              at + ":5: clave desconocida «carpetas» en [informes]; ¿quería decir "
                                   "«carpeta»?",
                              at + ":6: encabezado desconocido [otro]",
                              at + ":7: no es ni «[encabezado]» ni «clave = valor»: x"}));
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
        QVERIFY(read.skipped[0].startsWith(dir.filePath("3B/roto.json: no es JSON")));
        QVERIFY(read.skipped[1].startsWith(dir.filePath("otro.json: otro formato")));

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
        const QStringList headings{"Alumno", "Grupo", "Equipo", "Fecha", "Correcciones",
                                   "Aciertos", "Mejor", "Porcentaje; %"};
        QCOMPARE(csv({plain, awkward, more}, headings),
                 QByteArray("\xEF\xBB\xBF"
                            "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;\"Porcentaje; %\"\r\n"
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
    if (arguments.size() == 3 && arguments[1] == "--read-folder")
        return printFolder(arguments[2]);
    TestRecords test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_records.moc"
