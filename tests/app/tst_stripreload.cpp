#include "app/errorbox.h"
#include "support/mainwindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using board::kElementCount;

// The hidden "&Abrir" command: a new tile strip loaded from a bitmap and dealt out.
class TestStripReload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cancelledDialogAfterCorrectionSendsTheFirstTwelveBack();
    void reloadDealsWholeSquaresAndCountsTwelveCells();
    void badFileLeavesStripAndGameAsTheyWere();

private:
    QString saveBuiltInStrip(const QString &name);
    bool dealtToSlots() const;

    QTemporaryDir dir;
    MainWindowFixture fx{dir.path()};
    TForm1 *form = nullptr;
};

// A fresh window for every function.
void TestStripReload::init()
{
    QVERIFY(fx.makeWindows());
    form = fx.form;
}

void TestStripReload::cleanup()
{
    fx.destroyWindows();
}

QString TestStripReload::saveBuiltInStrip(const QString &name)
{
    const QString path = dir.filePath(name);
    if (!form->tileStrip().save(path, "BMP"))
        return {};
    return path;
}

bool TestStripReload::dealtToSlots() const
{
    for (int n = 1; n <= kElementCount; ++n) {
        const board::Point slot = board::traySlot(form->game().DealOrder()[n]);
        const TAnimatedCorvalia *tile = fx.tile(n);
        if (tile->pos() != QPoint(slot.x, slot.y) || tile->DestinyX() != slot.x ||
            tile->DestinyY() != slot.y)
            return false;
    }
    return true;
}

void TestStripReload::cancelledDialogAfterCorrectionSendsTheFirstTwelveBack()
{
    QTRY_VERIFY_WITH_TIMEOUT(!form->timer1Active(), 15000);
    form->CorrectClick();
    const qsizetype dialogs = fx.closer->seen.size();
    form->OpenClick(); // the file dialog is cancelled at once
    QCOMPARE(fx.closer->seen.size(), dialogs + 1);
    QVERIFY(!form->game().Corrected());
    QVERIFY(form->timer1Active());
    for (int n = 1; n <= kElementCount; ++n) {
        const TAnimatedCorvalia *tile = fx.tile(n);
        const board::Point home =
            n <= 12 ? board::traySlot(form->game().DealOrder()[n]) : board::cellCorner(n);
        QCOMPARE(QPoint(tile->DestinyX(), tile->DestinyY()), QPoint(home.x, home.y));
        QCOMPARE(tile->hasMoveReaction(), n <= 12);
    }
    // The reveal tick comes back: the blank cells show again about two seconds later.
    QTRY_VERIFY_WITH_TIMEOUT(fx.panel(100)->isVisible(), 15000);
    QVERIFY(!form->timer1Active());
}

void TestStripReload::reloadDealsWholeSquaresAndCountsTwelveCells()
{
    const QImage before = form->tileStrip();
    const QString path = saveBuiltInStrip(QStringLiteral("strip.BMP"));
    QVERIFY(!path.isEmpty());
    const int counted = form->game().CellsCounted();
    const int hits = form->game().HitTotal();
    const int games = form->game().GameCount();
    form->loadStripAndDeal(path);
    const auto firstOrder = form->game().DealOrder();
    form->loadStripAndDeal(path);
    QCOMPARE(form->game().CellsCounted(), counted + 24);
    QCOMPARE(form->game().HitTotal(), hits);
    QCOMPARE(form->game().GameCount(), games);
    QVERIFY(form->game().DealOrder() != firstOrder);
    QVERIFY(dealtToSlots());
    // A tile takes its bitmap's size when it next paints.
    QTRY_COMPARE(fx.tile(kElementCount)->size(), QSize(40, 40));
    for (int n = 1; n <= kElementCount; ++n) {
        const TAnimatedCorvalia *tile = fx.tile(n);
        QCOMPARE(tile->size(), QSize(40, 40));
        QCOMPARE(tile->Interval(), 100);
        QCOMPARE(tile->Bitmap().convertToFormat(QImage::Format_RGB32),
                 before.copy(40 * (n - 1), 0, 40, 40).convertToFormat(QImage::Format_RGB32));
    }
    // The next deal cuts 38 x 38 again, from the reloaded strip.
    form->BitBtn2Click();
    QTRY_COMPARE(fx.tile(7)->size(), QSize(38, 38));
}

void TestStripReload::badFileLeavesStripAndGameAsTheyWere()
{
    QStringList errors;
    errorbox::setSink([&](const QString &text) { errors << text; });
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QVERIFY(form->tileStrip().save(path, "PNG")); // a PNG under a bitmap's name
    const QImage strip = form->tileStrip();
    const auto order = form->game().DealOrder();
    const int counted = form->game().CellsCounted();
    errorbox::guarded([&] { form->loadStripAndDeal(path); });
    errorbox::setSink({});
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("PNG")), qPrintable(errors.first()));
    QCOMPARE(form->tileStrip(), strip);
    QCOMPARE(form->game().DealOrder(), order);
    QCOMPARE(form->game().CellsCounted(), counted);
}

QTEST_MAIN(TestStripReload)
#include "tst_stripreload.moc"
