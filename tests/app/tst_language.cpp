#include "app/commandline.h"
#include "app/language.h"
#include "game/elements.h"
#include "support/tool.h"
#include "tools/artwork/languages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>

#include <sys/stat.h>

using commandline::Refusal;
using language::Language;

Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(board::Table)

namespace {
// Starts the real program under the system locale, with no display of any kind (the help,
// the version and a refusal need none), and waits for it to end. The program reads the lab's
// settings given here, never those of the machine running the tests.
void runProgram(QProcess &program, const QString &locale, const QStringList &arguments,
                const QByteArray &labSettings = QByteArray())
{
    QTemporaryDir configuration;
    QDir(configuration.path()).mkdir(QStringLiteral("tabelora"));
    QFile settings(configuration.filePath(QStringLiteral("tabelora/tabelora.conf")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(labSettings);
    settings.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE", "DISPLAY",
                             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configuration.path());
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), configuration.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TABELORA_PROGRAM), arguments);
    program.waitForFinished(30000);
}

// Switches to the language with its translations looked for in `translations`, and gives
// what the switch told on its complaints file.
QString complaintsOfUse(Language language, const QString &translations, bool &loaded)
{
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("complaints")));
    std::FILE *complaints = std::fopen(path.constData(), "w");
    loaded = language::use(language, translations, complaints);
    std::fclose(complaints);
    QFile told(QString::fromLocal8Bit(path));
    return told.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(told.readAll())
                                          : QStringLiteral("(unreadable)");
}

QString translationFile(const QString &code)
{
    return QLatin1String(language::kTranslations) + QStringLiteral("/tabelora_") + code;
}
} // namespace

