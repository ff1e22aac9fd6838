#include "app/errorbox.h"
#include "app/language.h"
#include "app/pupildata.h"
#include "app/report.h"

#include <QDir>
#include <QScopeGuard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using language::Language;
Q_DECLARE_METATYPE(Language)
#endif

namespace {

const QByteArray kRule(46, '_');

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The message of one send of 57 hits in 114 that fails, or an empty string.
QString failureOfSend(Report &report)
{
    try {
        report.addBlockAndSave(57, 114);
    } catch (const errorbox::Error &error) {
        return error.text();
    }
    return {};
}

#ifdef Q_OS_LINUX
// What one "Enviar" did in a pupil's process.
struct Send
{
    QString error; // empty when the save went through
    qsizetype lines = 0;
};

// One send to the report at the path, from a child process of an ordinary user: "nobody"
// when the test runs as root, whom permission bits would not stop, else the test's own user.
// A size limit on the child's files (bytes) stands in for a disk that fills up.
Send sendAsPupil(const QString &path, rlim_t sizeLimit = RLIM_INFINITY)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {QStringLiteral("no pipe"), -1};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
                ::setresuid(uid, uid, uid) != 0)
                ::_exit(2);
        }
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if (sizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(4);
        Report report(path);
        const QByteArray error = failureOfSend(report).toUtf8();
        const QByteArray said = QByteArray::number(report.lines().size()) + '\n' + error;
        const bool told = ::write(pipeFds[1], said.constData(), said.size()) == said.size();
        ::_exit(told ? 0 : 3);
    }
    ::close(pipeFds[1]);
    QByteArray heard;
    char buffer[512];
    for (ssize_t count; (count = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        heard.append(buffer, count);
    ::close(pipeFds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {QStringLiteral("the pupil's process failed"), -1};
    const qsizetype newline = heard.indexOf('\n');
    return {QString::fromUtf8(heard.mid(newline + 1)), heard.left(newline).toLongLong()};
}
#endif

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        PupilName.clear();
        PupilGroup.clear();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        path = dir->filePath(QStringLiteral("result.txt"));
    }
    // Some tests change HOME.
    void cleanup() { qputenv("HOME", home); }

    void oneBlockIsWrittenByteForByte()
    {
        PupilName = QStringLiteral("Ana Pérez");
        PupilGroup = QStringLiteral("2º A");
        Report report(path);
        report.addBlockAndSave(57, 114);

        const QByteArray expected = "Pr\xE1"
                                    "ctica de Corvalia \r\n"
                                    "Alumno: Ana P\xE9"
                                    "rez\r\n"
                                    "Grupo : 2\xBA"
                                    " A\r\n" +
                                    kRule + "\r\nAciertos: 57 de 114 (50 %)\r\n";
        QCOMPARE(readAll(path), expected);
        QCOMPARE(report.lines().size(), 5);
        QCOMPARE(report.lines().at(1), QStringLiteral("Alumno: Ana Pérez"));
    }

    void sendingBeforeAnyDataOrCorrectionWritesEmptyFieldsAndZeros()
    {
        Report report(path);
        report.addBlockAndSave(0, 0);
        QCOMPARE(readAll(path), "Pr\xE1"
                                "ctica de Corvalia \r\nAlumno: \r\nGrupo : \r\n" +
                                    kRule + "\r\nAciertos: 0 de 0 (0 %)\r\n");
    }

    void twoSendsWriteBothBlocksOldestFirst()
    {
        PupilName = QStringLiteral("Ana");
        Report report(path);
        report.addBlockAndSave(57, 114);
        const QByteArray first = readAll(path);
        PupilName = QStringLiteral("Bea");
        report.addBlockAndSave(160, 228);

        const QByteArray both = readAll(path);
        QCOMPARE(both.count("\r\n"), 10);
        QVERIFY(both.startsWith(first));
        QCOMPARE(both.mid(first.size()).split('\r').at(1), QByteArray("\nAlumno: Bea"));
        QCOMPARE(report.lines().last(), QStringLiteral("Aciertos: 160 de 228 (70 %)"));
    }

    void charactersAreWrittenInWindows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Spanish letters")
            << QStringLiteral("ñÑáéíóúüÜ¿¡ºª")
            << QByteArray("\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC\xDC\xBF\xA1\xBA\xAA");
        QTest::newRow("the 0x80 block") << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")
                                        << QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B"
                                                      "\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
                                                      "\x9A\x9B\x9C\x9E\x9F");
        QTest::newRow("C1 controls are not those")
            << QStringLiteral("a\u0080\u0081\u009Fb") << QByteArray("a???b");
        QTest::newRow("outside the code page") << QStringLiteral("Łódź 中")
                                               << QByteArray("?\xF3"
                                                             "d? ?");
        QTest::newRow("astral character is one ?") << QStringLiteral("a😀b") << QByteArray("a?b");
        QTest::newRow("pair, then lone surrogates")
            << QString(QChar(0xD800)) + QChar(0xDC00) + QChar(0xDC00) + QChar(0xD800)
            << QByteArray("???");
        QTest::newRow("tab kept, other controls ?")
            << QStringLiteral("a\tb\u0000c\u001Bd\u007F") << QByteArray("a\tb?c?d?");
        QTest::newRow("accents typed as letter and combining mark")
            << QStringLiteral("Pe\u0301rez Nun\u0303ez Gu\u0308e\u0300")
            << QByteArray("P\xE9rez Nu\xF1"
                          "ez G\xFC\xE8");
        QTest::newRow("combining mark with no composed letter")
            << QStringLiteral("q\u0301 \u0301") << QByteArray("q? ?");
        QTest::newRow("line breaks become spaces")
            << QStringLiteral("a\r\nb\vc\fd\u0085e\u2028f\u2029g\u001Ch")
            << QByteArray("a  b c d e f g h");
    }
    void charactersAreWrittenInWindows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Report::encodeLine(text), bytes);
    }

    void lineBreakInANameKeepsTheBlockFiveLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("LF") << QStringLiteral("Ana\nPérez") << QByteArray("Ana P\xE9rez");
        QTest::newRow("CR LF") << QStringLiteral("Ana\r\nPérez") << QByteArray("Ana  P\xE9rez");
        QTest::newRow("paragraph separator")
            << QStringLiteral("Ana\u2029Pérez") << QByteArray("Ana P\xE9rez");
    }
    void lineBreakInANameKeepsTheBlockFiveLines()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, written);
        PupilName = name;
        PupilGroup = QStringLiteral("1\n2");
        Report report(path);
        report.addBlockAndSave(1, 2);

        const QByteArray file = readAll(path);
        QCOMPARE(file.count('\n'), 5);
        QCOMPARE(file.count('\r'), 5);
        QCOMPARE(file.split('\n').at(1), "Alumno: " + written + "\r");
        QCOMPARE(file.split('\n').at(2), QByteArray("Grupo : 1 2\r"));
        QCOMPARE(report.lines().at(1), QStringLiteral("Alumno: ") + name);
    }

    // The box speaks the program's language, the program's own reason too, and the system's
    // where the system has no words in it (Basque); the Spanish program keeps English words.
    void failedSaveNamesTheFileAndTheReasonAndKeepsTheBlock_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<QString>("file");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("message"); // %1 is the file
        QTest::newRow("folder is a plain file")
            << "plain-file" << "plain-file/result.txt" << Language::Spanish
            << "Cannot create file \"%1\". Not a directory";
        QTest::newRow("folder where the file goes")
            << "result.txt/" << "result.txt" << Language::Spanish
            << "Cannot create file \"%1\". Not a regular file";
        QTest::newRow("ca") << "result.txt/" << "result.txt" << Language::Catalan
                            << "No es pot crear el fitxer \"%1\". No és un fitxer normal";
        QTest::newRow("gl") << "result.txt/" << "result.txt" << Language::Galician
                            << "Non se pode crear o ficheiro \"%1\". Non é un ficheiro normal";
        QTest::newRow("eu") << "result.txt/" << "result.txt" << Language::Basque
                            << "Ezin da \"%1\" fitxategia sortu. Ez da fitxategi arrunta";
        QTest::newRow("eu, the system's reason")
            << "plain-file" << "plain-file/result.txt" << Language::Basque
            << "Ezin da \"%1\" fitxategia sortu. Ez da karpeta bat";
    }
    void failedSaveNamesTheFileAndTheReasonAndKeepsTheBlock()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QString, file);
        QFETCH(Language, language);
        QFETCH(QString, message);
        const auto spanishAgain = qScopeGuard([] { language::use(Language::Spanish); });
        QVERIFY(language::use(language));
        if (inTheWay.endsWith(u'/')) {
            QVERIFY(QDir(dir->path()).mkdir(inTheWay));
        } else {
            QFile blocker(dir->filePath(inTheWay));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const QString impossible = dir->filePath(file);
        Report report(impossible);
        try {
            report.addBlockAndSave(1, 1);
            QFAIL("the save went through");
        } catch (const errorbox::Error &error) {
            QCOMPARE(error.text(), message.arg(QDir::toNativeSeparators(impossible)));
        }
        QCOMPARE(report.lines().size(), 5);
        QVERIFY_THROWS_EXCEPTION(errorbox::Error, report.addBlockAndSave(1, 1));
        QCOMPARE(report.lines().size(), 10);
    }

