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

    // The chart has the keyboard from the start (and again by Tab), with a ring on the lines
    // round the current element's name and symbol while it does, and nowhere else.
    void chartTakesTheKeyboardAndRingsTheCurrentElement()
    {
        TElementos window;
        showActive(window);
        ElementChart *chart = window.Image111();
        const QRect hydrogen = ElementChart::elementRect(board::Table::Classic, 1);
        QCOMPARE(hydrogen, QRect(133, 26, 125, 21)); // the second pair of the first row
        const auto drawn = [&] {
            return chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage plain = chart->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QImage ringed = drawn();
        int black = 0;
        for (int x = hydrogen.left(); x <= hydrogen.right(); ++x)
            black += ringed.pixel(x, hydrogen.top()) == qRgb(0, 0, 0) &&
                     ringed.pixel(x, hydrogen.top() + 1) != plain.pixel(x, hydrogen.top() + 1);
        QVERIFY2(black > 40, qPrintable(QString::number(black)));
        // Above, left of and below the ring the picture is untouched.
        for (const QRect &band :
             {QRect(0, 0, 507, 26), QRect(0, 26, 133, 21), QRect(0, 47, 507, 553)})
            QCOMPARE(ringed.copy(band), plain.copy(band));

        chart->clearFocus();
        QCOMPARE(drawn().copy(0, 0, 507, 600), plain.copy(0, 0, 507, 600));
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
        QTest::newRow("left") << classic << 80 << int(Qt::Key_Left) << 79;
        QTest::newRow("up at hydrogen") << classic << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("down at the last") << classic << 114 << int(Qt::Key_Down) << 114;
        QTest::newRow("today's right past 114") << today << 114 << int(Qt::Key_Right) << 115;
        QTest::newRow("today's right at the last") << today << 118 << int(Qt::Key_Right) << 118;
        QTest::newRow("end") << today << 1 << int(Qt::Key_End) << 118;
        QTest::newRow("home") << classic << 80 << int(Qt::Key_Home) << 1;
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

    // The area scrolls to meitnerium in the last row, and back up to hydrogen with the header.
    void scrollAreaFollowsTheCurrentElement()
    {
        TElementos window;
        showActive(window);
        window.resize(300, 200);
        ElementChart *chart = window.Image111();
        QWidget *viewport = window.scrollArea()->viewport();
        const auto inSight = [&](int n) {
            const QRect place = ElementChart::elementRect(board::Table::Classic, n);
            return viewport->rect().contains(place.translated(chart->mapTo(viewport, QPoint())));
        };
        QTRY_VERIFY(window.scrollArea()->verticalScrollBar()->isVisible());
        chart->setCurrent(108);
        QTest::keyClick(chart, Qt::Key_Right);
        QVERIFY(inSight(109) && !inSight(1));
        QTest::keyClick(chart, Qt::Key_Home);
        QCOMPARE(window.scrollArea()->verticalScrollBar()->value(), 0);
    }

    // The table's focused cell is the current element, read whole in the program's language;
    // the three texts of its row stay the table's columns.
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
        QVERIFY(focused->state().focused);
        QCOMPARE(table->child(table->indexOfChild(focused)), focused);
        QCOMPARE(focused->tableCellInterface()->rowIndex(), element - 1);
        QVERIFY(!table->tableInterface()->cellAt(element - 1, 0)->state().focused);
        chart->clearFocus();
        QVERIFY(!table->focusChild() && !focused->state().focused);
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
