#include "app/classtable.h"
#include "app/colours.h"
#include "app/language.h"
#include "app/resources.h"
#include "app/summaryexport.h"
#include "app/summarywindow.h"
#include "records/record.h"
#include "support/tool.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <utility>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// One correction written as the tiles off their own cells, "tile@cell" with cell 0 for off the
// board and "first-last@cell" for a run of tiles; every other tile is on its own cell.
records::Correction correction(const QString &misplaced)
{
    records::Correction made;
    made.time = QDateTime::fromString(QStringLiteral("2026-12-07T10:00:00+01:00"), Qt::ISODate);
    made.game = 1;
    made.judged = 114;
    for (int n = 1; n <= 114; ++n)
        made.cellOf.push_back(n);
    for (const QString &entry : misplaced.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList tiles = entry.section(QLatin1Char('@'), 0, 0).split(QLatin1Char('-'));
        const int cell = entry.section(QLatin1Char('@'), 1).toInt();
        for (int n = tiles.first().toInt(); n <= tiles.last().toInt(); ++n)
            made.cellOf[size_t(n - 1)] = cell;
    }
    for (int n = 1; n <= 114; ++n)
        made.hits += made.cellOf[size_t(n - 1)] == n;
    return made;
}

records::Record record(const QString &pupil, const QString &group, const QString &sent,
                       const QStringList &corrections)
{
    records::Record made;
    made.sent = QDateTime::fromString(sent, Qt::ISODate);
    made.machine = QStringLiteral("pc-") + pupil.toLower();
    made.account = pupil.toLower();
    made.pupil = pupil;
    made.group = group;
    made.language = QStringLiteral("es");
    made.table = QStringLiteral("clasica");
    for (const QString &misplaced : corrections)
        made.corrections.push_back(correction(misplaced));
    made.hitTotal = made.corrections.back().hits;
    made.cellsCounted = 114;
    made.percent = made.hitTotal * 100 / 114;
    return made;
}

// The class worked by hand. Sodium (11) is right nowhere: on potassium's cell for Ana and Bea,
// off the board for Carlos. Potassium (19) is right for Carlos only: on sodium's cell for Ana,
// off the board for Bea. Carlos also left 20 to 34 off the board, so his 98 hits sort below
// the others' 112 as numbers, not as text. Bea's better first correction is her best.
void writeClass(const QString &folder)
{
    const records::Record pupils[] = {
        record("Ana", "3B", "2026-12-07T10:15:30+01:00", {"11@19 19@11"}),
        record("Bea", "3B", "2026-12-07T10:20:00+01:00", {"", "11@19 19@0"}),
        record("Carlos", "4A", "2026-12-08T09:00:00+01:00", {"11@0 20-34@0"}),
    };
    for (const records::Record &pupil : pupils) {
        QFile file(folder + QLatin1Char('/') + pupil.pupil + QStringLiteral(".json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(records::toJson(pupil));
    }
}

void writeBrokenRecord(const QString &folder)
{
    QFile file(folder + QStringLiteral("/cortado.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"formato\":\"tabelora-registro\",\"vers");
}

QDate day(int d)
{
    return QDate(2026, 12, d);
}

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

struct Run
{
    int exitCode = -1; // -1 when it crashed or did not end in a minute
    QByteArray errors, output;
};

// The real program with no display, in Spanish, without the lab settings of the machine
// running the tests, in the folder `work`; through the shell when `shell` is given, so that
// arguments can be bytes that are not UTF-8 ("$(printf '\\351')").
Run runProgram(const QString &work, const QStringList &arguments, const QString &shell = {})
{
    QDir().mkpath(work + QStringLiteral("/settings"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work + QStringLiteral("/settings"));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), work + QStringLiteral("/settings"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work);
    if (shell.isEmpty())
        program.start(QStringLiteral(TABELORA_PROGRAM), arguments);
    else
        program.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + shell,
                       QStringLiteral(TABELORA_PROGRAM)});
    Run run;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    // Bytes as they came, but for Qt's notice where the locale is missing (a fresh system).
    run.errors = withoutQtLocaleNotice(program.readAllStandardError());
    run.output = program.readAllStandardOutput();
    return run;
}

} // namespace

class SummaryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir folder_;
    std::unique_ptr<SummaryWindow> window_;

private slots:
    void initTestCase()
    {
        resources::load();
        QVERIFY(folder_.isValid());
        writeClass(folder_.path());
    }

    void init()
    {
        window_ =
            std::make_unique<SummaryWindow>(folder_.path(), records::readFolder(folder_.path()));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    // The table, the class's periodic table and the exported rows all keep what the filters
    // keep.
    void filtersChooseTheRecordsOfEverything_data()
    {
        QTest::addColumn<QString>("group"); // "" for every group
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("potassiumRight"); // per cent; -1 for no data
        QTest::newRow("everything") << "" << day(7) << day(8) << 3 << 33;
        QTest::newRow("one group") << "3B" << day(7) << day(8) << 2 << 0;
        QTest::newRow("one day") << "" << day(8) << day(8) << 1 << 100;
        QTest::newRow("nothing left") << "4A" << day(7) << day(7) << 0 << -1;
        QTest::newRow("range upside down") << "" << day(8) << day(7) << 0 << -1;
    }

    void filtersChooseTheRecordsOfEverything()
    {
        QFETCH(QString, group);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, rows);
        QFETCH(int, potassiumRight);
        QComboBox *groups = window_->groupChoice();
        groups->setCurrentIndex(group.isEmpty() ? 0 : groups->findText(group));
        window_->fromDate()->setDate(from);
        window_->toDate()->setDate(to);

        QCOMPARE(window_->rows()->rowCount(), rows);
        QCOMPARE(int(window_->shownSummary().rows.size()), rows);
        QCOMPARE(window_->classTable()->summary().elements.at(19).percentRight(), potassiumRight);
        const QString csv = QDir(folder_.path()).filePath(QStringLiteral("filtered.csv.out"));
        QString error;
        QVERIFY2(window_->exportCsv(csv, &error), qPrintable(error));
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), rows + 1);
    }

    void columnsSortNumbersAsNumbers()
    {
        QTableView *table = window_->table();
        QCOMPARE(table->model()->rowCount(), 3); // a row per pupil at first
        window_->rowsChoice()->setCurrentIndex(1); // then one per record
        table->sortByColumn(int(summaryexport::Column::LastHits), Qt::AscendingOrder);
        QCOMPARE(window_->rows()->index(0, 0).data().toString(), QStringLiteral("Carlos"));
        table->sortByColumn(int(summaryexport::Column::BestHits), Qt::DescendingOrder);
        QCOMPARE(window_->rows()->index(0, 0).data().toString(), QStringLiteral("Bea"));
        QCOMPARE(window_->rows()->index(0, int(summaryexport::Column::LastHits)).data(),
                 QVariant(QStringLiteral("112")));
    }

    // Potassium, right for one pupil in three, is painted in the scale's colour of 33 %.
    void aCellIsPaintedInTheColourOfItsShare()
    {
        ClassTable *table = window_->classTable();
        table->resize(ClassTable::kSize);
        const QPoint insidePotassium(10 + 3, 160 - 30 + 20);
        QCOMPARE(table->elementAt(insidePotassium), 19);
        const QImage image = table->grab().toImage();
        QCOMPARE(image.pixelColor(insidePotassium), ClassTable::colourOf(33));
    }

    // The arrows move a selected cell over the board; pointing at another cell shows that one
    // until the pointer leaves.
    void theNextCellSaysWhereItsElementWasPutInstead()
    {
        ClassTable *table = window_->classTable();
        table->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(table, Qt::Key_Down); // the first arrow selects hydrogen
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->selected(), 11);
        QCOMPARE(window_->details()->text(), QStringLiteral("Sodio (Na)\n"
                                                            "En su casilla: 0 de 3 (0\u00a0%)\n"
                                                            "Na en la casilla de K: 2 alumnos\n"
                                                            "Na fuera del tablero: 1 alumno"));
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->selected(), 19);
        QCOMPARE(window_->details()->text(), QStringLiteral("Potasio (K)\n"
                                                            "En su casilla: 1 de 3 (33\u00a0%)\n"
                                                            "K fuera del tablero: 1 alumno\n"
                                                            "K en la casilla de Na: 1 alumno"));

        table->resize(ClassTable::kSize);
        QTest::mouseMove(table, QPoint(10 + 7 * 40 + 20, 160 - 30 + 20)); // iron
        QTRY_VERIFY(window_->details()->text().startsWith(QStringLiteral("Hierro (Fe)\n")));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(table, &leave);
        QVERIFY(window_->details()->text().startsWith(QStringLiteral("Potasio (K)\n")));
    }

    // A folder with a record of today's table shows every element in today's form, by atomic
    // number; one of the classic table alone keeps the classic names.
    void aFolderWithTodaysTableShowsTodaysElements()
    {
        records::Record classic = record("Ana", "3B", "2026-12-07T10:15:30+01:00", {"112@0"});
        std::vector<records::Loaded> loaded{{QStringLiteral("a.json"), classic}};
        const records::Summary before = records::summarize(loaded);
        QVERIFY(ClassTable::describe(before, 112).startsWith(QStringLiteral("Ununbio (Uub)\n")));
        QCOMPARE(ClassTable::tableOf(before), board::Table::Classic);

        records::Record today = classic;
        today.pupil = QStringLiteral("Bea");
        today.table = QStringLiteral("actual");
        for (records::Correction &made : today.corrections) {
            made.judged = 118;
            made.cellOf.insert(made.cellOf.end(), {115, 116, 117, 0});
        }
        loaded.push_back({QStringLiteral("b.json"), today});
        const records::Summary mixed = records::summarize(loaded);
        QCOMPARE(ClassTable::tableOf(mixed), board::Table::Today);
        QVERIFY(ClassTable::describe(mixed, 112).startsWith(
            QStringLiteral("Copernicio (Cn)\nEn su casilla: 0 de 2")));
        QVERIFY(ClassTable::describe(mixed, 118).startsWith(
            QStringLiteral("Oganesón (Og)\nEn su casilla: 0 de 1")));
    }

    // A 243-character group and a long name typed in "Datos": shortened where shown, whole in
    // the tooltip, and the window still fits a small screen.
    void longNamesAndGroupsKeepTheWindowSmall()
    {
        const QString group(243, QLatin1Char('G')), name = QString(120, QLatin1Char('N'));
        records::FolderRecords found;
        found.records.push_back(
            {QStringLiteral("a.json"), record(name, group, "2026-12-07T10:15:30+01:00", {""})});
        SummaryWindow window(folder_.path(), std::move(found));
        QVERIFY2(window.minimumSizeHint().width() <= 1024,
                 qPrintable(QString::number(window.minimumSizeHint().width())));
        window.rowsChoice()->setCurrentIndex(1);
        const QModelIndex cell = window.rows()->index(0, int(summaryexport::Column::Group));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), group);
        QVERIFY(window.table()->columnWidth(int(summaryexport::Column::Group)) < 400);
    }

    void exportsAreNamedAfterTheFolder()
    {
        QCOMPARE(SummaryWindow::exportName(QStringLiteral("/srv/3B/")), QStringLiteral("3B"));
        QCOMPARE(SummaryWindow::exportName(QStringLiteral("/srv/3B")), QStringLiteral("3B"));
        QCOMPARE(SummaryWindow::exportName(QStringLiteral("/")), QStringLiteral("clase"));
        // The CSV's headings are the window's columns, in the program's language.
        QVERIFY(language::use(language::Language::Catalan));
        const auto back = qScopeGuard([] { language::use(language::Language::Spanish); });
        const QString path = QDir(folder_.path()).filePath(QStringLiteral("ca.csv.out"));
        QString error;
        QVERIFY2(window_->exportCsv(path, &error), qPrintable(error));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readLine().startsWith("\xEF\xBB\xBF" "Alumne;Grup;"));
    }

    void unreadableRecordsAreNoted()
    {
        QTemporaryDir other;
        writeClass(other.path());
        writeBrokenRecord(other.path());
        const SummaryWindow window(other.path(), records::readFolder(other.path()));
        QCOMPARE(window.rows()->rowCount(), 3);
        QVERIFY(window.skippedNote());
        QCOMPARE(window.skippedNote()->text(), QStringLiteral("1 registro no se ha podido leer"));
        QVERIFY(window.skippedNote()->toolTip().contains(QStringLiteral("cortado.json")));
        QVERIFY(!window_->skippedNote());
    }

    // Readable without hue: every step up the scale is lighter. Grey, for no data, is no
    // colour of the scale.
    void theScaleGrowsLighterAndGreyStandsApart()
    {
        QCOMPARE(ClassTable::colourOf(0), QColor(0x440154));
        QCOMPARE(ClassTable::colourOf(100), QColor(0xfde725));
        QCOMPARE(ClassTable::colourOf(150), ClassTable::colourOf(100));
        for (int percent = 0; percent < 100; ++percent)
            QVERIFY2(luminance(ClassTable::colourOf(percent + 1)) >
                         luminance(ClassTable::colourOf(percent)),
                     qPrintable(QString::number(percent)));
        QCOMPARE(ClassTable::colourOf(-1).hsvSaturation(), 0);
        for (int percent = 0; percent <= 100; ++percent)
            QVERIFY(ClassTable::colourOf(percent).hsvSaturation() > 60);
    }

    // A date box shows the whole of any date it can hold, its widest digits included, beside
    // the calendar's button, at every size of its font.
    void dateBoxesShowTheirWholeDate_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::newRow("the window's own font") << 0;
        QTest::newRow("small") << 9;
        QTest::newRow("large, as on a projector") << 40;
    }
    void dateBoxesShowTheirWholeDate()
    {
        QFETCH(int, pixels);
        for (QDateEdit *box : {window_->fromDate(), window_->toDate()}) {
            if (pixels > 0) {
                QFont font = box->font();
                font.setPixelSize(pixels);
                box->setFont(font);
            }
            box->resize(box->sizeHint());
            const auto *edit = box->findChild<QLineEdit *>();
            QVERIFY(edit);
            const QFontMetrics metrics(edit->font());
            QLatin1Char widestDigit('0');
            for (char digit = '1'; digit <= '9'; ++digit)
                if (metrics.horizontalAdvance(QLatin1Char(digit)) >
                    metrics.horizontalAdvance(widestDigit))
                    widestDigit = QLatin1Char(digit);
            QString widest = edit->text();
            for (QChar &c : widest)
                if (c.isDigit())
                    c = widestDigit;
            // The edit keeps two pixels of margin each side, and one for the cursor.
            const int room = edit->contentsRect().width() - 5;
            QVERIFY2(room >= metrics.horizontalAdvance(widest),
                     qPrintable(QStringLiteral("%1 wide for «%2», %3 pixels")
                                    .arg(room)
                                    .arg(widest)
                                    .arg(metrics.horizontalAdvance(widest))));
        }
    }

    // Tooltips keep the desktop's colours when their text can be read on their ground, and
    // turn black on pale yellow otherwise, in every group a window is drawn in.
    void toolTipsCanBeRead_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<bool>("kept");
        QTest::newRow("pale grey on white, as Wine gives") << QColor(0xc0c0c0) << QColor(Qt::white) << false;
        QTest::newRow("black on black") << QColor(Qt::black) << QColor(Qt::black) << false;
        QTest::newRow("just under the guidelines' 4.5:1") << QColor(0x787878) << QColor(Qt::white) << false;
        QTest::newRow("just over it") << QColor(0x757575) << QColor(Qt::white) << true;
        QTest::newRow("black on a classic yellow") << QColor(Qt::black) << QColor(0xffffe1) << true;
        QTest::newRow("white on a dark desktop's grey") << QColor(Qt::white) << QColor(0x303030) << true;
    }
    void toolTipsCanBeRead()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, ground);
        QFETCH(bool, kept);
        QPalette desktop;
        desktop.setColor(QPalette::ToolTipText, text);
        desktop.setColor(QPalette::ToolTipBase, ground);
        const QPalette readable = colours::withReadableToolTips(desktop);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor shownText = readable.color(group, QPalette::ToolTipText);
            const QColor shownGround = readable.color(group, QPalette::ToolTipBase);
            QVERIFY(colours::contrast(shownText, shownGround) >= 4.5);
            QCOMPARE(shownText == text && shownGround == ground, kept);
        }
        QCOMPARE(readable.color(QPalette::Window), desktop.color(QPalette::Window));
    }

    // A tooltip shown after the desktop's theme gave Qt unreadable colours is readable all the
    // same.
    void toolTipsShownAreReadable()
    {
        colours::keepToolTipsReadable(qApp);
        QPalette pale = QToolTip::palette();
        pale.setColor(QPalette::ToolTipText, QColor(0xc0c0c0));
        pale.setColor(QPalette::ToolTipBase, Qt::white);
        QToolTip::setPalette(pale);
        QToolTip::showText(window_->mapToGlobal(QPoint(10, 10)), QStringLiteral("3º B"), window_.get());
        QWidget *tip = nullptr;
        QTRY_VERIFY((tip = [] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (widget->windowType() == Qt::ToolTip && widget->isVisible())
                    return widget;
            return static_cast<QWidget *>(nullptr);
        }()));
        QVERIFY(colours::contrast(tip->palette().color(QPalette::ToolTipText),
                                  tip->palette().color(QPalette::ToolTipBase)) >= 4.5);
        QToolTip::hideText();
    }

    // A clock set centuries back is the pupil's record all the same: the window shows it, as
    // the CSV does, and its date filter starts on its day.
    void recordsOfAnyYearAreShown()
    {
        QTemporaryDir other;
        writeClass(other.path());
        QFile old(other.filePath(QStringLiteral("antiguo.json")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(records::toJson(record("Dora", "4A", "1601-01-01T09:00:00+00:00", {""})));
        old.close();
        const SummaryWindow window(other.path(), records::readFolder(other.path()));
        QCOMPARE(window.rows()->rowCount(), 4);
        QCOMPARE(window.fromDate()->date(), QDate(1601, 1, 1));
        QCOMPARE(window.toDate()->date(), day(8));
        QCOMPARE(window.filterText(), QString());
    }

    // What a pupil put in a file's name or a record never reaches the terminal raw: a control
    // character can clear the screen, a new line forge a line of the program's.
    void programEscapesWhatPupilsWrote()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("the program tells in a message box");
#else
        QTemporaryDir work;
        const QString records = work.filePath(QStringLiteral("class"));
        QDir().mkpath(records);
        writeClass(records);
        QFile forged(records + QStringLiteral("/x.json\n  ok.json: bien\x1b[2J.json"));
        QVERIFY(forged.open(QIODevice::WriteOnly));
        forged.write("{");
        forged.close();
        QFile coloured(records + QStringLiteral("/color.json"));
        QVERIFY(coloured.open(QIODevice::WriteOnly));
        coloured.write("{\"formato\":\"\\u001b]0;hola\\u0007\\u009b31m\\u202e\\r\"}");
        coloured.close();
        const Run run =
            runProgram(work.path(), {QStringLiteral("--resumen"), QStringLiteral("class"),
                                     QStringLiteral("--csv"), QStringLiteral("c.csv")});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.errors.split('\n');
        QCOMPARE(lines.size(), 4); // the count, two files and the end of the last line
        QCOMPARE(lines[1], QByteArray("  class/color.json: otro formato: "
                                      "\xC2\xAB\\x1b]0;hola\\x07\\u009b31m\\u202e\\r\xC2\xBB"));
        QVERIFY2(lines[2].startsWith("  class/x.json\\n  ok.json: bien\\x1b[2J.json: no es JSON"),
                 lines[2].constData());
        for (const char c : run.errors)
            QVERIFY2(uchar(c) >= 0x20 || c == '\n', run.errors.constData());
#endif
    }

    // Only a regular file is written, or a link followed to one, and only once: anything else
    // is left as it was, with the reason, and --csv and --pdf on one file, however spelt, are
    // refused before anything is written.
    void programWritesOneRegularFile_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("pdf");    // "" for none
        QTest::addColumn<QString>("reason"); // "" when it is written
        const QString same = QStringLiteral("--csv y --pdf no pueden escribir el mismo fichero");
        const QString notAFile = QStringLiteral("No es un fichero normal");
        QTest::newRow("one name") << "clase.out"
                                  << "clase.out" << same;
        QTest::newRow("two spellings") << "clase.out"
                                       << "./class/../clase.out" << same;
        QTest::newRow("through a link") << "clase.out"
                                        << "enlace.out" << same;
        QTest::newRow("a second name") << "existe.out"
                                       << "otro-nombre.out" << same;
        QTest::newRow("two files") << "clase.csv"
                                   << "clase.pdf"
                                   << "";
        QTest::newRow("a pipe") << "tubo.csv"
                                << "" << notAFile;
        QTest::newRow("a link to a pipe") << "enlace-tubo.csv"
                                          << "" << notAFile;
        QTest::newRow("the null device") << "/dev/null"
                                         << "" << notAFile;
        QTest::newRow("a loop of links") << "bucle-a.csv"
                                         << "" << notAFile;
        QTest::newRow("a folder") << "class"
                                  << "" << notAFile;
        QTest::newRow("a link to a file to be") << "nuevo.csv"
                                                << ""
                                                << "";
    }

    void programWritesOneRegularFile()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("pipes, devices and links of Unix");
