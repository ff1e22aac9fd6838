#include "loaderpromises.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// The strip loader's fuzzing corpus replayed as ordinary tests: the seeds, and every input
// that once broke one of its promises.
class TestLoaderCorpus : public QObject
{
    Q_OBJECT

    static QFileInfoList inputs(const char *folder)
    {
        return QDir(QStringLiteral(TABELORA_FUZZ_CORPUS "/") + QLatin1String(folder))
            .entryInfoList(QDir::Files, QDir::Name);
    }

private slots:
    void corpusHoldsGoodAndBadBitmaps()
    {
        QVERIFY(inputs("seeds").size() >= 10);
        QVERIFY(!inputs("regressions").isEmpty());
    }

    void everyInputKeepsThePromises_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *folder : {"seeds", "regressions"})
            for (const QFileInfo &input : inputs(folder))
                QTest::addRow("%s/%s", folder, qPrintable(input.fileName())) << input.filePath();
    }

    void everyInputKeepsThePromises()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Fresh memory holds bytes 0 in the first load and 1 in the second (the C library
        // fills blocks with the complement of the value given; CTest turns off its cache of
        // freed blocks, which it hands out unfilled).
        const QString broken = loaderpromises::brokenPromise(file.readAll(), [](int pass) {
#ifdef __GLIBC__
            mallopt(M_PERTURB, pass == 0 ? 0xFF : 0xFE);
#else
            Q_UNUSED(pass);
#endif
        });
#ifdef __GLIBC__
        mallopt(M_PERTURB, 0);
#endif
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_GUILESS_MAIN(TestLoaderCorpus)
#include "tst_loadercorpus.moc"
