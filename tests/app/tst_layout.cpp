#include "app/layout.h"
#include "game/board.h"

#include <QRect>
#include <QSet>
#include <QTest>

using namespace layout;

// Checks over the layout tables that catch a mistyped control before anyone looks at a screen.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void namesAreUnique();
    void everyVisibleControlLiesInsideTheWindow();
    void buttonsOverlapTheirNeighboursByOnePixel();
    void tabOrderFollowsTheCommandBar();
    void numbersStandOverTheirColumnsAndRows();
};

namespace {
template <typename F> void forEachDrawn(F f)
{
    for (const DrawnSpec &s : kDrawnHead)
        f(s);
    for (const DrawnSpec &s : kDrawnSeries)
        f(s);
    for (const DrawnSpec &s : kDrawnTail)
        f(s);
}
} // namespace

void TestLayout::namesAreUnique()
{
    QSet<QString> names;
    int count = 0;
    forEachDrawn([&](const DrawnSpec &s) {
        names.insert(QString::fromLatin1(s.name));
        ++count;
    });
    for (const ButtonSpec &b : kButtons) {
        names.insert(QString::fromLatin1(b.name));
        ++count;
    }
    QCOMPARE(names.size(), count);
    for (int n = 11; n <= 35; ++n)
        QVERIFY(!names.contains(QStringLiteral("Label%1").arg(n)));
}

void TestLayout::everyVisibleControlLiesInsideTheWindow()
{
    const QRect client(0, 0, kClientWidth, kClientHeight);
    forEachDrawn([&](const DrawnSpec &s) {
        QVERIFY2(client.contains(QRect(s.left, s.top, s.width, s.height)), s.name);
    });
    for (const ButtonSpec &b : kButtons)
        QVERIFY2(client.contains(QRect(b.left, b.top, b.width, kButtonHeight)), b.name);
}

void TestLayout::buttonsOverlapTheirNeighboursByOnePixel()
{
    // The five buttons at the left run on without gaps.
    for (int i = 1; i < 5; ++i)
        QCOMPARE(kButtons[i].left, kButtons[i - 1].left + kButtons[i - 1].width - 1);
    QVERIFY(!kButtons[6].visible);
}

void TestLayout::tabOrderFollowsTheCommandBar()
{
    QStringList visibleByTab;
    QList<const ButtonSpec *> buttons;
    for (const ButtonSpec &b : kButtons)
        if (b.visible)
            buttons << &b;
    std::sort(buttons.begin(), buttons.end(),
              [](auto *a, auto *b) { return a->tabOrder < b->tabOrder; });
    for (auto *b : buttons)
        visibleByTab << QString::fromUtf8(b->caption);
    QCOMPARE(visibleByTab, (QStringList{"&Corregir vistas", "&Ayuda", "&Nuevo", "Enviar", "&Datos",
                                        "Elementos"}));
}

void TestLayout::numbersStandOverTheirColumnsAndRows()
{
    for (int group = 1; group <= 18; ++group) {
        const int cellLeft = 10 + 40 * (group - 1);
        QVERIFY(kGroupLefts[group - 1] > cellLeft && kGroupLefts[group - 1] < cellLeft + 40);
    }
    for (int period = 1; period <= 7; ++period) {
        const int cellTop = 40 * period;
        QVERIFY(kPeriodTop(period) > cellTop && kPeriodTop(period) + 13 < cellTop + 40);
    }
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
