#include "app/commandline.h"
#include "app/language.h"
#include "game/elements.h"
#include "tools/artwork/languages.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTranslator>

using language::Language;

Q_DECLARE_METATYPE(Language)

namespace {
// Starts the real program under the system locale, headless, and waits for it to end.
void runProgram(QProcess &program, const QString &locale, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TABELORA_PROGRAM), arguments);
    program.waitForFinished(30000);
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
        QTest::newRow("Valencian") << "ca_ES@valencia" << Language::Catalan;
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
        QCOMPARE(language::forLocale(QLocale(locale)), expected);
    }

    void optionOverridesTheSystemLanguage_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Language>("system");
        QTest::addColumn<Language>("expected");
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("refused");
        QTest::newRow("nothing") << "" << Language::Galician << Language::Galician << false << false;
        QTest::newRow("Catalan") << "--idioma ca" << Language::Spanish << Language::Catalan << false
                                 << false;
        QTest::newRow("Spanish over Basque")
            << "--idioma es" << Language::Basque << Language::Spanish << false << false;
        QTest::newRow("with equals") << "--idioma=gl" << Language::Spanish << Language::Galician
                                     << false << false;
        QTest::newRow("capitals") << "--idioma EU" << Language::Spanish << Language::Basque
                                  << false << false;
        QTest::newRow("help") << "--help" << Language::Catalan << Language::Catalan << true
                              << false;
        QTest::newRow("short help and a language")
            << "-h --idioma eu" << Language::Spanish << Language::Basque << true << false;
        QTest::newRow("unknown language")
            << "--idioma fr" << Language::Catalan << Language::Catalan << false << true;
        QTest::newRow("no language") << "--idioma" << Language::Spanish << Language::Spanish
                                     << false << true;
        QTest::newRow("unknown option")
            << "--lang ca" << Language::Spanish << Language::Spanish << false << true;
    }

    void optionOverridesTheSystemLanguage()
    {
        QFETCH(QString, arguments);
        QFETCH(Language, system);
        QFETCH(Language, expected);
        QFETCH(bool, help);
        QFETCH(bool, refused);
        QStringList list{QStringLiteral("tabelora")};
        list += arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const commandline::Options options = commandline::parse(list, system);
        QCOMPARE(options.language, expected);
        QCOMPARE(options.help, help);
        QCOMPARE(!options.error.isEmpty(), refused);
    }

    void everyLanguageNamesEveryElement_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("samples"); // names of 1, 26, 79 and 82
        QTest::newRow("ca") << "ca" << QStringList{"Hidrogen", "Ferro", "Or", "Plom"};
        QTest::newRow("gl") << "gl" << QStringList{"Hidróxeno", "Ferro", "Ouro", "Chumbo"};
        QTest::newRow("eu") << "eu" << QStringList{"Hidrogeno", "Burdina", "Urre", "Berun"};
    }

    void everyLanguageNamesEveryElement()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, samples);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/tabelora_") + code));
        for (int n = 1; n <= board::kElementCount; ++n)
            QVERIFY2(!translator.translate("elements", elements::element(n).name.data()).isEmpty(),
                     qPrintable(QString::number(n)));

        QVERIFY(language::use(*language::fromCode(code)));
        const int numbers[] = {1, 26, 79, 82};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(language::elementName(numbers[i]), samples.at(i));
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
            QVERIFY(translator.load(QStringLiteral(":/i18n/tabelora_") +
                                    QLatin1String(pictures.folder)));
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

    // The real program, started under each system locale, tells its help in that language.
    void programSpeaksTheLanguageOfTheSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("firstLines"); // "" for the Spanish help, exactly
        QTest::newRow("Catalan") << "ca_ES.UTF-8" << ""
                                 << "Ús: tabelora [--idioma es|ca|gl|eu]\n\n"
                                    "Tabelora, exercici per aprendre la taula periòdica.";
        QTest::newRow("Valencian") << "ca_ES.UTF-8@valencia" << ""
                                   << "Ús: tabelora [--idioma es|ca|gl|eu]\n\n"
                                      "Tabelora, exercici per aprendre la taula periòdica.";
        QTest::newRow("Galician") << "gl_ES.UTF-8" << ""
                                  << "Uso: tabelora [--idioma es|ca|gl|eu]\n\n"
                                     "Tabelora, exercicio para aprender a táboa periódica.";
        QTest::newRow("Basque") << "eu_ES.UTF-8" << ""
                                << "Erabilera: tabelora [--idioma es|ca|gl|eu]\n\n"
                                   "Tabelora, taula periodikoa ikasteko ariketa.";
        QTest::newRow("Spanish") << "es_ES.UTF-8" << "" << "";
        QTest::newRow("English") << "en_GB.UTF-8" << "" << "";
        QTest::newRow("no locale") << "C" << "" << "";
        QTest::newRow("Basque by option")
            << "ca_ES.UTF-8" << "--idioma eu"
            << "Erabilera: tabelora [--idioma es|ca|gl|eu]\n\n"
               "Tabelora, taula periodikoa ikasteko ariketa.";
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
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        if (firstLines.isEmpty())
            QCOMPARE(help, commandline::helpText(QStringLiteral("tabelora")));
        else
            QVERIFY2(help.startsWith(firstLines), qPrintable(help));
    }

    void aRefusedOptionEndsTheProgramWithItsReason()
    {
        QProcess program;
        runProgram(program, QStringLiteral("gl_ES.UTF-8"), {QStringLiteral("--idioma"), "fr"});
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardOutput().isEmpty());
        QVERIFY(QString::fromUtf8(program.readAllStandardError())
                    .contains(QStringLiteral("Idioma descoñecido: fr.")));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