namespace {
QString errorsOf(QProcess &program)
{
    return QString::fromUtf8(withoutQtLocaleNotice(program.readAllStandardError()));
}
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(assets); }
    void cleanup() { language::use(Language::Spanish); }

    void systemLocaleChoosesTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("expected");
        QTest::newRow("Catalan") << "ca_ES" << Language::Catalan;
        QTest::newRow("Valencian") << "ca_ES@valencia" << Language::Valencian;
        QTest::newRow("Valencian with its codeset") << "ca_ES.UTF-8@valencia" << Language::Valencian;
        QTest::newRow("Valencian as Windows names it") << "ca-ES-valencia" << Language::Valencian;
        QTest::newRow("Spanish in Valencia") << "es_ES@valencia" << Language::Spanish;
        QTest::newRow("Catalan of Andorra") << "ca_AD" << Language::Catalan;
        QTest::newRow("Galician") << "gl_ES" << Language::Galician;
        QTest::newRow("Basque") << "eu_ES" << Language::Basque;
        QTest::newRow("Spanish") << "es_ES" << Language::Spanish;
        QTest::newRow("Mexican Spanish") << "es_MX" << Language::Spanish;
        QTest::newRow("English") << "en_US" << Language::Spanish;
        QTest::newRow("Portuguese") << "pt_PT" << Language::Spanish;
        QTest::newRow("French of the Basque Country") << "fr_FR" << Language::Spanish;
        QTest::newRow("C") << "C" << Language::Spanish;
    }

    void systemLocaleChoosesTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(Language, expected);
        QCOMPARE(language::forLocale(QLocale(locale), locale), expected);
    }

    void optionOverridesTheSystemLanguage_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Language>("system");
        QTest::addColumn<Language>("expected");
        QTest::addColumn<QString>("answer"); // "help", "version" or "" to go on
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("refused");
        const Language es = Language::Spanish, ca = Language::Catalan;
        QTest::newRow("nothing") << "" << Language::Galician << Language::Galician << ""
                                 << Refusal::None << "";
        QTest::newRow("Catalan") << "--idioma ca" << es << ca << "" << Refusal::None << "";
        QTest::newRow("Spanish over Basque")
            << "--idioma es" << Language::Basque << es << "" << Refusal::None << "";
        QTest::newRow("with equals")
            << "--idioma=gl" << es << Language::Galician << "" << Refusal::None << "";
        QTest::newRow("capitals")
            << "--idioma EU" << es << Language::Basque << "" << Refusal::None << "";
        QTest::newRow("help") << "--help" << ca << ca << "help" << Refusal::None << "";
        QTest::newRow("short help and a language")
            << "-h --idioma eu" << es << Language::Basque << "help" << Refusal::None << "";
        QTest::newRow("version") << "--version" << ca << ca << "version" << Refusal::None << "";
        QTest::newRow("unknown language")
            << "--idioma fr" << ca << ca << "" << Refusal::UnknownLanguage << "fr";
        QTest::newRow("no language")
            << "--idioma" << es << es << "" << Refusal::MissingLanguage << "--idioma";
        QTest::newRow("unknown table") << "--tabla 118" << es << es << "" << Refusal::UnknownTable
                                       << "118";
        QTest::newRow("no table") << "--tabla" << es << es << "" << Refusal::MissingTable
                                  << "--tabla";
        QTest::newRow("no results folder")
            << "--informes" << es << es << "" << Refusal::MissingFolder << "--informes";
        QTest::newRow("empty summary folder")
            << "--resumen=" << es << es << "" << Refusal::MissingFolder << "--resumen";
        QTest::newRow("no file")
            << "--resumen d --pdf" << es << es << "" << Refusal::MissingFile << "--pdf";
        QTest::newRow("file without summary")
            << "--informes d --csv c.csv" << ca << ca << "" << Refusal::FileWithoutSummary
            << "--csv";
        QTest::newRow("Qt's option without its value")
            << "-platform" << es << es << "" << Refusal::MissingValue << "-platform";
        QTest::newRow("unknown option")
            << "--lang ca" << es << es << "" << Refusal::UnknownOption << "--lang";
        QTest::newRow("unknown option after one dash")
            << "-nada=1" << es << es << "" << Refusal::UnknownOption << "-nada";
        QTest::newRow("refusal in the language asked for")
            << "--nada --idioma ca" << es << ca << "" << Refusal::UnknownOption << "--nada";
        QTest::newRow("word") << "foo" << es << es << "" << Refusal::NotAnOption << "foo";
        QTest::newRow("word after the options' end")
            << "-- --help" << es << es << "" << Refusal::NotAnOption << "--help";
        QTest::newRow("refusal over help")
            << "--help foo" << es << es << "help" << Refusal::NotAnOption << "foo";
        QTest::newRow("value for help")
            << "--help=x" << es << es << "help" << Refusal::UnexpectedValue << "--help";
        QTest::newRow("value for a switch")
            << "--marcas=no" << es << es << "" << Refusal::UnexpectedValue << "--marcas";
        // Qt's application object takes these itself; a desktop session restarts the
        // program with -session.
        QTest::newRow("session restart")
            << "-session 10d6f4e2 --idioma ca" << es << ca << "" << Refusal::None << "";
        QTest::newRow("Qt's window options")
            << "-platform offscreen -style=fusion --reverse" << es << es << "" << Refusal::None
            << "";
    }

    void optionOverridesTheSystemLanguage()
    {
        QFETCH(QString, arguments);
        QFETCH(Language, system);
        QFETCH(Language, expected);
        QFETCH(QString, answer);
        QFETCH(Refusal, refusal);
        QFETCH(QString, refused);
        QStringList list{QStringLiteral("tabelora")};
        list += arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const commandline::Options options = commandline::parse(list, system);
        QCOMPARE(options.language, expected);
        QCOMPARE(options.help, answer == QLatin1String("help"));
        QCOMPARE(options.version, answer == QLatin1String("version"));
        QCOMPARE(options.refusal, refusal);
        QCOMPARE(options.refused, refused);
        QCOMPARE(options.answeredAlone(), !answer.isEmpty() || refusal != Refusal::None);
    }

    void optionsNameTheFoldersAndFiles_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QStringList>("expected"); // results, summary, CSV and PDF
        QTest::addColumn<bool>("filesAlone");
        QTest::newRow("nothing") << "" << QStringList{"", "", "", ""} << false;
        QTest::newRow("results folder")
            << "--informes /srv/clase" << QStringList{"/srv/clase", "", "", ""} << false;
        QTest::newRow("summary window")
            << "--resumen=clase" << QStringList{"", "clase", "", ""} << false;
        QTest::newRow("both files")
            << "--pdf p.pdf --resumen clase --csv c.csv"
            << QStringList{"", "clase", "c.csv", "p.pdf"} << true;
        QTest::newRow("the last of two")
            << "--resumen a --resumen b" << QStringList{"", "b", "", ""} << false;
        QTest::newRow("switches") << "--proyector --informes c --marcas"
                                  << QStringList{"c", "", "", ""} << false;
    }

    void optionsNameTheFoldersAndFiles()
    {
        QFETCH(QString, arguments);
        QFETCH(QStringList, expected);
        QFETCH(bool, filesAlone);
        const commandline::Options options = commandline::parse(
            QStringList{QStringLiteral("tabelora")} +
                arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts),
            Language::Spanish);
        QCOMPARE(options.refusal, Refusal::None);
        QCOMPARE((QStringList{options.resultsFolder, options.summaryFolder, options.csvFile,
                              options.pdfFile}),
                 expected);
        QCOMPARE(options.writesFilesAlone(), filesAlone);
        QVERIFY(!options.answeredAlone());
        QCOMPARE(options.marks, arguments.contains(QStringLiteral("--marcas")));
        QCOMPARE(options.projector, arguments.contains(QStringLiteral("--proyector")));
    }

    // The command line first, then the lab's settings, then the system locale (Spanish here).
    void labSettingsFillWhatTheCommandLineLeavesOpen_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QStringList>("settings"); // idioma, carpeta and marcas
        QTest::addColumn<Language>("expected");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("marks");
        QTest::addColumn<QString>("ignored"); // what the note names as left out
        const QStringList none{"", "", ""};
        const Language es = Language::Spanish;
        QTest::newRow("nothing set") << "" << none << es << "" << false << "";
        QTest::newRow("settings over the locale")
            << "" << QStringList{"gl", "", ""} << Language::Galician << "" << false << "";
        QTest::newRow("capitals")
            << "" << QStringList{"EU", "", " True "} << Language::Basque << "" << true << "";
        QTest::newRow("option over the settings")
            << "--idioma ca --marcas" << QStringList{"gl", "", "false"} << Language::Catalan
            << "" << true << "";
        QTest::newRow("no such language")
            << "" << QStringList{"fr", "", ""} << es << "" << false << "«fr»";
        QTest::newRow("marks neither on nor off")
            << "" << QStringList{"", "", "sí"} << es << "" << false << "«marcas = sí»";
        QTest::newRow("folder of the settings") << "" << QStringList{"", "//servidor/clase", ""}
                                                << es << "//servidor/clase" << false << "";
        QTest::newRow("folder of the option") << "--informes /tmp/hoy"
                                              << QStringList{"", "/srv/clase", "false"} << es
                                              << "/tmp/hoy" << false << "";
    }

    void labSettingsFillWhatTheCommandLineLeavesOpen()
    {
        QFETCH(QString, arguments);
        QFETCH(QStringList, settings);
        QFETCH(Language, expected);
        QFETCH(QString, folder);
        QFETCH(bool, marks);
        QFETCH(QString, ignored);
        commandline::Options options = commandline::parse(
            QStringList{QStringLiteral("tabelora")} +
                arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts),
            Language::Spanish);
        records::LabSettings lab;
        lab.language = settings.at(0);
        lab.resultsFolder = settings.at(1);
        lab.marks = settings.at(2);
        commandline::completeFromSettings(options, lab);
        QCOMPARE(options.language, expected);
        QCOMPARE(options.resultsFolder, folder);
        QCOMPARE(options.marks, marks);
        const QString note = commandline::settingsNote(options);
        QCOMPARE(note.isEmpty(), ignored.isEmpty());
        QVERIFY2(note.contains(ignored), qPrintable(note));
    }

    // --tabla, then tabla in the lab's settings, then the classic table; a wrong value on the
    // command line is refused, one in the settings left out with a note.
    void tableComesFromTheOptionThenTheSettings_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<board::Table>("expected");
        QTest::addColumn<QString>("ignored");
        const auto classic = board::Table::Classic, today = board::Table::Today;
        QTest::newRow("settings") << "" << " Actual " << today << "";
        QTest::newRow("option") << "--tabla=actual" << "" << today << "";
        QTest::newRow("option over the settings") << "--tabla CLASICA" << "actual" << classic << "";
        QTest::newRow("no such table in the settings")
            << "" << "moderna" << classic << "«tabla = moderna»";
    }

    void tableComesFromTheOptionThenTheSettings()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, setting);
        QFETCH(board::Table, expected);
        QFETCH(QString, ignored);
        commandline::Options options = commandline::parse(
            QStringList{QStringLiteral("tabelora")} +
                arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts),
            Language::Spanish);
        QCOMPARE(options.refusal, Refusal::None);
        records::LabSettings lab;
        lab.table = setting;
        commandline::completeFromSettings(options, lab);
        QCOMPARE(options.table, expected);
        const QString note = commandline::settingsNote(options);
        QCOMPARE(note.isEmpty(), ignored.isEmpty());
        QVERIFY2(note.contains(ignored), qPrintable(note));
    }

    void everyLanguageNamesEveryElement_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("samples"); // names of 1, 26, 79, 82, and today's 118
        QTest::newRow("ca") << "ca" << QStringList{"Hidrogen", "Ferro", "Or", "Plom", "Oganessó"};
        QTest::newRow("gl") << "gl"
                            << QStringList{"Hidróxeno", "Ferro", "Ouro", "Chumbo", "Oganesón"};
        QTest::newRow("eu") << "eu"
                            << QStringList{"Hidrogeno", "Burdina", "Urre", "Berun", "Oganeson"};
    }

    void everyLanguageNamesEveryElement()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, samples);
        QTranslator translator;
        QVERIFY(translator.load(translationFile(code)));
        for (const board::Table table : {board::Table::Classic, board::Table::Today})
            for (int n = 1; n <= board::elementCount(table); ++n)
                QVERIFY2(!translator.translate("elements", elements::element(n, table).name.data())
                              .isEmpty(),
                         qPrintable(QString::number(n)));

        bool loaded = false;
        QCOMPARE(complaintsOfUse(*language::fromCode(code), QLatin1String(language::kTranslations),
                                 loaded),
                 QString());
        QVERIFY(loaded);
        QCOMPARE(language::current(), *language::fromCode(code));
        const int numbers[] = {1, 26, 79, 82};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(language::elementName(numbers[i]), samples.at(i));
        QCOMPARE(language::elementName(118, board::Table::Today), samples.at(4));
        language::use(Language::Spanish);
        QCOMPARE(language::elementName(26), QStringLiteral("Hierro"));
    }

    // The chart of each language names the elements as its tiles do, apart from the chart's
    // older names of 104 to 108 and the asterisks by lanthanum and actinium.
    void everyChartNamesTheElementsAsTheTranslation()
    {
        for (const artwork::PictureLanguage &pictures : artwork::kPictureLanguages) {
            if (pictures.folder[0] == '\0')
                continue;
            QTranslator translator;
            QVERIFY(translator.load(translationFile(QLatin1String(pictures.folder))));
            for (int n = 1; n <= artwork::kChartedElements; ++n) {
                if (n >= 104 && n <= 108)
                    continue;
                const std::string_view name = pictures.chartNames[n - 1];
                QString charted = QString::fromUtf8(name.data(), qsizetype(name.size()));
                charted.remove(QLatin1Char('*'));
                QCOMPARE(charted.trimmed(),
                         translator.translate("elements", elements::element(n).name.data()));
            }
        }
    }

    void picturesWithWordsComeInTheLanguage()
    {
        const QString chart = QStringLiteral(":/assets/elementos-chart.png");
        QCOMPARE(language::picture(chart), chart);
        language::use(Language::Galician);
        QCOMPARE(language::picture(chart), QStringLiteral(":/assets/gl/elementos-chart.png"));
        QVERIFY(QFile::exists(language::picture(chart)));
        // A picture without words is the same in every language.
        const QString genie = QStringLiteral(":/assets/genio.png");
        QCOMPARE(language::picture(genie), genie);
    }

    // A translation missing from the program is told, and the program stays wholly in
    // Spanish: texts, element names and pictures, even after another language was in use.
    void aTranslationThatCannotBeLoadedLeavesTheProgramInSpanish()
    {
        QVERIFY(language::use(Language::Galician));
        bool loaded = true;
        QCOMPARE(complaintsOfUse(Language::Catalan, QStringLiteral(":/nowhere"), loaded),
                 QStringLiteral("tabelora: no se pudo cargar la traducción «ca»; el programa "
                                "sigue en castellano.\n"));
        QVERIFY(!loaded);
        QCOMPARE(language::current(), Language::Spanish);
        QCOMPARE(language::elementName(26), QStringLiteral("Hierro"));
        const QString chart = QStringLiteral(":/assets/elementos-chart.png");
        QCOMPARE(language::picture(chart), chart);
    }

    // The real program, started under each system locale, tells its help in that language.
    void programSpeaksTheLanguageOfTheSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("firstLines"); // "" for the Spanish help, exactly
        QTest::newRow("Catalan") << "ca_ES.UTF-8" << ""
                                 << "Ús: tabelora [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n";
        // Down to the first word Valencian writes otherwise than central Catalan.
        const QString valencian =
            "Ús: tabelora [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n"
            "        [--informes CARPETA] [--marcas] [--proyector]\n"
            "    tabelora --resumen CARPETA [--csv FITXER] [--pdf FITXER]\n"
            "    tabelora --comprobar\n\n"
            "Tabelora, exercici per a aprendre la taula periòdica.\n\n"
            "Opcions:\n"
            "  --idioma IDIOMA     idioma del programa: es (castellà), ca (català),\n"
            "                      ca-valencia (valencià), gl (gallec) o eu (basc). Sense\n"
            "                      esta opció";
        QTest::newRow("Valencian") << "ca_ES.UTF-8@valencia" << "" << valencian;
        QTest::newRow("Valencian by option") << "es_ES.UTF-8" << "--idioma ca-valencia" << valencian;
        QTest::newRow("Galician") << "gl_ES.UTF-8" << ""
                                  << "Uso: tabelora [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n";
        QTest::newRow("Basque")
            << "eu_ES.UTF-8" << ""
            << "Erabilera: tabelora [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n";
        QTest::newRow("Spanish") << "es_ES.UTF-8" << "" << "";
        QTest::newRow("English") << "en_GB.UTF-8" << "" << "";
        QTest::newRow("no locale") << "C" << "" << "";
        QTest::newRow("Basque by option")
            << "ca_ES.UTF-8" << "--idioma eu"
            << "Erabilera: tabelora [--idioma es|ca|ca-valencia|gl|eu] [--tabla clasica|actual]\n";
        QTest::newRow("Spanish by option") << "gl_ES.UTF-8" << "--idioma es" << "";
    }

    void programSpeaksTheLanguageOfTheSystemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, arguments);
        QFETCH(QString, firstLines);
        QProcess program;
        runProgram(program, locale,
                   QStringList{QStringLiteral("--help")} +
                       arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(errorsOf(program), QString());
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        if (firstLines.isEmpty())
            QCOMPARE(help, commandline::helpText(QStringLiteral("tabelora")));
        else
            QVERIFY2(help.startsWith(firstLines), qPrintable(help));
    }

    // With no display at all, the program answers on its own: the version and the help on
    // standard output, a refusal with its reason and the usage on standard error, in the
    // language of --idioma, else of the lab's settings, else of the locale.
    void programAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of standard output or error
        QTest::addColumn<QByteArray>("labSettings");
        const QByteArray none;
        const QString version = QStringLiteral("tabelora " TABELORA_VERSION "\n");
        QTest::newRow("version") << "es_ES.UTF-8" << "--version" << 0 << version << none;
        QTest::newRow("version past Qt's option")
            << "es_ES.UTF-8" << "-platform xcb --version" << 0 << version << none;
        QTest::newRow("help") << "es_ES.UTF-8" << "--help" << 0
                              << commandline::helpText(QStringLiteral("tabelora")) << none;
        QTest::newRow("word") << "es_ES.UTF-8" << "foo" << 2
                              << "Argumento desconocido: foo\n\nUso: tabelora [" << none;
        QTest::newRow("unknown option") << "es_ES.UTF-8" << "--nada" << 2
                                        << "Opción desconocida: --nada\n\nUso: tabelora [" << none;
        QTest::newRow("unknown language")
            << "es_ES.UTF-8" << "--idioma xx" << 2
            << "Idioma desconocido: xx. Los idiomas son es, ca, ca-valencia, gl y eu.\n\nUso: tabelora ["
            << none;
        QTest::newRow("Galician locale")
            << "gl_ES.UTF-8" << "--idioma fr" << 2 << "Idioma descoñecido: fr." << none;
        QTest::newRow("Catalan by option")
            << "es_ES.UTF-8" << "--idioma ca foo" << 2
            << "Argument desconegut: foo\n\nÚs: tabelora [" << none;
        QTest::newRow("Catalan locale")
            << "ca_ES.UTF-8" << "--nada" << 2 << "Opció desconeguda: --nada\n\nÚs: tabelora ["
            << none;
        QTest::newRow("Basque locale") << "eu_ES.UTF-8" << "--help=x" << 2
                                       << "--help aukerak ez du baliorik onartzen." << none;
        QTest::newRow("file without summary")
            << "es_ES.UTF-8" << "--csv clase.csv" << 2
            << "La opción --csv solo sirve con --resumen CARPETA.\n\nUso: tabelora [" << none;
        QTest::newRow("language of the lab's settings")
            << "es_ES.UTF-8" << "--help" << 0 << "Erabilera: tabelora ["
            << QByteArray("[general]\nidioma = eu\n");
        QTest::newRow("option over the lab's settings")
            << "es_ES.UTF-8" << "--idioma gl --nada" << 2 << "Opción descoñecida: --nada"
            << QByteArray("[general]\nidioma = eu\n");
        QTest::newRow("no such language in the lab's settings")
            << "ca_ES.UTF-8" << "--nada" << 2
            << "tabelora: l'idioma «fr» de la configuració de l'aula no és cap d'aquests: es, ca, "
               "ca-valencia, gl i eu; no es té en compte.\nOpció desconeguda: --nada"
            << QByteArray("[general]\nidioma = fr\n");
    }

    void programAnswersWithoutADisplay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QByteArray, labSettings);
        QProcess program;
        runProgram(program, locale, arguments.split(QLatin1Char(' ')), labSettings);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString error = errorsOf(program);
        QVERIFY2((exitCode == 0 ? out : error).startsWith(output), qPrintable(out + error));
        QVERIFY2((exitCode == 0 ? error : out).isEmpty(), qPrintable(out + error));
    }

    // --comprobar, with no display: a sound set-up with a drop-box folder (mode 1733), and one
    // with a mistyped key and a folder not there, in the teacher's language.
    void checkTellsTheSetUpAsItStands()
    {
        QTemporaryDir results;
        QVERIFY(::chmod(QFile::encodeName(results.path()).constData(), 01733) == 0);
        QProcess sound;
        runProgram(sound, QStringLiteral("es_ES.UTF-8"), {QStringLiteral("--comprobar")},
                   "[informes]\ncarpeta = " + QFile::encodeName(results.path()) + "\n");
        QString out = QString::fromUtf8(sound.readAllStandardOutput());
        QCOMPARE(sound.exitCode(), 0);
        QVERIFY2(out.contains(QStringLiteral("permisos 1733\n  los alumnos pueden dejar "
                                             "registros, pero no borrar ni cambiar los de otros, "
                                             "ni leerlos.")) &&
                     out.endsWith(QStringLiteral("Todo en orden.\n")),
                 qPrintable(out));
        QCOMPARE(QDir(results.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());

        QProcess broken;
        runProgram(broken, QStringLiteral("gl_ES.UTF-8"), {QStringLiteral("--comprobar")},
                   "[informes]\nCarpeta = /a\ncarpeta = " + QFile::encodeName(results.path()) +
                       "/non\n");
        out = QString::fromUtf8(broken.readAllStandardOutput());
        QCOMPARE(broken.exitCode(), 2);
        QVERIFY2(out.contains(QStringLiteral(":2: clave descoñecida «Carpeta» en [informes]; "
                                             "quería dicir «carpeta»?")) &&
                     out.contains(QStringLiteral("  non existe: o programa non o crea")) &&
                     out.endsWith(QStringLiteral("Hai problemas na configuración.\n")),
                 qPrintable(out));
        QVERIFY(!QFileInfo::exists(results.filePath(QStringLiteral("non"))));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
