#include "support/mainwindow.h"
#include "support/pointer.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

// The main window at a scale factor of 2: the layout keeps its geometry in device-independent
// pixels, the pixel art is drawn with hard edges, and the pointer still finds the cells.
class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layoutKeepsItsLogicalGeometry();
    void tileFacesScaleWithoutSmoothing();
    void dragStillPlacesATile();

private:
    MainWindowFixture fx;
    TForm1 *form = nullptr;
};

// A fresh window for every function.
void TestHiDpi::init()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    QVERIFY(fx.makeWindows());
    form = fx.form;
}

void TestHiDpi::cleanup()
{
    fx.destroyWindows();
}

void TestHiDpi::layoutKeepsItsLogicalGeometry()
{
    QCOMPARE(form->size(), QSize(812, 606));
    QCOMPARE(fx.panel(1)->geometry(), QRect(10, 40, 40, 40));
    QCOMPARE(fx.tile(1)->size(), QSize(38, 38));
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.size(), QSize(1624, 1212));
}

void TestHiDpi::tileFacesScaleWithoutSmoothing()
{
    QTRY_COMPARE(fx.tile(5)->size(), QSize(38, 38));
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int n : {1, 43, 58, 114}) {
        const TAnimatedCorvalia *tile = fx.tile(n);
        const QImage face = tile->Bitmap().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = tile->pos() * 2;
        // Rows that lie inside the window (the tray's last row reaches past its edge).
        const int rows = std::min(38, 606 - tile->y());
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < 38; ++x) {
                const QRgb expected = face.pixel(x, y) & 0xffffff;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        if ((shot.pixel(origin + QPoint(2 * x + dx, 2 * y + dy)) & 0xffffff) !=
                            expected)
                            QFAIL(qPrintable(
                                QStringLiteral("tile %1 blurred at %2, %3").arg(n).arg(x).arg(y)));
            }
    }
}

void TestHiDpi::dragStillPlacesATile()
{
    QWindow *window = form->windowHandle();
    TAnimatedCorvalia *tile = fx.tile(6);
    const QPoint cell(board::cellCorner(6).x, board::cellCorner(6).y);
    const QPoint at = pointer::dragTile(window, tile->pos(), cell);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(tile->pos(), cell);
    QVERIFY(tile->Accepted());
    QVERIFY(!fx.panel(6)->isVisible());
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
