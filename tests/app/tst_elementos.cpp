#include "app/elementchart.h"
#include "app/elementos.h"
#include "app/language.h"
#include "app/resources.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using language::Language;

namespace {

// The window shown and active, its chart holding the keyboard.
void showActive(TElementos &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(window.Image111()->hasFocus());
}

// The pixels of the chart as drawn on the screen, in the chart's own coordinates.
QImage drawn(ElementChart *chart)
{
    return chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ElementosTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { resources::load(); }
    void cleanup() { language::use(Language::Spanish); }

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

    // The chart has the keyboard from the start, and a ring round the current element's name
    // and symbol, on their lines, shows it; the ring goes with the focus.
    void chartTakesTheKeyboardAndRingsTheCurrentElement()
    {
        TElementos window;
        showActive(window);
        ElementChart *chart = window.Image111();
        QCOMPARE(chart->current(), 1);
        const QRect hydrogen = ElementChart::elementRect(board::Table::Classic, 1);
        QCOMPARE(hydrogen, QRect(133, 26, 125, 21)); // the second pair of the first row
        const QImage ringed = drawn(chart);
        const QImage plain = chart->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        int black = 0, white = 0;
        for (int x = hydrogen.left(); x <= hydrogen.right(); ++x) {
            black += ringed.pixel(x, hydrogen.top()) == qRgb(0, 0, 0);
            white += ringed.pixel(x, hydrogen.top() + 1) == qRgb(255, 255, 255);
        }
        QVERIFY2(black > 40 && white > 40, qPrintable(QStringLiteral("%1 %2").arg(black).arg(white)));
        // Nothing else of the picture is touched.
        const QRect outside = hydrogen.adjusted(-1, -1, 1, 1);
        for (QPoint p : {outside.topLeft(), outside.bottomRight(), QPoint(300, 300)})
            QCOMPARE(ringed.pixel(p), plain.pixel(p));

        chart->clearFocus();
        QCOMPARE(drawn(chart).copy(hydrogen), plain.copy(hydrogen));
        QTest::keyClick(&window, Qt::Key_Tab);
        QTRY_VERIFY(chart->hasFocus());
    }

    void arrowsStepThroughTheElementsAndStopAtTheEnds_data()
    {
        QTest::addColumn<board::Table>("table");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        const auto classic = board::Table::Classic, today = board::Table::Today;
        QTest::newRow("right") << classic << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("down") << classic << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("left") << classic << 80 << int(Qt::Key_Left) << 79;
        QTest::newRow("up") << classic << 80 << int(Qt::Key_Up) << 79;
        QTest::newRow("left at hydrogen") << classic << 1 << int(Qt::Key_Left) << 1;
        QTest::newRow("up at hydrogen") << classic << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("right at the last") << classic << 114 << int(Qt::Key_Right) << 114;
        QTest::newRow("down at the last") << classic << 114 << int(Qt::Key_Down) << 114;
        QTest::newRow("today's right past 114") << today << 114 << int(Qt::Key_Right) << 115;
        QTest::newRow("today's right at the last") << today << 118 << int(Qt::Key_Right) << 118;
        QTest::newRow("end") << classic << 1 << int(Qt::Key_End) << 114;
        QTest::newRow("today's end") << today << 1 << int(Qt::Key_End) << 118;
        QTest::newRow("home") << today << 80 << int(Qt::Key_Home) << 1;
    }
    void arrowsStepThroughTheElementsAndStopAtTheEnds()
    {
        QFETCH(board::Table, table);
        QFETCH(int, from);
        QFETCH(int, key);
        TElementos window(nullptr, table);
        showActive(window);
        ElementChart *chart = window.Image111();
        chart->setCurrent(from);
        QSignalSpy moved(chart, &ElementChart::currentMoved);
        QTest::keyClick(chart, Qt::Key(key));
        QTEST(chart->current(), "to");
        QCOMPARE(moved.size(), chart->current() == from ? 0 : 1);
    }

    // The area scrolls the current element into sight, down to meitnerium in the last row, and
    // back up to hydrogen with the header above it.
    void scrollAreaFollowsTheCurrentElement()
    {
        TElementos window;
        showActive(window);
        window.resize(300, 200);
        ElementChart *chart = window.Image111();
        QScrollArea *area = window.scrollArea();
        const auto inSight = [&](int n) {
            const QRect place = ElementChart::elementRect(board::Table::Classic, n);
            return area->viewport()->rect().contains(
                QRect(chart->mapTo(area->viewport(), place.topLeft()), place.size()));
        };
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        chart->setCurrent(108);
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(chart->current(), 109);
        QVERIFY(area->verticalScrollBar()->value() > 0);
        QVERIFY(inSight(109));
        QVERIFY(!inSight(1));
        QTest::keyClick(chart, Qt::Key_Home);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        QVERIFY(inSight(1));
    }

    // The table's focused cell is the current element, read whole in the program's language.
    void focusedCellReadsTheCurrentElementInTheLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("said");
        QTest::newRow("es") << Language::Spanish << 1 << "1, H, Hidrógeno";
        QTest::newRow("ca") << Language::Catalan << 26 << "26, Fe, Ferro";
        QTest::newRow("eu") << Language::Basque << 26 << "26, Fe, Burdina";
    }
    void focusedCellReadsTheCurrentElementInTheLanguage()
    {
        QFETCH(Language, language);
        QFETCH(int, element);
        QVERIFY(language::use(language));
        TElementos window;
        showActive(window);
        ElementChart *chart = window.Image111();
        chart->setCurrent(element);
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(chart);
        QAccessibleInterface *focused = table->focusChild();
        QVERIFY(focused);
        QTEST(focused->text(QAccessible::Name), "said");
        QVERIFY(focused->state().focusable && focused->state().focused);
        QCOMPARE(focused->parent(), table);
        QCOMPARE(table->child(table->indexOfChild(focused)), focused);
        QCOMPARE(focused->tableCellInterface()->rowIndex(), element - 1);
        // The element's texts are still the table's three columns, and none of them is focused.
        QVERIFY(!table->tableInterface()->cellAt(element - 1, 0)->state().focused);
        chart->clearFocus();
        QVERIFY(!table->focusChild());
        QVERIFY(!focused->state().focused);
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
            QTest::keyClick(window.Image111(), Qt::Key_Escape); // from the chart's focus too
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
