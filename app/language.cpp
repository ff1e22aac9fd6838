#include "app/language.h"

#include "game/elements.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <clocale>
#include <memory>

#ifdef __GLIBC__
#include <libintl.h>
#endif

namespace language {

namespace {

Language currentLanguage = Language::Spanish;

// Qt's translation of its own texts, then the program's, which wins where both translate.
std::unique_ptr<QTranslator> &installedQt()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void uninstall(std::unique_ptr<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

// The system's messages, such as why a file can't be written, in the language where the
// system has its locale; otherwise they stay in the system's own language.
void askSystemMessagesIn(const LanguageEntry &language)
{
#ifdef LC_MESSAGES
#ifdef __GLIBC__
    // In UTF-8, as Qt reads them, whatever the character set of the system's own locale.
    static const bool utf8 = bind_textdomain_codeset("libc", "UTF-8") != nullptr;
    Q_UNUSED(utf8);
#endif
    static const QByteArray systemOwn = std::setlocale(LC_MESSAGES, nullptr);
    if (!language.systemLocale || !std::setlocale(LC_MESSAGES, language.systemLocale))
        std::setlocale(LC_MESSAGES, systemOwn.constData());
#else
    Q_UNUSED(language);
#endif
}

const LanguageEntry &entry(Language language)
{
    for (const LanguageEntry &candidate : kLanguages)
        if (candidate.language == language)
            return candidate;
    return kLanguages[0];
}

// Texts of Qt's own that the program shows: the OK of a message box and the context menus of
// the edits, the read-only texts and the date boxes, as Qt 6 writes them. Qt translates them
// through these contexts; listed here so that the program's files translate them where Qt's
// own translation lacks them (Basque, Galician in part, Valencian's own forms) and leave them
// empty where it has them.
[[maybe_unused]] constexpr const char *kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
    QT_TRANSLATE_NOOP("QAbstractSpinBox", "&Step up"),
    QT_TRANSLATE_NOOP("QAbstractSpinBox", "Step &down"),
    QT_TRANSLATE_NOOP("QAbstractSpinBox", "&Select All"),
    // The key names a menu entry shows beside it.
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),
    // The teacher's summary: its save dialog, where the system gives none of its own, and the
    // details of a message.
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."),
    QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QFileDialog", "Look in:"),
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "Save As"),
    QT_TRANSLATE_NOOP("QFileDialog", "Back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "List View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Detail View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go back"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Go to the parent directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create a New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to list view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Change to detail view mode"),
    QT_TRANSLATE_NOOP("QFileDialog", "Sidebar"),
    QT_TRANSLATE_NOOP("QFileDialog", "List of places and bookmarks"),
    QT_TRANSLATE_NOOP("QFileDialog", "Recent Places"),
    QT_TRANSLATE_NOOP("QFileDialog", "My Computer"),
    QT_TRANSLATE_NOOP("QFileDialog", "New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "&New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Rename"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files"),
    QT_TRANSLATE_NOOP("QFileDialog", "Directory:"),
    QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)"),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
    QT_TRANSLATE_NOOP("QFileDialog", "Are you sure you want to delete '%1'?"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Name"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Size"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Type"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Kind"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "My Computer"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Computer"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "%1 bytes"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "%1 KB"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "%1 MB"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "%1 GB"),
};

} // namespace

Language forLocale(const QLocale &locale, const QString &posixName)
{
    if (locale.language() == QLocale::Catalan &&
        (posixName.endsWith(QLatin1String("@valencia")) ||
         posixName.contains(QLatin1String("-valencia"))))
        return Language::Valencian;
    for (const LanguageEntry &candidate : kLanguages)
        if (candidate.localeFamily == locale.language())
            return candidate.language;
    return Language::Spanish;
}

Language forSystem()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return forLocale(QLocale::system(), name);
    }
    const QStringList languages = QLocale::system().uiLanguages();
    return forLocale(QLocale::system(), languages.isEmpty() ? QString() : languages.first());
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
    uninstall(installed());
    uninstall(installedQt());
    // The language changes only once its texts are in: Spanish until then.
    currentLanguage = Language::Spanish;
    askSystemMessagesIn(entry(Language::Spanish));
    QLocale::setDefault(locale(Language::Spanish));
    if (language == Language::Spanish)
        return true;
    if (const char *qt = entry(language).qtTranslation) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(translations + QLatin1Char('/') + QLatin1String(qt))) {
            QCoreApplication::installTranslator(translator.get());
            installedQt() = std::move(translator);
        }
    }
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
    askSystemMessagesIn(entry(language));
    QLocale::setDefault(locale(language));
    return true;
}

QLocale locale(Language language)
{
    return QLocale(entry(language).localeFamily, QLocale::Spain);
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
    const QString drawn = resource.left(slash + 1) +
                          QLatin1String(entry(currentLanguage).pictures) + resource.mid(slash);
    return QFile::exists(drawn) ? drawn : resource;
}

QString elementName(int atomicNumber, board::Table table)
{
    return QCoreApplication::translate("elements",
                                       elements::element(atomicNumber, table).name.data());
}

} // namespace language
