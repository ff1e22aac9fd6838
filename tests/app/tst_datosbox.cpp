#include "app/datosbox.h"
#include "app/pupildata.h"
#include "app/report.h"
#include "app/resources.h"
#include "support/child.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Types the text as key presses; characters beyond ASCII go as key events carrying the text,
// the way a keyboard layout delivers them.
void type(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class DatosBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { resources::load(); }

    void init()
    {
        PupilName.clear();
        PupilGroup.clear();
    }

    void salirStoresOnlyTheEditsThatHoldText_data()
    {
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedGroup");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedGroup");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::newRow("first entry") << ""
                                     << ""
                                     << "Ana Pérez"
                                     << "3º B"
                                     << "Ana Pérez"
                                     << "3º B";
        QTest::newRow("cleared name keeps the stored one") << "Ana"
                                                           << "3º B"
                                                           << ""
                                                           << "4º A"
                                                           << "Ana"
                                                           << "4º A";
        QTest::newRow("both cleared") << "Ana"
                                      << "3º B"
                                      << ""
                                      << ""
                                      << "Ana"
                                      << "3º B";
        QTest::newRow("only spaces are stored as typed") << "Ana"
                                                         << "3º B"
                                                         << "   "
                                                         << " 4 "
                                                         << "   "
                                                         << " 4 ";
    }
    void salirStoresOnlyTheEditsThatHoldText()
    {
        QFETCH(QString, storedName);
        QFETCH(QString, storedGroup);
        QFETCH(QString, typedName);
        QFETCH(QString, typedGroup);
        PupilName = storedName;
        PupilGroup = storedGroup;

        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), typedName);
        type(child<QLineEdit>(box, "curso"), typedGroup);
        QTest::mouseClick(child<QPushButton>(box, "BitBtn1"), Qt::LeftButton);

        QVERIFY(box.isHidden());
        QTEST(PupilName, "name");
        QTEST(PupilGroup, "group");
        QCOMPARE(child<QLineEdit>(box, "Alumno")->text(), typedName);
        QCOMPARE(child<QLineEdit>(box, "curso")->text(), typedGroup);
    }

    void closeBoxStoresNothingAndTheTextWaitsForSalir()
    {
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Ana"));
        QVERIFY(box.close());
        QVERIFY(box.isHidden());
        QVERIFY(PupilName.isEmpty());

        box.showOrRaise();
        QVERIFY(box.isVisible());
        QCOMPARE(child<QLineEdit>(box, "Alumno")->text(), QStringLiteral("Ana"));
        QTest::mouseClick(child<QPushButton>(box, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(PupilName, QStringLiteral("Ana"));
    }

    void enterEscapeAndAltChordsDoNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return in the name") << "Alumno" << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter in the group") << "curso" << int(Qt::Key_Enter) << 0;
        QTest::newRow("Escape in the name") << "Alumno" << int(Qt::Key_Escape) << 0;
        QTest::newRow("Escape on Salir") << "BitBtn1" << int(Qt::Key_Escape) << 0;
        QTest::newRow("Alt+N in the name") << "Alumno" << int(Qt::Key_N) << int(Qt::AltModifier);
        QTest::newRow("Alt+Shift+C in the group")
            << "curso" << int(Qt::Key_C) << int(Qt::AltModifier | Qt::ShiftModifier);
    }
    void enterEscapeAndAltChordsDoNothing()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Ana"));
        type(child<QLineEdit>(box, "curso"), QStringLiteral("3º B"));
        auto *widget = box.findChild<QWidget *>(target);
        QVERIFY(widget);
        widget->setFocus();

        QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(box.isVisible());
        QVERIFY(PupilName.isEmpty());
        QVERIFY(PupilGroup.isEmpty());
        QCOMPARE(child<QLineEdit>(box, "Alumno")->text(), QStringLiteral("Ana"));
        QCOMPARE(child<QLineEdit>(box, "curso")->text(), QStringLiteral("3º B"));
    }

    void enterOnSalirRunsIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void enterOnSalirRunsIt()
    {
        QFETCH(int, key);
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Ana"));
        child<QPushButton>(box, "BitBtn1")->setFocus();
        QTest::keyClick(child<QPushButton>(box, "BitBtn1"), Qt::Key(key));
        QVERIFY(box.isHidden());
        QCOMPARE(PupilName, QStringLiteral("Ana"));
        QVERIFY(PupilGroup.isEmpty());
    }

    void altGrTypesItsCharacter()
    {
        // Windows reports AltGr as Ctrl+Alt: "@" on a Spanish keyboard must still arrive.
        TDatosBox box;
        QLineEdit *name = child<QLineEdit>(box, "Alumno");
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_2, QStringLiteral("@"),
                            Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(name->text(), QStringLiteral("@"));
    }

    // Closed by its close box from the group (the window-manager session covers "Salir"), the
    // dialog still greets the next pupil with the name selected, to be typed over.
    void everyShowingSelectsTheNameForTheNextPupil()
    {
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Ana"));
        QLineEdit *group = child<QLineEdit>(box, "curso");
        group->setFocus();
        type(group, QStringLiteral("3º B"));
        QVERIFY(box.close());
        QCoreApplication::processEvents(); // the next pupil comes later, not in the same turn

        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QLineEdit *name = child<QLineEdit>(box, "Alumno");
        QCOMPARE(box.focusWidget(), name);
        type(name, QStringLiteral("Bruno"));
        QCOMPARE(name->text(), QStringLiteral("Bruno"));
        QCOMPARE(group->text(), QStringLiteral("3º B"));
    }

    void focusStartsInTheNameAndTabsThroughGroupToSalir()
    {
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.focusWidget(), child<QLineEdit>(box, "Alumno"));
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QCOMPARE(box.focusWidget(), child<QLineEdit>(box, "curso"));
        QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
        QCOMPARE(box.focusWidget(), child<QPushButton>(box, "BitBtn1"));
    }

    void enviarWhileTheDialogHoldsUnsavedTextWritesTheStoredValues()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TDatosBox box;
        box.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Ana"));
        QTest::mouseClick(child<QPushButton>(box, "BitBtn1"), Qt::LeftButton);

        box.showOrRaise();
        child<QLineEdit>(box, "Alumno")->clear();
        type(child<QLineEdit>(box, "Alumno"), QStringLiteral("Bea"));
        Report report(dir.filePath(QStringLiteral("result.txt")));
        report.addBlockAndSave(3, 114);
        QCOMPARE(report.lines().at(1), QStringLiteral("Alumno: Ana"));
        QCOMPARE(report.lines().at(2), QStringLiteral("Grupo : "));
    }

    void everyControlLiesInsideTheClientArea()
    {
        TDatosBox box;
        const QRect client(QPoint(0, 0), box.size());
        QVERIFY(client.width() >= 489 && client.height() >= 321);
        for (QWidget *child : box.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
        QCOMPARE(child<QLabel>(box, "ProgramIcon")->size(), QSize(64, 64));
        QVERIFY(!child<QPushButton>(box, "BitBtn1")->isDefault() && !child<QPushButton>(box, "BitBtn1")->autoDefault());
    }
};

QTEST_MAIN(DatosBoxTest)
#include "tst_datosbox.moc"
