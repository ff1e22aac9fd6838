#include "game/elements.h"

#include <QSet>
#include <QStringList>
#include <QTest>

using namespace elements;

class TestElements : public QObject
{
    Q_OBJECT

private slots:
    void symbolsRunInAtomicNumberOrder();
    void statesGiveTheTileColours();
    void namesAreSpanishAndUnique();
};

void TestElements::symbolsRunInAtomicNumberOrder()
{
    QStringList symbols;
    for (const Element &e : kTable)
        symbols << QString::fromLatin1(e.symbol.data(), qsizetype(e.symbol.size()));
    QCOMPARE(
        symbols.join(' '),
        QStringLiteral(
            "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn "
            "Ga Ge As Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce "
            "Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn "
            "Fr Ra Ac Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt Uun Uuu Uub "
            "Uut Uuq"));
}

void TestElements::statesGiveTheTileColours()
{
    const QSet<int> gases{1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
    const QSet<int> liquids{35, 80};
    for (int n = 1; n <= board::kElementCount; ++n) {
        State expected = Solid;
        if (gases.contains(n))
            expected = Gas;
        else if (liquids.contains(n))
            expected = Liquid;
        else if (n == 43 || n >= 93)
            expected = Synthetic;
        QVERIFY2(element(n).state == expected, qPrintable(QString::number(n)));
    }
    QCOMPARE(element(61).state, Solid); // promethium is drawn as solid
}

void TestElements::namesAreSpanishAndUnique()
{
    QSet<QString> names;
    for (const Element &e : kTable)
        names.insert(QString::fromUtf8(e.name.data(), qsizetype(e.name.size())));
    QCOMPARE(names.size(), board::kElementCount);
    QCOMPARE(QString::fromUtf8(element(1).name.data()), QStringLiteral("Hidrógeno"));
    QCOMPARE(QString::fromUtf8(element(50).name.data()), QStringLiteral("Estaño"));
}

QTEST_APPLESS_MAIN(TestElements)
#include "tst_elements.moc"
