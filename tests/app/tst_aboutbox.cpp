#include "app/aboutbox.h"
#include "app/language.h"
#include "app/platform.h"
#include "app/resources.h"
#include "support/child.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// Records every open the window asks for; the attempt numbered succeedAt (from 1) works.
class FakeShell : public platform::Shell
{
public:
    int succeedAt = 0;
    QList<std::pair<QString, QString>> calls;

    bool open(const QString &target, const QString &parameters, Failed) override
    {
        calls.append({target, parameters});
        return calls.size() == succeedAt;
    }
};

// Runs the window modally, doing the step once the loop runs; gives the dialog's result, or
// -1 when the step didn't close it.
int execWith(TAboutBox &box, const std::function<void()> &step)
{
    QTimer::singleShot(0, &box, step);
    QTimer::singleShot(3000, &box, [&box] { box.done(-1); });
    return box.exec();
}

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { resources::load(); }

    void cleanup()
    {
        platform::setShell(nullptr);
        platform::setMessageSink({});
        platform::setMemoryReader({});
        QLocale::setDefault(QLocale::system());
    }

    void memoHoldsTheInstructionsAndTakesTypingButNotAltChords()
    {
        TAboutBox box;
        QPlainTextEdit *memo = child<QPlainTextEdit>(box, "Memo1");
        const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.first(), QStringLiteral("Funcionamiento del programa:"));
        QVERIFY(lines.at(1).isEmpty() && lines.at(5).isEmpty());
        QVERIFY(lines.at(3).endsWith(QStringLiteral("indica el ")));
        QCOMPARE(lines.last(),
                 QStringLiteral("pulsa sobre el botón y escribe la dirección de e-mail."));
        QTest::keyClicks(memo, QStringLiteral("hola"));
        QVERIFY(memo->toPlainText().contains(QStringLiteral("hola")));
        const QString typed = memo->toPlainText();
        QTest::keyClick(memo, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(memo->toPlainText(), typed);
    }

    void everyWindowReadsTheMemoryFiguresAfresh()
    {
        QList<platform::MemoryStatus> figures{{37, quint64(523816) * 1024}, {80, quint64(2) << 30}};
        int reads = 0;
        platform::setMemoryReader([&] { return figures.at(reads++); });
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

        TAboutBox first;
        QCOMPARE(child<QLabel>(first, "PhysMem")->text(), QStringLiteral("523.816 KB"));
        QCOMPARE(child<QLabel>(first, "FreeRes")->text(), QStringLiteral("37 %"));
        QTest::keyClicks(child<QPlainTextEdit>(first, "Memo1"), QStringLiteral("hola"));

        TAboutBox second;
        QCOMPARE(reads, 2);
        QCOMPARE(child<QLabel>(second, "PhysMem")->text(), QStringLiteral("2.097.152 KB"));
        QCOMPARE(child<QLabel>(second, "FreeRes")->text(), QStringLiteral("80 %"));
        QCOMPARE(child<QPlainTextEdit>(second, "Memo1")->toPlainText(), TAboutBox::instructions().join(u'\n'));
        QVERIFY(child<QLabel>(second, "PhysMem")->width() > child<QLabel>(first, "FreeRes")->width());

        // Under a system locale that groups otherwise (C.UTF-8 writes 523,816), the figures
        // follow the program's language, as its texts do.
        QLocale::setDefault(QLocale::c());
        QVERIFY(language::use(language::Language::Basque));
        const auto back = qScopeGuard([] { language::use(language::Language::Spanish); });
        figures = {{37, quint64(24683752) * 1024}};
        reads = 0;
        TAboutBox basque;
        QCOMPARE(child<QLabel>(basque, "PhysMem")->text(), QStringLiteral("24.683.752 KB"));
    }

    void closes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Enter on OK") << "Return";
        QTest::newRow("keypad Enter on OK") << "Enter";
        QTest::newRow("OK clicked") << "click";
        QTest::newRow("close box") << "close";
    }
    void closes()
    {
        QFETCH(QString, how);
        TAboutBox box;
        QWidget *focusAtStart = nullptr;
        const int result = execWith(box, [&] {
            focusAtStart = box.focusWidget();
            if (how == QLatin1String("Escape"))
                QTest::keyClick(child<QPushButton>(box, "OKButton"), Qt::Key_Escape);
            else if (how == QLatin1String("Return"))
                QTest::keyClick(child<QPushButton>(box, "OKButton"), Qt::Key_Return);
            else if (how == QLatin1String("Enter"))
                QTest::keyClick(child<QPushButton>(box, "OKButton"), Qt::Key_Enter);
            else if (how == QLatin1String("click"))
                QTest::mouseClick(child<QPushButton>(box, "OKButton"), Qt::LeftButton);
            else
                box.close();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(box.isHidden());
        QCOMPARE(focusAtStart, child<QPushButton>(box, "OKButton"));
    }

    void enterInTheInstructionsTypesALineInstead()
    {
        TAboutBox box;
        bool stillOpen = false;
        const int result = execWith(box, [&] {
            child<QPlainTextEdit>(box, "Memo1")->setFocus();
            QTest::keyClick(child<QPlainTextEdit>(box, "Memo1"), Qt::Key_Return);
            stillOpen = box.isVisible();
            box.close();
        });
        QVERIFY(stillOpen);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(child<QPlainTextEdit>(box, "Memo1")->toPlainText().count(u'\n'), 8);
    }

    void linkTriesTheShellThenEachBrowserInTurn_data()
    {
        QTest::addColumn<int>("succeedAt");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("message");
        QTest::addColumn<bool>("byKeys"); // Tab from OK past the instructions, then Enter
        QTest::newRow("shell opens the page") << 1 << 1 << false << false;
        QTest::newRow("first browser") << 2 << 2 << false << false;
        QTest::newRow("second browser") << 3 << 3 << false << false;
        QTest::newRow("nothing works") << 0 << 3 << true << false;
        QTest::newRow("by keys") << 1 << 1 << false << true;
    }
    void linkTriesTheShellThenEachBrowserInTurn()
    {
        QFETCH(int, succeedAt);
        QFETCH(int, attempts);
        QFETCH(bool, message);
        QFETCH(bool, byKeys);
        FakeShell shell;
        shell.succeedAt = succeedAt;
        platform::setShell(&shell);
        QStringList messages;
        platform::setMessageSink([&](const QString &text) { messages << text; });

        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *link = child<QLabel>(box, "Label7");
        if (byKeys) {
            box.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&box));
            const QColor ground = link->palette().color(QPalette::Window);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), link);
            QVERIFY(link->palette().color(QPalette::Window) != ground); // the focus shows
            QTest::keyClick(link, Qt::Key_Return);
        } else {
            QTest::mouseClick(link, Qt::LeftButton);
        }

        const QString page = TAboutBox::periodicTablePage();
        const QStringList browsers = platform::fallbackBrowsers();
        const QList<std::pair<QString, QString>> expected{
            {page, QString()}, {browsers.at(0), page}, {browsers.at(1), page}};
        QCOMPARE(shell.calls, expected.mid(0, attempts));
        QCOMPARE(messages.isEmpty(), !message);
        if (message)
            QCOMPARE(messages,
                     QStringList{QStringLiteral("Lo siento, no se encontró tu navegador")});
        QVERIFY(box.isVisible());
    }

    // The desktop's own opener, a stand-in for xdg-open on PATH that ends with status 3 as it
    // does with no browser, after it started: the browsers are tried after it all the same.
    void linkGoesOnWhenTheDesktopsOpenerFails_data()
    {
        QTest::addColumn<bool>("firefox");
        QTest::newRow("firefox opens the page") << true;
        QTest::newRow("no browser at all") << false;
    }
    void linkGoesOnWhenTheDesktopsOpenerFails()
    {
        QFETCH(bool, firefox);
        QTemporaryDir bin;
        const auto script = [&](const QString &name, const QByteArray &body) {
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + body + "\n");
            file.close();
            file.setPermissions(file.permissions() | QFile::ExeOwner);
        };
        script(QStringLiteral("xdg-open"), "echo \"$1\" > \"${0%/*}/opener\"; exit 3");
        if (firefox)
            script(QStringLiteral("firefox"), "echo \"$1\" > \"${0%/*}/firefox\"");
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        QStringList messages;
        platform::setMessageSink([&](const QString &text) { messages << text; });

        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(child<QLabel>(box, "Label7"), Qt::LeftButton);
        const auto said = [&](const QString &name) {
            QFile file(bin.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
        };
        QTRY_COMPARE(said(QStringLiteral("opener")), TAboutBox::periodicTablePage().toUtf8());
        if (firefox) {
            QTRY_COMPARE(said(QStringLiteral("firefox")), TAboutBox::periodicTablePage().toUtf8());
            QTest::qWait(100);
            QVERIFY(messages.isEmpty());
        } else {
            QTRY_COMPARE(messages,
                         QStringList{QStringLiteral("Lo siento, no se encontró tu navegador")});
        }
    }

    void onlyPureBlackTurnsTransparent()
    {
        QImage picture(3, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(0, 0, 0));
        picture.setPixel(1, 0, qRgb(1, 0, 0));
        picture.setPixel(2, 0, qRgb(0, 0, 1));
        const QImage result = TAboutBox::withBlackTransparent(picture).toImage();
        QCOMPARE(qAlpha(result.pixel(0, 0)), 0);
        QCOMPARE(result.pixel(1, 0), qRgb(1, 0, 0));
        QCOMPARE(result.pixel(2, 0), qRgb(0, 0, 1));
    }

    void layoutFitsTheFixedWindowWithTheTitleShadowBeneath()
    {
        TAboutBox box;
        QCOMPARE(box.minimumSize(), TAboutBox::kClientSize);
        QCOMPARE(box.maximumSize(), TAboutBox::kClientSize);
        const QRect client(QPoint(0, 0), TAboutBox::kClientSize);
        const QList<QWidget *> children =
            box.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *child : children)
            QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));

        auto *shadow = box.findChild<QLabel *>(QStringLiteral("Label1"));
        auto *title = box.findChild<QLabel *>(QStringLiteral("Label6"));
        QCOMPARE(title->geometry(), shadow->geometry().translated(-1, -1));
        QVERIFY(children.indexOf(title) > children.indexOf(shadow));
        QCOMPARE(child<QLabel>(box, "ProgramIcon")->size(), QSize(187, 124));
        QVERIFY(
            !(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
