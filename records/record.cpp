#include "records/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <climits>
#include <cmath>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace records {

namespace {

// Why a record can't be read or written, in the program's language.
QString said(const char *text)
{
    return QCoreApplication::translate("records", text);
}

// The most elements a table has: today's, with 118.
constexpr int kMostElements = 118;
// How many random names a write tries before it gives up on a folder full of namesakes.
constexpr int kNameTries = 5;

// ISO 8601 with the offset the time carries. Qt writes the offset of a time given as an
// offset or as UTC ("Z"), not of one in the machine's local time, so that one is turned into
// its offset first.
QString isoTime(const QDateTime &time)
{
    if (time.timeSpec() == Qt::LocalTime)
        return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
    return time.toString(Qt::ISODate);
}

QString composed(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

QJsonObject correctionObject(const Correction &c)
{
    QJsonArray positions;
    for (const int cell : c.cellOf)
        positions.append(cell);
    return {{QStringLiteral("hora"), isoTime(c.time)},
            {QStringLiteral("partida"), c.game},
            {QStringLiteral("aciertos"), c.hits},
            {QStringLiteral("casillas"), c.judged},
            {QStringLiteral("posiciones"), positions}};
}

// Reads the fields of one JSON object, remembering the first thing wrong with them. Every
// getter returns a harmless value once something is wrong, so a reader reads on and checks
// `ok()` at the end.
class Fields
{
public:
    Fields(const QJsonObject &object, QString where, QString *why)
        : object_(object), where_(std::move(where)), why_(why)
    {
    }

    bool ok() const { return why_->isEmpty(); }
    void fail(const QString &reason)
    {
        if (ok())
            *why_ = where_ + reason;
    }

    QJsonValue field(const QString &key)
    {
        const QJsonValue value = object_.value(key);
        if (value.isUndefined())
            fail(said(QT_TRANSLATE_NOOP("records", "falta «%1»")).arg(key));
        return value;
    }

    QString text(const QString &key)
    {
        const QJsonValue value = field(key);
        if (!value.isUndefined() && !value.isString())
            fail(said(QT_TRANSLATE_NOOP("records", "«%1» no es un texto")).arg(key));
        return value.toString();
    }

    int integer(const QString &key, int least = INT_MIN, int most = INT_MAX)
    {
        const QJsonValue value = field(key);
        if (value.isUndefined())
            return 0;
        const double number = value.toDouble(NAN);
        if (!value.isDouble() || number != std::trunc(number) || number < INT_MIN ||
            number > INT_MAX) {
            fail(said(QT_TRANSLATE_NOOP("records", "«%1» no es un número entero")).arg(key));
            return 0;
        }
        if (number < least || number > most) {
            fail(most == INT_MAX
                     ? said(QT_TRANSLATE_NOOP("records", "«%1» es %2, menos de %3")).arg(key).arg(number).arg(least)
                     : said(QT_TRANSLATE_NOOP("records", "«%1» es %2, fuera de %3..%4"))
                           .arg(key)
                           .arg(number)
                           .arg(least)
                           .arg(most));
            return 0;
        }
        return int(number);
    }

    // A time with its UTC offset; one without would mean a different moment on every machine
    // that reads it.
    QDateTime time(const QString &key)
    {
        const QString written = text(key);
        if (!ok())
            return {};
        const QDateTime time = QDateTime::fromString(written, Qt::ISODate);
        if (!time.isValid() || time.timeSpec() == Qt::LocalTime)
            fail(said(QT_TRANSLATE_NOOP("records", "«%1» no es una hora con su diferencia con UTC: «%2»"))
                     .arg(key, written));
        return time;
    }

    QJsonArray array(const QString &key)
    {
        const QJsonValue value = field(key);
        if (!value.isUndefined() && !value.isArray())
            fail(said(QT_TRANSLATE_NOOP("records", "«%1» no es una lista")).arg(key));
        return value.toArray();
    }

    QJsonObject object(const QString &key)
    {
        const QJsonValue value = field(key);
        if (!value.isUndefined() && !value.isObject())
            fail(said(QT_TRANSLATE_NOOP("records", "«%1» no es un objeto")).arg(key));
        return value.toObject();
    }

private:
    QJsonObject object_;
    QString where_;
    QString *why_;
};

Correction readCorrection(const QJsonValue &value, int index, QString *why)
{
    const QString where = said(QT_TRANSLATE_NOOP("records", "corrección %1: ")).arg(index + 1);
    if (!value.isObject()) {
        *why = where + said(QT_TRANSLATE_NOOP("records", "no es un objeto"));
        return {};
    }
    Fields fields(value.toObject(), where, why);
    Correction c;
    c.time = fields.time(QStringLiteral("hora"));
    c.game = fields.integer(QStringLiteral("partida"), 0);
    c.judged = fields.integer(QStringLiteral("casillas"), 1, kMostElements);
    c.hits = fields.integer(QStringLiteral("aciertos"), 0, c.judged);
    const QJsonArray positions = fields.array(QStringLiteral("posiciones"));
    if (!fields.ok())
        return {};
    if (positions.size() != c.judged) {
        fields.fail(
            said(QT_TRANSLATE_NOOP("records", "%1 posiciones para %2 casillas")).arg(positions.size()).arg(c.judged));
        return {};
    }
    c.cellOf.reserve(positions.size());
    for (const QJsonValue &position : positions) {
        const double cell = position.toDouble(NAN);
        if (!position.isDouble() || cell != std::trunc(cell) || cell < 0 || cell > kMostElements) {
            fields.fail(said(QT_TRANSLATE_NOOP("records", "la posición %1 no es una casilla 0..%2"))
                            .arg(c.cellOf.size() + 1)
                            .arg(kMostElements));
            return {};
        }
        c.cellOf.push_back(int(cell));
    }
    return c;
}

// A part of a file name of letters, digits and "-_." only: what every file system takes,
// Windows' and a network share's included. ASCII only, since a share may store names in a
// code page of its own.
QString safeForFileName(const QString &text)
{
    QString safe = text;
    for (QChar &c : safe) {
        const char16_t u = c.unicode();
        const bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                           (u >= '0' && u <= '9') || u == '-' || u == '_' || u == '.';
        if (!plain)
            c = QLatin1Char('_');
    }
    return safe;
}

} // namespace

QByteArray toJson(const Record &record)
{
    QJsonArray corrections;
    for (const Correction &c : record.corrections)
        corrections.append(correctionObject(c));
    const QJsonObject totals{{QStringLiteral("aciertos"), record.hitTotal},
                             {QStringLiteral("casillas"), record.cellsCounted},
                             {QStringLiteral("porcentaje"), record.percent}};
    const QJsonObject object{{QStringLiteral("formato"), QLatin1String(kFormat)},
                             {QStringLiteral("version"), kVersion},
                             {QStringLiteral("enviado"), isoTime(record.sent)},
                             {QStringLiteral("equipo"), record.machine},
                             {QStringLiteral("usuario"), record.account},
                             {QStringLiteral("alumno"), composed(record.pupil)},
                             {QStringLiteral("grupo"), composed(record.group)},
                             {QStringLiteral("idioma"), record.language},
                             {QStringLiteral("tabla"), record.table},
                             {QStringLiteral("correcciones"), corrections},
                             {QStringLiteral("totales"), totals}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<Record> fromJson(const QByteArray &bytes, QString *why)
{
    QString reason;
    const auto refuse = [&](const QString &text) -> std::optional<Record> {
        if (why)
            *why = text;
        return std::nullopt;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(said(QT_TRANSLATE_NOOP("records", "no es JSON: %1 en el byte %2"))
                          .arg(parseError.errorString())
                          .arg(parseError.offset));
    if (!document.isObject())
        return refuse(said(QT_TRANSLATE_NOOP("records", "no es un objeto JSON")));
    const QJsonObject object = document.object();

    const QJsonValue format = object.value(QStringLiteral("formato"));
    if (format.toString() != QLatin1String(kFormat))
        return refuse(
            format.isUndefined()
                ? said(QT_TRANSLATE_NOOP("records", "no es un registro de Tabelora: falta «formato»"))
                : said(QT_TRANSLATE_NOOP("records", "otro formato: «%1»")).arg(format.toVariant().toString()));
    Fields fields(object, QString(), &reason);
    const int version = fields.integer(QStringLiteral("version"), 1);
    if (!fields.ok())
        return refuse(reason);
    if (version > kVersion)
        return refuse(said(QT_TRANSLATE_NOOP("records", "versión %1, posterior a la que lee este programa (%2)"))
                          .arg(version)
                          .arg(kVersion));

    Record record;
    record.sent = fields.time(QStringLiteral("enviado"));
    record.machine = fields.text(QStringLiteral("equipo"));
    record.account = fields.text(QStringLiteral("usuario"));
    record.pupil = composed(fields.text(QStringLiteral("alumno")));
    record.group = composed(fields.text(QStringLiteral("grupo")));
    record.language = fields.text(QStringLiteral("idioma"));
    record.table = fields.text(QStringLiteral("tabla"));
    const QJsonArray corrections = fields.array(QStringLiteral("correcciones"));
    Fields totals(fields.object(QStringLiteral("totales")), QStringLiteral("totales: "), &reason);
    if (fields.ok()) {
        record.cellsCounted = totals.integer(QStringLiteral("casillas"), 0);
        record.hitTotal = totals.integer(QStringLiteral("aciertos"), 0, record.cellsCounted);
        record.percent = totals.integer(QStringLiteral("porcentaje"));
    }
    for (qsizetype i = 0; reason.isEmpty() && i < corrections.size(); ++i)
        record.corrections.push_back(readCorrection(corrections.at(i), int(i), &reason));
    if (!reason.isEmpty())
        return refuse(reason);
    return record;
}

QString fileName(const Record &record)
{
    const int offset = record.sent.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                             .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    const quint64 random = QRandomGenerator::system()->generate64();
    // No ':' in the time: Windows refuses it in a file name.
    return record.sent.toString(QStringLiteral("yyyy-MM-dd'T'HH-mm-ss")) + zone + QLatin1Char('_') +
           safeForFileName(record.machine) + QLatin1Char('_') +
           QStringLiteral("%1").arg(random, 16, 16, QLatin1Char('0')) + QStringLiteral(".json");
}

namespace {

void setReason(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
}

// Waits until the file's bytes are on the disk, so a machine switched off right after a send
// keeps the whole record rather than an empty file.
bool syncFile(QFileDevice &file)
{
#if defined(Q_OS_WIN)
    return FlushFileBuffers(HANDLE(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// The same for the folder's own list of names, which holds the rename. Windows keeps it with
// the file.
void syncFolder(const QString &folder)
{
#if !defined(Q_OS_WIN)
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

void cannotSave(QString *error, const QString &path, const QString &why)
{
    setReason(error, said(QT_TRANSLATE_NOOP("records", "No se puede guardar el registro «%1»: %2"))
                         .arg(QDir::toNativeSeparators(path), why));
}

enum class Outcome
{
    Written,
    NameTaken, // a file of that name is there already: nothing was written
    Failed,
};

// Writes the bytes as the new file `name` in an existing folder: first under a temporary name
// in the same folder, synced, then renamed to its own name, never over another file, so that a
// reader of the folder sees whole records only, and a record survives the power going off.
Outcome writeNew(const QByteArray &bytes, const QString &folder, const QString &name,
                 QString *error)
{
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (!QFileInfo(folder).isDir()) {
        //: The results folder is never made by the program: it is the teacher's.
        setReason(error, QCoreApplication::translate("records", "La carpeta «%1» no existe.")
                             .arg(shownFolder));
        return Outcome::Failed;
    }
    const QDir dir(folder);
    // The temporary name ends in ".tmp", so a reader looking for "*.json" never takes a
    // record still being written for a whole one; its leading dot hides it from a listing too.
    // (Where the system can, Qt gives the file no name at all until it is renamed.)
    QTemporaryFile temporary(dir.filePath(QStringLiteral(".tabelora-XXXXXX.tmp")));
    const auto cannotWrite = [&] {
        setReason(error, said(QT_TRANSLATE_NOOP("records", "No se puede escribir en la carpeta «%1»: %2"))
                             .arg(shownFolder, temporary.errorString()));
        return Outcome::Failed;
    };
    if (!temporary.open())
        return cannotWrite();
    // A temporary file is its owner's alone; a record is read by the teacher's account too,
    // so it is made readable by all, as an ordinary new file is.
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadUser | QFileDevice::WriteUser |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (temporary.write(bytes) != bytes.size() || !temporary.flush() || !syncFile(temporary))
        return cannotWrite();
    // The rename never replaces a file. QTemporaryFile's rename, unlike QFile's, never falls
    // back to copying the file over the new name. Where a file system can't rename without
    // replacing, the 64 random bits of the name alone keep two sends apart. Until it is
    // renamed, the temporary file goes on any way out.
    const QString path = dir.filePath(name);
    if (temporary.rename(path)) {
        temporary.setAutoRemove(false);
        syncFolder(folder);
        return Outcome::Written;
    }
    if (QFileInfo::exists(path))
        return Outcome::NameTaken;
    cannotSave(error, path, temporary.errorString());
    return Outcome::Failed;
}

} // namespace

QString write(const Record &record, const QString &folder, QString *error)
{
    const QByteArray bytes = toJson(record);
    QString name;
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        // Should another send have taken the name meanwhile, the record is written again
        // under another random part.
        name = fileName(record);
        switch (writeNew(bytes, folder, name, error)) {
        case Outcome::Written:
            return QDir(folder).filePath(name);
        case Outcome::NameTaken:
            continue;
        case Outcome::Failed:
            return QString();
        }
    }
    cannotSave(error, QDir(folder).filePath(name), QStringLiteral("File exists"));
    return QString();
}

bool deliver(const QByteArray &bytes, const QString &folder, const QString &name, QString *error)
{
    switch (writeNew(bytes, folder, name, error)) {
    case Outcome::Written:
        return true;
    case Outcome::NameTaken: {
        // Delivered by an earlier try whose answer was lost: the same bytes are there.
        QFile there(QDir(folder).filePath(name));
        if (there.open(QIODevice::ReadOnly) && there.size() == bytes.size() &&
            there.readAll() == bytes)
            return true;
        cannotSave(error, there.fileName(), QStringLiteral("File exists"));
        return false;
    }
    case Outcome::Failed:
        return false;
    }
    return false;
}

QString ownFolder()
{
    // The user's data folder of the program: with the application name "tabelora",
    // ~/.local/share/tabelora/registros on Linux, %APPDATA%\tabelora\registros on Windows.
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/registros");
}

} // namespace records
