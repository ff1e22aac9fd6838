#include "app/elementos.h"
#include "app/resources.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class ElementosTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { resources::load(); }

    void chartIsShownUnscaledInABoxOneColumnNarrower()
    {
        TElementos window;
        QLabel *image = window.Image111();
        QCOMPARE(image->size(), QSize(507, 601));
        QCOMPARE(image->pos(), QPoint(0, 0));
        QCOMPARE(image->pixmap().size(), QSize(508, 600));
        QVERIFY(!image->hasScaledContents());
        QVERIFY(!window.scrollArea()->widgetResizable());
        QCOMPARE(window.pos(), QPoint(241, 66));
    }

    void scrollBarsAppearOnlyWhenTheWindowIsSmallerThanTheChart()
    {
        TElementos window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QScrollArea *area = window.scrollArea();

        window.resize(300, 700);
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());

        window.resize(900, 800);
        QTRY_VERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        QCOMPARE(window.Image111()->size(), QSize(507, 601));
    }

    void closingHidesAndTheNextShowingKeepsSizeAndPlace()
    {
        TElementos window;
        const QRect chosen(120, 90, 400, 300);
        bool escapeIgnored = false;
        QTimer::singleShot(0, &window, [&] {
            window.setGeometry(chosen);
            QTest::keyClick(&window, Qt::Key_Escape);
            escapeIgnored = window.isVisible();
            window.close();
        });
        QTimer::singleShot(3000, &window, [&] { window.done(-1); });
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(escapeIgnored);
        QVERIFY(window.isHidden());

        QRect again;
        QTimer::singleShot(0, &window, [&] {
            again = window.geometry();
            window.close();
        });
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QCOMPARE(again, chosen);
    }
};

QTEST_MAIN(ElementosTest)
#include "tst_elementos.moc"
