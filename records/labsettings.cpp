#include "records/labsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStandardPaths>

#include <algorithm>

namespace records {

namespace {

struct Key
{
    const char *section;
    const char *name;
    QString LabSettings::*field;
};

constexpr Key kKeys[] = {
    {"general", "idioma", &LabSettings::language},
    {"general", "tabla", &LabSettings::table},
    {"general", "marcas", &LabSettings::marks},
    {"informes", "carpeta", &LabSettings::resultsFolder},
};

QString problem(const QString &file, int line, const QString &what)
{
    return QStringLiteral("%1:%2: %3").arg(QDir::toNativeSeparators(file)).arg(line).arg(what);
}

// Windows-1252 where it differs from Latin-1: 0x80 to 0x9F (0 for the five unused bytes,
// read as Latin-1's control characters).
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t mapped = byte >= 0x80 && byte < 0xA0 ? kWindows1252[byte - 0x80] : 0;
        text += QChar(mapped ? mapped : char16_t(byte));
    }
    return text;
}

// A value as written; in double quotes, \\ and \" are the two characters escaped.
QString valueOf(QString raw)
{
    raw = raw.trimmed();
    if (raw.size() < 2 || !raw.startsWith(QLatin1Char('"')) || !raw.endsWith(QLatin1Char('"')))
        return raw;
    QString value;
    for (qsizetype i = 1; i + 1 < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\') && i + 2 < raw.size() &&
            (raw[i + 1] == QLatin1Char('\\') || raw[i + 1] == QLatin1Char('"')))
            ++i;
        value += raw[i];
    }
    return value.trimmed();
}

// The known name a mistyped one most likely meant: the same but for case, or one or two
// letters off; empty for none.
QString meant(const QString &name, const QStringList &known)
{
    for (const QString &k : known) {
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return k;
        // The letters the two don't share, position by position, and the lengths' difference.
        const QString a = name.toLower();
        int off = int(std::abs(a.size() - k.size()));
        for (qsizetype i = 0; i < std::min(a.size(), k.size()); ++i)
            off += a[i] != k[i] ? 1 : 0;
        if (off <= 2 && k.size() > 3)
            return k;
    }
    return QString();
}

void readFile(const QString &file, LabSettings &lab)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        lab.problems << problem(file, 0, QCoreApplication::translate("records",
                                                                     "no se puede leer: %1")
                                             .arg(input.errorString()));
        return;
    }
    QByteArray bytes = input.read(1024 * 1024);
    lab.filesRead << file;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = fromWindows1252(bytes);
        lab.problems << problem(file, 0, QCoreApplication::translate(
                                             "records", "no está en UTF-8: se ha leído como "
                                                        "Windows-1252"));
    }
    QStringList sections, keys;
    for (const Key &key : kKeys) {
        if (!sections.contains(QLatin1String(key.section)))
            sections << QLatin1String(key.section);
        keys << QLatin1String(key.name);
    }
    // Keys before any section are the general ones, as Qt reads them.
    QString section = QStringLiteral("general");
    bool known = true;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int number = int(i + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == QLatin1String("General"))
                section = QStringLiteral("general");
            known = sections.contains(section);
            if (!known) {
                const QString hint = meant(section, sections);
                lab.problems << problem(file, number,
                                        hint.isEmpty()
                                            ? QCoreApplication::translate(
                                                  "records", "encabezado desconocido [%1]")
                                                  .arg(section)
                                            : QCoreApplication::translate(
                                                  "records", "encabezado desconocido [%1]; "
                                                             "¿quería decir [%2]?")
                                                  .arg(section, hint));
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            lab.problems << problem(file, number,
                                    QCoreApplication::translate(
                                        "records", "no es ni «[encabezado]» ni «clave = valor»: %1")
                                        .arg(line));
            continue;
        }
        if (!known)
            continue;
        const QString name = line.left(equals).trimmed();
        const auto key = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const Key &k) {
            return section == QLatin1String(k.section) && name == QLatin1String(k.name);
        });
        if (key == std::end(kKeys)) {
            QStringList inSection;
            for (const Key &k : kKeys)
                if (section == QLatin1String(k.section))
                    inSection << QLatin1String(k.name);
            const QString hint = meant(name, inSection);
            lab.problems << problem(file, number,
                                    hint.isEmpty()
                                        ? QCoreApplication::translate(
                                              "records", "clave desconocida «%1» en [%2]")
                                              .arg(name, section)
                                        : QCoreApplication::translate(
                                              "records", "clave desconocida «%1» en [%2]; "
                                                         "¿quería decir «%3»?")
                                              .arg(name, section, hint));
            continue;
        }
        if (const QString value = valueOf(line.mid(equals + 1)); !value.isEmpty())
            lab.*(key->field) = value;
    }
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
    files.removeDuplicates(); // a folder named twice is read once
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
    for (const QString &file : files)
        if (QFileInfo::exists(file))
            readFile(file, lab);
    return lab;
}

} // namespace records
