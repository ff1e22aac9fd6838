#include "app/gauge.h"
#include "app/resources.h"

#include <QApplication>
#include <QTest>

namespace {
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kDarkGrey = qRgb(63, 63, 63);

int count(const QImage &image, QRgb colour, int fromX = 0, int toX = -1)
{
    if (toX < 0)
        toX = image.width();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}
} // namespace

class TestGauge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void progressIsClamped_data();
    void progressIsClamped();
    void barCoversTruncatedShareOfTheInnerWidth_data();
    void barCoversTruncatedShareOfTheInnerWidth();
    void textIsInvertedOverBarAndGround();
};

void TestGauge::initTestCase()
{
    resources::load();
}

void TestGauge::progressIsClamped_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("inside") << 38 << 38;
    QTest::newRow("above") << 250 << 100;
}

void TestGauge::progressIsClamped()
{
    QFETCH(int, value);
    QFETCH(int, shown);
    TGauge gauge;
    gauge.setProgress(value);
    QCOMPARE(gauge.progress(), shown);
    QCOMPARE(gauge.percentDone(), shown);
}

void TestGauge::barCoversTruncatedShareOfTheInnerWidth_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("barEnd"); // first column not covered by the bar
    // The inner area is 143 wide; W = 144, and the bar ends at column trunc(144 p / 100).
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("one") << 1 << 1; // trunc(1.44) = 1 covers nothing
    QTest::newRow("half") << 50 << 72;
    QTest::newRow("full") << 100 << 144;
}

void TestGauge::barCoversTruncatedShareOfTheInnerWidth()
{
    QFETCH(int, percent);
    QFETCH(int, barEnd);
    TGauge gauge;
    gauge.resize(145, 21);
    gauge.setProgress(percent);
    const QImage image = gauge.render();
    // A one-pixel black frame all round.
    for (int x = 0; x < 145; ++x) {
        QCOMPARE(image.pixel(x, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(x, 20), qRgb(0, 0, 0));
    }
    for (int y = 0; y < 21; ++y) {
        QCOMPARE(image.pixel(0, y), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(144, y), qRgb(0, 0, 0));
    }
    // Row 1 is above the text.
    for (int x = 1; x < 144; ++x)
        QCOMPARE(image.pixel(x, 1), x < barEnd ? kLime : kSilver);
}

void TestGauge::textIsInvertedOverBarAndGround()
{
    TGauge gauge;
    gauge.setFont(resources::sansSerif(16, true));
    gauge.resize(145, 21);
    gauge.setProgress(50);
    const QImage image = gauge.render();
    // "50%" is centred, so it straddles the bar's edge at column 72.
    QVERIFY(count(image, kMagenta, 1, 72) > 10);
    QVERIFY(count(image, kDarkGrey, 72, 144) > 10);
    QCOMPARE(count(image, kMagenta, 72, 144), 0);
    QCOMPARE(count(image, kDarkGrey, 1, 72), 0);
    // Nothing else than the four colours: the text has no smoothed edges.
    int other = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 145; ++x) {
            const QRgb p = image.pixel(x, y);
            other += (p != kLime && p != kSilver && p != kMagenta && p != kDarkGrey &&
                      p != qRgb(0, 0, 0))
                         ? 1
                         : 0;
        }
    QCOMPARE(other, 0);

    gauge.setProgress(0);
    const QImage empty = gauge.render();
    QCOMPARE(count(empty, kMagenta), 0);
    QVERIFY(count(empty, kDarkGrey) > 10);
}

QTEST_MAIN(TestGauge)
#include "tst_gauge.moc"
