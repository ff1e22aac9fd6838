#include "records/labsettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace records {

namespace {

// One setting as the file states it, trimmed; empty when unset. QSettings reads an unquoted
// value with commas as a list of strings, which is joined again; a value whose commas
// matter exactly is written in double quotes.
//
// In an INI file QSettings takes a backslash as the start of an escape, as in C: a Windows
// UNC path is written with doubled backslashes inside double quotes,
//     carpeta = "\\\\servidor\\clase"
// or, more simply, with forward slashes, which Windows takes as well:
//     carpeta = //servidor/clase
QString valueOf(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).trimmed();
    return value.toString().trimmed();
}

void takeIfSet(QString &setting, const QString &value)
{
    if (!value.isEmpty())
        setting = value;
}

} // namespace

QStringList labSettingsFiles()
{
#if defined(Q_OS_WIN)
    QString programData = qEnvironmentVariable("ProgramData");
    if (programData.isEmpty())
        programData = QStringLiteral("C:/ProgramData");
    return {programData + QStringLiteral("/tabelora/tabelora.ini"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/tabelora.ini")};
#else
    // The user's folder comes first in the list and the system's after, most important
    // first; the files are read the other way round so that the user's win.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    std::reverse(folders.begin(), folders.end());
    QStringList files;
    for (const QString &folder : folders)
        files << folder + QStringLiteral("/tabelora/tabelora.conf");
    return files;
#endif
}

LabSettings readLabSettings()
{
    return readLabSettings(labSettingsFiles());
}

LabSettings readLabSettings(const QStringList &files)
{
    LabSettings lab;
    for (const QString &file : files) {
        if (!QFileInfo(file).isFile())
            continue;
        const QSettings settings(file, QSettings::IniFormat);
        // QSettings takes the keys of an INI section named "general", in any case, as keys of
        // no section at all ("idioma", not "general/idioma").
        const auto general = [&settings](const QString &key) {
            const QString value = valueOf(settings, key);
            return value.isEmpty() ? valueOf(settings, QStringLiteral("general/") + key) : value;
        };
        takeIfSet(lab.language, general(QStringLiteral("idioma")));
        takeIfSet(lab.table, general(QStringLiteral("tabla")));
        takeIfSet(lab.marks, general(QStringLiteral("marcas")));
        takeIfSet(lab.resultsFolder, valueOf(settings, QStringLiteral("informes/carpeta")));
    }
    return lab;
}

} // namespace records