#else
        QFETCH(QString, csv);
        QFETCH(QString, pdf);
        QFETCH(QString, reason);
        QTemporaryDir work;
        QDir().mkpath(work.filePath(QStringLiteral("class")));
        writeClass(work.filePath(QStringLiteral("class")));
        const QByteArray at = QFile::encodeName(work.path()) + '/';
        QFile existing(work.filePath(QStringLiteral("existe.out")));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("antes") == 5);
        existing.close();
        QVERIFY(::link(at + "existe.out", at + "otro-nombre.out") == 0);
        QVERIFY(::mkfifo(at + "tubo.csv", 0644) == 0);
        for (const auto &[target, name] : {std::pair("clase.out", "enlace.out"),
                                           {"tubo.csv", "enlace-tubo.csv"},
                                           {"bucle-b.csv", "bucle-a.csv"},
                                           {"bucle-a.csv", "bucle-b.csv"},
                                           {"class/hecho.csv", "nuevo.csv"}})
            QVERIFY(::symlink(target, at + name) == 0);
        const auto kinds = [&at] {
            QStringList seen;
            for (const char *name : {"tubo.csv", "enlace-tubo.csv", "bucle-a.csv", "nuevo.csv"}) {
                struct stat status;
                seen << QString::number(::lstat(at + name, &status) == 0 ? status.st_mode : 0, 8);
            }
            return seen;
        };
        const QStringList before = kinds();
        QStringList arguments{QStringLiteral("--resumen"), QStringLiteral("class"),
                              QStringLiteral("--csv"), csv};
        if (!pdf.isEmpty())
            arguments << QStringLiteral("--pdf") << pdf;
        const Run run = runProgram(work.path(), arguments);
        QVERIFY2(run.exitCode == (reason.isEmpty() ? 0 : 2), run.errors.constData());
        QVERIFY2(run.errors.contains(reason.toUtf8()), run.errors.constData());
        QCOMPARE(kinds(), before);
        QCOMPARE(QFile::exists(work.filePath(QStringLiteral("clase.out"))), false);
        QCOMPARE(QFile::exists(work.filePath(QStringLiteral("class/hecho.csv"))),
                 csv == QLatin1String("nuevo.csv"));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("antes"));
        QCOMPARE(
            QDir(work.path()).entryList({QStringLiteral(".*.tmp")}, QDir::Hidden | QDir::Files),
            QStringList());
