#include "app/platform.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <unistd.h>
#endif

using platform::MemoryStatus;

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void physicalMemoryIsGroupedByThreesInTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        const QLocale spanish(QLocale::Spanish, QLocale::Spain);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Spanish") << spanish << quint64(523816) * 1024 << "523.816 KB";
        QTest::newRow("English") << english << quint64(523816) * 1024 << "523,816 KB";
        QTest::newRow("four digits grouped too") << spanish << quint64(1234) * 1024 << "1.234 KB";
        QTest::newRow("three digits") << spanish << quint64(999) * 1024 << "999 KB";
        QTest::newRow("just under half a kilobyte") << english << quint64(511) << "0 KB";
        QTest::newRow("half a kilobyte rounds up") << english << quint64(512) << "1 KB";
        QTest::newRow("above 4 GB") << spanish << (quint64(16) << 30) << "16.777.216 KB";
        QTest::newRow("largest figure") << spanish << ~quint64(0) << "18.014.398.509.481.984 KB";
    }
    void physicalMemoryIsGroupedByThreesInTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(quint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(platform::formatPhysMem(bytes, locale), text);
    }

    void memoryLoadReadsAsPerCent()
    {
        QCOMPARE(platform::formatMemoryLoad(0), QStringLiteral("0 %"));
        QCOMPARE(platform::formatMemoryLoad(37), QStringLiteral("37 %"));
        QCOMPARE(platform::formatMemoryLoad(100), QStringLiteral("100 %"));
    }

    void meminfoGivesTotalAndLoad_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint32>("load");
        QTest::newRow("current kernel")
            << QByteArray("MemTotal:        1000 kB\nMemFree:  100 kB\nMemAvailable:     250 kB\n"
                          "Buffers: 50 kB\nCached: 400 kB\n")
            << quint64(1024000) << quint32(75);
        QTest::newRow("kernel without MemAvailable")
            << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 100 kB\n"
                          "SwapCached: 900 kB\n")
            << quint64(1024000) << quint32(75);
        QTest::newRow("load rounds to nearest")
            << QByteArray("MemTotal: 3 kB\nMemAvailable: 1 kB\n") << quint64(3072) << quint32(67);
        QTest::newRow("more available than total")
            << QByteArray("MemTotal: 3 kB\nMemAvailable: 9 kB\n") << quint64(3072) << quint32(0);
        QTest::newRow("nothing useful")
            << QByteArray("garbage\nMemTotal: lots\n") << quint64(0) << quint32(0);
    }
    void meminfoGivesTotalAndLoad()
    {
        QFETCH(QByteArray, text);
        QFETCH(quint64, total);
        QFETCH(quint32, load);
        const MemoryStatus status = platform::parseMeminfo(text);
        QCOMPARE(status.totalPhys, total);
        QCOMPARE(status.memoryLoad, load);
    }

    void installedReaderStandsInForTheSystemUntilCleared()
    {
        platform::setMemoryReader([] { return MemoryStatus{42, 7}; });
        QCOMPARE(platform::readMemoryStatus().totalPhys, quint64(7));
        QCOMPARE(platform::readMemoryStatus().memoryLoad, quint32(42));
        platform::setMemoryReader({});
        const MemoryStatus real = platform::readMemoryStatus();
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        QVERIFY(real.totalPhys > quint64(7) << 20);
#endif
        QVERIFY(real.memoryLoad <= 100);
    }

    void windowsAreCentredButNeverPushedPastTheTopLeft_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("centred") << QRect(0, 0, 1024, 768) << QSize(523, 366) << QPoint(250, 201);
        QTest::newRow("area off the origin")
            << QRect(100, 40, 800, 600) << QSize(200, 100) << QPoint(400, 290);
        QTest::newRow("taller than the area")
            << QRect(0, 30, 800, 600) << QSize(516, 635) << QPoint(142, 30);
    }
    void windowsAreCentredButNeverPushedPastTheTopLeft()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, outer);
        QFETCH(QPoint, topLeft);
        QCOMPARE(platform::centredTopLeft(area, outer), topLeft);
    }

#ifdef Q_OS_LINUX
    // A home folder with a name Qt can spell is reached by that name, shown as it is.
    void homeFolderWithAUtf8NameIsItsOwnPath()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("José"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = pathToHomeFolderAt(QFile::encodeName(folder));
        QCOMPARE(path, folder);
        QCOMPARE(platform::shownPath(path), folder);
    }

    // A name in bytes that aren't UTF-8 gives a path that is not the name but reaches the
    // folder; shownPath() turns it, and paths beneath it, back into the name.
    void homeFolderWithANameQtCantSpellIsReachedThroughAHandle()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray folder = QFile::encodeName(dir.path()) + "/Jos\xE9";
        const QByteArray file = folder + "/result.txt";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        // Qt can't name what lies in the folder, so it can't remove it either.
        const auto removeFolder = qScopeGuard([&] {
            ::unlink(file.constData());
            ::rmdir(folder.constData());
        });
        const QString path = pathToHomeFolderAt(folder);
        QVERIFY2(path.startsWith(QStringLiteral("/proc/self/fd/")), qPrintable(path));

        QFile made(QDir(path).filePath(QStringLiteral("result.txt")));
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        QCOMPARE(::access(file.constData(), F_OK), 0);

        const QString shown = dir.path() + QStringLiteral("/Jos\uFFFD");
        QCOMPARE(platform::shownPath(path), shown);
        QCOMPARE(platform::shownPath(made.fileName()), shown + QStringLiteral("/result.txt"));
        // Paths elsewhere, and a name that only begins like the handle's, are left alone.
        QCOMPARE(platform::shownPath(QStringLiteral("/tmp/x")), QStringLiteral("/tmp/x"));
        QCOMPARE(platform::shownPath(path + u'0'), path + u'0');
    }

private:
    // platform::pathToHomeFolder() while HOME names the folder; HOME is put back after.
    static QString pathToHomeFolderAt(const QByteArray &folder)
    {
        const bool wasSet = qEnvironmentVariableIsSet("HOME");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", folder);
        const QString path = platform::pathToHomeFolder();
        if (wasSet)
            qputenv("HOME", home);
        else
            qunsetenv("HOME");
        return path;
    }
#endif
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
