#include "app/setupcheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace setupcheck {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("setupcheck", text);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

#if defined(Q_OS_UNIX)
// What pupils, who are not the folder's owner, can do in it by its mode.
QString whatPupilsCanDo(mode_t mode)
{
    const bool others = mode & S_IWOTH, group = mode & S_IWGRP;
    if (!others && !group)
        return tr("solo su propietario puede dejar registros: los alumnos de otras cuentas no "
                  "podrán enviar.");
    QString said;
    if (mode & S_ISVTX)
        said = tr("los alumnos pueden dejar registros, pero no borrar ni cambiar los de otros");
    else
        said = tr("los alumnos pueden borrar o cambiar los registros de otros (falta el bit "
                  "«t»: chmod 1733)");
    if (mode & (S_IROTH | S_IRGRP))
        said += tr(", y leerlos.");
    else
        said += tr(", ni leerlos.");
    return said;
}
#endif

} // namespace

Report check(const QStringList &files, const records::LabSettings &lab,
             const commandline::Options &options, bool folderGiven)
{
    const QString &resultsFolder = options.resultsFolder;
    Report report;
    QStringList lines;
    lines << tr("Configuración del aula:");
    for (const QString &file : files) {
        const bool read = lab.filesRead.contains(file);
        lines << (read ? tr("  leído:      %1") : QFileInfo::exists(file) ? tr("  sin leer:   %1")
                                                                         : tr("  no existe:  %1"))
                             .arg(shown(file));
    }
    if (!lab.problems.isEmpty()) {
        report.sound = false;
        lines << tr("Problemas:");
        for (const QString &problem : lab.problems)
            lines << QStringLiteral("  ") + problem;
    }
    const std::string_view table = board::tableName(options.table);
    lines << tr("Valores en vigor:");
    lines << QStringLiteral("  idioma = %1").arg(language::code(options.language));
    lines << QStringLiteral("  tabla = %1").arg(QLatin1String(table.data(), qsizetype(table.size())));
    lines << QStringLiteral("  marcas = %1").arg(options.marks ? QStringLiteral("true")
                                                                : QStringLiteral("false"));
    lines << QStringLiteral("  carpeta = %1").arg(shown(resultsFolder));
    if (folderGiven)
        lines << tr("  (la carpeta la da --informes)");

    if (resultsFolder.isEmpty()) {
        lines << tr("Sin carpeta de resultados: cada registro se guarda solo en el equipo del "
                    "alumno.");
    } else {
        lines << tr("Carpeta de resultados: %1").arg(shown(resultsFolder));
        const QFileInfo folder(resultsFolder);
        if (!folder.isDir()) {
            report.sound = false;
            lines << (folder.exists() ? tr("  no es una carpeta.")
                                      : tr("  no existe: el programa no la crea; hágala el "
                                           "profesor, o monte la carpeta compartida."));
        } else {
#if defined(Q_OS_UNIX)
            struct stat status {};
            if (::stat(QFile::encodeName(resultsFolder).constData(), &status) == 0)
                lines << tr("  propietario %1, permisos %2")
                             .arg(folder.owner().isEmpty() ? QString::number(status.st_uid)
                                                           : folder.owner())
                             .arg(QString::number(status.st_mode & 07777, 8)
                                      .rightJustified(4, QLatin1Char('0')))
                      << QStringLiteral("  ") + whatPupilsCanDo(status.st_mode);
#endif
            QTemporaryFile probe(QDir(resultsFolder).filePath(QStringLiteral(".tabelora-comprobar-XXXXXX.tmp")));
            if (probe.open() && probe.write("{}") == 2 && probe.flush()) {
                lines << tr("  esta cuenta puede dejar registros en ella (se ha escrito y borrado "
                            "un fichero de prueba).");
            } else {
                report.sound = false;
                lines << tr("  esta cuenta no puede dejar registros en ella: %1")
                             .arg(probe.errorString());
            }
        }
    }
    lines << (report.sound ? tr("Todo en orden.") : tr("Hay problemas en la configuración."));
    report.text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return report;
}

} // namespace setupcheck