#endif
    }

    // A folder, a record and a file to write whose names are not UTF-8 are read and written by
    // their own bytes, not by names like them.
    void programKeepsNamesThatAreNotUtf8()
    {
#if !defined(Q_OS_UNIX)
        QSKIP("names of bytes are Unix's");
#else
        QTemporaryDir work;
        const QString records = work.filePath(QStringLiteral("class"));
        QDir().mkpath(records);
        writeClass(records);
        writeBrokenRecord(records);
        const QByteArray at = QFile::encodeName(work.path()) + '/';
        QVERIFY(::rename(at + "class/cortado.json", at + "class/cortado-\xf1.json") == 0);
        QVERIFY(::rename(at + "class", at + "clase-\xe9") == 0);
        const Run run = runProgram(work.path(), {},
                                   QStringLiteral("--resumen \"$(printf 'clase-\\351')\" --csv "
                                                  "\"$(printf 'resumen-\\351.csv')\""));
        struct stat status;
        const bool written = ::stat(at + "resumen-\xe9.csv", &status) == 0;
        // Named in UTF-8 again, for QTemporaryDir to remove.
        ::rename(at + "resumen-\xe9.csv", at + "resumen.csv");
        ::rename(at + "clase-\xe9/cortado-\xf1.json", at + "clase-\xe9/cortado.json");
        ::rename(at + "clase-\xe9", at + "class");
        QVERIFY2(run.exitCode == 0, run.errors.constData());
        QVERIFY(written);
        // Shown by its bytes on standard error.
        QVERIFY2(run.errors.contains("\n  clase-\\xe9/cortado-\\xf1.json: no es JSON"),
                 run.errors.constData());
        QFile csv(work.filePath(QStringLiteral("resumen.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 4);
        QCOMPARE(QDir(work.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("resumen.csv")});
#endif
    }

    // The real program writes the files with no display of any kind, and says why when it
    // can't.
    void programWritesTheFilesWithoutADisplay_data()
    {
        QTest::addColumn<QString>("folder"); // "class" or "missing"
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file"); // in a temporary folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("start"); // of the file written
        QTest::addColumn<QString>("error");    // a part of standard error
        const QByteArray csv("\xEF\xBB\xBF"
                             "Alumno;Grupo;Equipo;Fecha;Correcciones;Aciertos;Mejor;Porcentaje\r\n"
                             "Ana;3B;pc-ana;2026-12-07 10:15;1;112;112;98\r\n");
        QTest::newRow("csv") << "class"
                             << "--csv"
                             << "clase.csv" << 0 << csv << "1 registro no se ha podido leer:\n  ";
        QTest::newRow("pdf") << "class"
                             << "--pdf"
                             << "clase.pdf" << 0 << QByteArray("%PDF") << "cortado.json: ";
        QTest::newRow("no such folder") << "missing"
                                        << "--csv"
                                        << "clase.csv" << 2 << QByteArray() << "no existe.";
        QTest::newRow("file in no folder")
            << "class"
            << "--pdf"
            << "nowhere/clase.pdf" << 2 << QByteArray() << "No se puede escribir «";
    }

    void programWritesTheFilesWithoutADisplay()
    {
        QFETCH(QString, folder);
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, start);
        QFETCH(QString, error);
        QTemporaryDir work;
        const QString records = work.filePath(QStringLiteral("class"));
        QDir().mkpath(records);
        writeClass(records);
        writeBrokenRecord(records);
        const Run run =
            runProgram(work.path(), {QStringLiteral("--resumen"), folder, option, file});
        const QString errors = QString::fromUtf8(run.errors);
        QVERIFY2(run.exitCode == exitCode, qPrintable(errors));
        QVERIFY2(errors.contains(error), qPrintable(errors));
        QCOMPARE(run.output, QByteArray());

        QFile written(work.filePath(file));
        QCOMPARE(written.exists(), exitCode == 0);
        if (exitCode == 0) {
            QVERIFY(written.open(QIODevice::ReadOnly));
            const QByteArray bytes = written.readAll();
            QVERIFY2(bytes.startsWith(start), bytes.left(200).constData());
            QVERIFY(bytes.size() > (option == QLatin1String("--pdf") ? 10000 : 200));
        }
        // Nothing else, not even a temporary file.
        QCOMPARE(QDir(work.path()).entryList(QDir::Files),
                 exitCode == 0 ? QStringList{file} : QStringList());
    }
};

QTEST_MAIN(SummaryTest)
#include "tst_summary.moc"
