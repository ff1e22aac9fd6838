#include "app/elementos.h"
#include "app/resources.h"

#include <QAccessible>
#include <QLabel>
#include <QScreen>
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
        QVERIFY(image->pixmap().isNull()); // decoded only once the window is shown
        window.show();
        QCOMPARE(image->pixmap().size(), QSize(508, 600));
        QVERIFY(!image->hasScaledContents());
        QVERIFY(!window.scrollArea()->widgetResizable());
    }

    // A reader reads the chart's picture as a table: atomic number, symbol and name.
    void chartReadsAsATableOfTheElements()
    {
        TElementos window;
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(window.Image111())->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 114);
        const auto cell = [&](int row, int column) {
            QAccessibleInterface *found = table->cellAt(row, column);
            return found ? found->text(QAccessible::Name) : QStringLiteral("none");
        };
        QCOMPARE((QStringList{cell(0, 0), cell(0, 1), cell(0, 2)}),
                 (QStringList{"1", "H", "Hidrógeno"}));
        QCOMPARE((QStringList{cell(113, 0), cell(113, 1), cell(113, 2)}),
                 (QStringList{"114", "Uuq", "Ununcuadio"}));
        QCOMPARE(cell(114, 0), QStringLiteral("none"));
        QCOMPARE(cell(0, 3), QStringLiteral("none"));
        QAccessibleInterface *mercury = table->cellAt(79, 2);
        QCOMPARE(mercury->tableCellInterface()->rowIndex(), 79);
        QCOMPARE(mercury->parent()->indexOfChild(mercury), 79 * 3 + 2);
    }

    // Today's table: the taller chart, its box taller by as much, and every
    // element to 118 read in today's form.
    void todaysChartHoldsAndReadsTheWholeTable()
    {
        TElementos window(nullptr, board::Table::Today);
        QCOMPARE(window.Image111()->size(), QSize(507, 641));
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(window.Image111())->tableInterface();
        QCOMPARE(table->rowCount(), 118);
        const auto row = [&](int n) {
            QStringList texts;
            for (int column = 0; column < 3; ++column)
                texts << table->cellAt(n - 1, column)->text(QAccessible::Name);
            return texts.join(u' ');
        };
        QCOMPARE(row(104), QStringLiteral("104 Rf Rutherfordio"));
        QCOMPARE(row(118), QStringLiteral("118 Og Oganesón"));
        QVERIFY(!table->cellAt(118, 0));
    }

    void windowKeepsItsPlaceWhereItFitsAndIsShortenedWhereNot_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QRect(241, 66, 516, 635);
        QTest::newRow("exactly tall enough") << QRect(0, 0, 1024, 701) << QRect(241, 66, 516, 635);
        QTest::newRow("netbook, 1024 x 600") << QRect(0, 0, 1024, 600) << QRect(241, 0, 516, 600);
        QTest::newRow("1280 x 1024 at 150 %, task bar below")
            << QRect(0, 0, 853, 643) << QRect(241, 8, 516, 635);
        QTest::newRow("panel above") << QRect(0, 32, 1024, 568) << QRect(241, 32, 516, 568);
        QTest::newRow("narrow") << QRect(0, 0, 640, 480) << QRect(124, 0, 516, 480);
        QTest::newRow("narrower than the window")
            << QRect(10, 0, 400, 300) << QRect(10, 0, 400, 300);
    }
    void windowKeepsItsPlaceWhereItFitsAndIsShortenedWhereNot()
    {
        QFETCH(QRect, area);
        QTEST(TElementos::placement(area), "frame");
    }

    void shownWithinTheScreensFreeArea()
    {
        TElementos window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = window.screen()->availableGeometry();
        QTRY_COMPARE(window.frameGeometry(), TElementos::placement(area));
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
