#include "app/language.h"

#include "game/elements.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

Language currentLanguage = Language::Spanish;

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

const LanguageEntry &entry(Language language)
{
    for (const LanguageEntry &candidate : kLanguages)
        if (candidate.language == language)
            return candidate;
    return kLanguages[0];
}

// Texts of Qt's own that the pupil meets: the OK of a message box and the context menus of
// the edits. Qt translates them through these contexts; listed here so that the translation
// files keep them.
[[maybe_unused]] constexpr const char *kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Select All"),
};

} // namespace

Language forLocale(const QLocale &locale)
{
    for (const LanguageEntry &candidate : kLanguages)
        if (candidate.localeFamily == locale.language())
            return candidate.language;
    return Language::Spanish;
}

std::optional<Language> fromCode(const QString &code)
{
    for (const LanguageEntry &candidate : kLanguages)
        if (code == QLatin1String(candidate.code))
            return candidate.language;
    return std::nullopt;
}

QString code(Language language)
{
    return QLatin1String(entry(language).code);
}

bool use(Language language, const QString &translations, std::FILE *complaints)
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
    // The language changes only once its texts are in: Spanish until then.
    currentLanguage = Language::Spanish;
    if (language == Language::Spanish)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(translations + QStringLiteral("/tabelora_") + code(language))) {
        const QString complaint =
            QStringLiteral("tabelora: no se pudo cargar la traducción «%1»; el programa sigue "
                           "en castellano.\n")
                .arg(code(language));
        std::fputs(complaint.toLocal8Bit().constData(), complaints);
        std::fflush(complaints);
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    currentLanguage = language;
    return true;
}

Language current()
{
    return currentLanguage;
}

QString picture(const QString &resource)
{
    if (currentLanguage == Language::Spanish)
        return resource;
    const qsizetype slash = resource.lastIndexOf(QLatin1Char('/'));
    const QString drawn = resource.left(slash + 1) + code(currentLanguage) + resource.mid(slash);
    return QFile::exists(drawn) ? drawn : resource;
}

QString elementName(int atomicNumber, board::Table table)
{
    return QCoreApplication::translate("elements",
                                       elements::element(atomicNumber, table).name.data());
}

} // namespace language
