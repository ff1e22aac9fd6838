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

    // The main window, 812 x 606, with the typical frame of 8 x 27 drawn at the desktop's scale.
    void projectorScaleIsTheLargestQuarterThatFits_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("systemScale");
        QTest::addColumn<double>("scale");
        QTest::newRow("full HD, held by its height") << QSize(1920, 1080) << 1.0 << 1.5;
        QTest::newRow("5:4, held by its width") << QSize(1280, 1024) << 1.0 << 1.5;
        QTest::newRow("an exact fit at 2") << QSize(1632, 1239) << 1.0 << 2.0;
        QTest::newRow("a pixel short of 2") << QSize(1632, 1238) << 1.0 << 1.75;
        QTest::newRow("4K less a panel") << QSize(3840, 2112) << 1.0 << 3.25;
        QTest::newRow("4K already at 2 by its DPI") << QSize(3840, 2160) << 2.0 << 1.5;
        QTest::newRow("too small to grow") << QSize(1024, 600) << 1.0 << 1.0;
        QTest::newRow("no area") << QSize() << 1.0 << 1.0;
    }
    void projectorScaleIsTheLargestQuarterThatFits()
    {
        QFETCH(QSize, available);
        QFETCH(double, systemScale);
        QFETCH(double, scale);
        QCOMPARE(platform::fittingScale({available, systemScale}, QSize(812, 606)), scale);
    }

#ifdef Q_OS_LINUX
    // A home folder whose name Qt can spell is its own path; one named in bytes that aren't
    // UTF-8 is reached through a handle, which shownPath() turns back into the name.
    void pathToHomeFolderReachesItWhateverItsName()
    {
        QTemporaryDir dir;
        const QString spelt = dir.filePath(QStringLiteral("José"));
        const QByteArray unspelt = QFile::encodeName(dir.path()) + "/Jos\xE9";
        QVERIFY(QDir().mkdir(spelt) && ::mkdir(unspelt.constData(), 0700) == 0);
        // Qt can't name what lies in that folder, so it can't remove it either.
        const auto removeUnspelt = qScopeGuard([&] {
            ::unlink((unspelt + "/x").constData());
            ::rmdir(unspelt.constData());
        });
        const auto restoreHome = qScopeGuard([home = qgetenv("HOME")] { qputenv("HOME", home); });

        qputenv("HOME", QFile::encodeName(spelt));
        QCOMPARE(platform::pathToHomeFolder(), spelt);
        QCOMPARE(platform::shownPath(spelt), spelt);

        qputenv("HOME", unspelt);
        const QString path = platform::pathToHomeFolder();
        QVERIFY2(path.startsWith(QStringLiteral("/proc/self/fd/")), qPrintable(path));
        QFile made(path + QStringLiteral("/x"));
        QVERIFY(made.open(QIODevice::WriteOnly));
        made.close();
        QCOMPARE(::access((unspelt + "/x").constData(), F_OK), 0);
        QCOMPARE(platform::shownPath(made.fileName()), dir.path() + QStringLiteral("/Jos\uFFFD/x"));
        // A name that only begins like the handle's is another file's.
        QCOMPARE(platform::shownPath(path + u'0'), path + u'0');
    }
#endif
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
