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
    for (const DrawnSpec &s : kDrawnUnderFrames)
        f(s);
    for (const DrawnSpec &s : kDrawnOverFrames)
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

// Label11 to Label28 carry the groups 1 to 18 and stand over their columns; Label29 to
// Label35 carry the periods 1 to 7 and stand beside their rows.
void TestLayout::numbersStandOverTheirColumnsAndRows()
{
    int groups = 0, periods = 0;
    forEachDrawn([&](const DrawnSpec &s) {
        const int label = QByteArray(s.name).startsWith("Label") ? QByteArray(s.name).mid(5).toInt() : 0;
        if (label < 11 || label > 35)
            return;
        const int number = QByteArray(s.text).toInt();
        QCOMPARE(s.width, number < 10 ? 8 : 15);
        if (label <= 28) {
            ++groups;
            QCOMPARE(number, label - 10);
            const int cellLeft = 10 + 40 * (number - 1);
            QVERIFY2(s.left > cellLeft && s.left < cellLeft + 40, s.name);
            QCOMPARE(s.top, 27);
        } else {
            ++periods;
            QCOMPARE(number, label - 28);
            const int cellTop = 40 * number;
            QVERIFY2(s.top > cellTop && s.top + s.height < cellTop + 40, s.name);
            QCOMPARE(s.left, 0);
        }
    });
    QCOMPARE(groups, 18);
    QCOMPARE(periods, 7);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