#ifdef Q_OS_LINUX
    // A size limit on the process makes the second save fail part-way through writing,
    // which root can't get round.
    void failedSaveLeavesTheEarlierFileAndTheNextSaveWritesEverything()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit original{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);

        PupilName = QStringLiteral("Ana");
        Report report(path);
        report.addBlockAndSave(10, 114);
        const QByteArray first = readAll(path);

        rlimit tight = original;
        tight.rlim_cur = static_cast<rlim_t>(first.size() + 20);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        bool failed = false;
        try {
            report.addBlockAndSave(20, 228);
        } catch (const errorbox::Error &error) {
            failed = true;
            QCOMPARE(error.text(), QStringLiteral("Cannot create file \"") +
                                       QDir::toNativeSeparators(path) +
                                       QStringLiteral("\". File too large"));
        }
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
        QVERIFY(failed);
        QCOMPARE(readAll(path), first);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("result.txt")});
        QCOMPARE(report.lines().size(), 10);

        report.addBlockAndSave(30, 342);
        const QByteArray all = readAll(path);
        QCOMPARE(all.count("\r\n"), 15);
        QVERIFY(all.startsWith(first));
        QVERIFY(all.contains("Aciertos: 20 de 228 (9 %)\r\n"));
    }

    // What stands at the report's place, or behind a link there, is replaced only if it is a
    // regular file; anything else stays as it was.
    void onlyRegularFilesAreCreatedOrReplaced_data()
    {
        QTest::addColumn<QString>("standing");
        QTest::addColumn<bool>("linked"); // the report's place is a link to it
        for (bool linked : {false, true})
            for (const char *standing : {"pipe", "device", "regular file"})
                QTest::addRow("%s%s", linked ? "link to a " : "", standing) << standing << linked;
    }
    void onlyRegularFilesAreCreatedOrReplaced()
    {
        QFETCH(QString, standing);
        QFETCH(bool, linked);
        const QString thing = dir->filePath(QStringLiteral("thing"));
        const QByteArray thingName = QFile::encodeName(thing);
        if (standing == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(thingName.constData(), 0666), 0);
        } else if (standing == QLatin1String("device")) {
            // A node of the null device, which only root may make.
            if (::mknod(thingName.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("no device nodes can be made here");
        } else {
            QFile file(thing);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier\r\n");
        }
        const QString place = linked ? path : thing;
        if (linked)
            QVERIFY(QFile::link(thing, path));
        struct stat before = {};
        QCOMPARE(::lstat(QFile::encodeName(place).constData(), &before), 0);

        Report report(place);
        const QString error = failureOfSend(report);
        QCOMPARE(report.lines().size(), 5);
        QCOMPARE(QFileInfo(place).isSymLink(), linked);
        if (standing == QLatin1String("regular file")) {
            QCOMPARE(error, QString());
            QVERIFY(readAll(thing).endsWith("Aciertos: 57 de 114 (50 %)\r\n"));
            return;
        }
        QCOMPARE(error, QStringLiteral("Cannot create file \"%1\". Not a regular file")
                            .arg(QDir::toNativeSeparators(place)));
        struct stat after = {};
        QCOMPARE(::lstat(QFile::encodeName(place).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_rdev, before.st_rdev);
        QCOMPARE(QFileInfo(thing).isFile(), false);
    }

    // A link at the report's place is followed to the file it names, which the save makes if
    // it is not there yet (a teacher sends each machine's report to a shared folder so). Links
    // that lead round in a circle fail the save with the system's reason. Either way the link
    // stays as it was.
    void linksAtTheReportsPlaceStayLinks_data()
    {
        QTest::addColumn<QStringList>("links"); // "name>target", the report's link last
        QTest::addColumn<QString>("reason");
        const QString loop = QStringLiteral("Too many levels of symbolic links");
        QTest::newRow("link to itself") << QStringList{"result.txt>result.txt"} << loop;
        QTest::newRow("two links in a circle")
            << QStringList{"other.txt>result.txt", "result.txt>other.txt"} << loop;
        QTest::newRow("link to a report not made yet in another folder")
            << QStringList{"result.txt>shared/pc07.txt"} << QString();
    }
    void linksAtTheReportsPlaceStayLinks()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, reason);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("shared")));
        for (const QString &link : links) {
            const QStringList ends = link.split(u'>');
            QCOMPARE(::symlink(QFile::encodeName(ends.at(1)).constData(),
                               QFile::encodeName(dir->filePath(ends.at(0))).constData()),
                     0);
        }
        const QString target = links.last().section(u'>', 1);

        Report report(path);
        const QString error = failureOfSend(report);
        char read[64] = {};
        QVERIFY(::readlink(QFile::encodeName(path).constData(), read, sizeof read - 1) > 0);
        QCOMPARE(QString::fromLocal8Bit(read), target);
        if (!reason.isEmpty()) {
            QCOMPARE(error, QStringLiteral("Cannot create file \"%1\". %2")
                                .arg(QDir::toNativeSeparators(path), reason));
            QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
            return;
        }
        QCOMPARE(error, QString());
        QVERIFY(readAll(dir->filePath(target)).endsWith("Aciertos: 57 de 114 (50 %)\r\n"));
    }

    // Where HOME says nothing, the user database names the home folder.
    void homeFolderComesFromTheUserDatabaseWithoutHome_data()
    {
        QTest::addColumn<bool>("unset");
        QTest::newRow("HOME unset") << true;
        QTest::newRow("HOME empty") << false;
    }
    void homeFolderComesFromTheUserDatabaseWithoutHome()
    {
        QFETCH(bool, unset);
        const passwd *user = ::getpwuid(::getuid());
        if (!user || !user->pw_dir || !*user->pw_dir)
            QSKIP("the user database names no home folder here");
        if (unset)
            qunsetenv("HOME");
        else
            qputenv("HOME", QByteArray());
        QCOMPARE(Report::defaultPath(),
                 QDir(QFile::decodeName(user->pw_dir)).filePath(QStringLiteral("result.txt")));
    }

    // A home folder named in bytes that are not UTF-8, as an older system may have made it.
    void homeFolderWhoseNameIsNotUtf8()
    {
        const QByteArray folder = QFile::encodeName(dir->path()) + "/Jos\xE9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        qputenv("HOME", folder);
        Report report;
        QCOMPARE(failureOfSend(report), QString());
        const QByteArray file = folder + "/result.txt";
        QByteArray written(200, '\0');
        const int handle = ::open(file.constData(), O_RDONLY);
        QVERIFY(handle >= 0);
        written.resize(::read(handle, written.data(), written.size()));
        ::close(handle);
        QVERIFY(written.endsWith("Aciertos: 57 de 114 (50 %)\r\n"));

        // A message names the folder as the user knows it.
        QCOMPARE(::unlink(file.constData()), 0);
        QCOMPARE(::mkdir(file.constData(), 0700), 0);
        QCOMPARE(failureOfSend(report),
                 QStringLiteral("Cannot create file \"%1/Jos\uFFFD/result.txt\". Not a "
                                "regular file")
                     .arg(dir->path()));
    }

    // A teacher's set-up: the pupils may not make files in the folder, and the report there
    // is writable for all, or for nobody but its owner, or not there yet. A save that can't
    // have the room for the longer report fails before it changes a byte of the earlier one.
    void folderThatRefusesNewFilesGetsTheReportWrittenInPlace_data()
    {
        QTest::addColumn<int>("mode"); // of the report left there, -1 for none
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("earlier");
        QTest::addColumn<int>("room"); // bytes a file may reach, 0 for no limit
        // Longer than what the send writes, so that a write in place must cut it.
        const QByteArray longer = QByteArray(400, 'x') + "\r\n";
        QTest::newRow("report writable for all") << 0666 << QString() << longer << 0;
        QTest::newRow("report read-only for the pupil")
            << 0444 << "Permission denied" << longer << 0;
        QTest::newRow("no report yet") << -1 << "Permission denied" << longer << 0;
        QTest::newRow("no room for the longer report")
            << 0666 << "File too large" << QByteArray("earlier\r\n") << 60;
    }
    void folderThatRefusesNewFilesGetsTheReportWrittenInPlace()
    {
        QFETCH(int, mode);
        QFETCH(QString, reason);
        QFETCH(QByteArray, earlier);
        QFETCH(int, room);
        // The pupil must reach the folder, but make nothing in it.
        QVERIFY(QFile::setPermissions(dir->path(), QFile::permissions(dir->path()) |
                                                       QFileDevice::ExeOther |
                                                       QFileDevice::ExeGroup));
        const QString classroom = dir->filePath(QStringLiteral("classroom"));
        QVERIFY(QDir().mkdir(classroom));
        const QString report = classroom + QStringLiteral("/result.txt");
        if (mode >= 0) {
            QFile file(report);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(earlier), earlier.size());
            file.close();
            QCOMPARE(::chmod(QFile::encodeName(report).constData(), mode_t(mode)), 0);
        }
        QCOMPARE(::chmod(QFile::encodeName(classroom).constData(), ::geteuid() == 0 ? 0755 : 0555),
                 0);
        struct stat before = {};
        QVERIFY(mode < 0 || ::stat(QFile::encodeName(report).constData(), &before) == 0);

        const Send send = sendAsPupil(report, room > 0 ? rlim_t(room) : RLIM_INFINITY);
        ::chmod(QFile::encodeName(classroom).constData(), 0755);

        QCOMPARE(send.lines, 5);
        QCOMPARE(QDir(classroom).entryList(QDir::Files | QDir::Hidden),
                 mode < 0 ? QStringList() : QStringList{QStringLiteral("result.txt")});
        if (!reason.isEmpty()) {
            QCOMPARE(send.error, QStringLiteral("Cannot create file \"%1\". %2")
                                     .arg(QDir::toNativeSeparators(report), reason));
            QCOMPARE(readAll(report), mode < 0 ? QByteArray("<missing>") : earlier);
            return;
        }
        QCOMPARE(send.error, QString());
        QCOMPARE(readAll(report), "Pr\xE1"
                                  "ctica de Corvalia \r\nAlumno: \r\nGrupo : \r\n" +
                                      kRule + "\r\nAciertos: 57 de 114 (50 %)\r\n");
        struct stat after = {};
        QCOMPARE(::stat(QFile::encodeName(report).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode, before.st_mode);
    }
#endif

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    const QByteArray home = qgetenv("HOME");
};

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
