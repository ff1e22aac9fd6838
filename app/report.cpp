#include "app/report.h"

#include "app/errorbox.h"
#include "app/platform.h"
#include "app/pupildata.h"
#include "game/scoring.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#endif

namespace {

// The characters that Windows-1252 puts in 0x80..0x9F; the five codes it leaves unused
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) have no entry.
struct ExtraCharacter
{
    char16_t unicode;
    unsigned char byte;
};
inline constexpr ExtraCharacter kWindows1252Extras[] = {
    {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u0192', 0x83}, {u'\u201E', 0x84}, {u'\u2026', 0x85},
    {u'\u2020', 0x86}, {u'\u2021', 0x87}, {u'\u02C6', 0x88}, {u'\u2030', 0x89}, {u'\u0160', 0x8A},
    {u'\u2039', 0x8B}, {u'\u0152', 0x8C}, {u'\u017D', 0x8E}, {u'\u2018', 0x91}, {u'\u2019', 0x92},
    {u'\u201C', 0x93}, {u'\u201D', 0x94}, {u'\u2022', 0x95}, {u'\u2013', 0x96}, {u'\u2014', 0x97},
    {u'\u02DC', 0x98}, {u'\u2122', 0x99}, {u'\u0161', 0x9A}, {u'\u203A', 0x9B}, {u'\u0153', 0x9C},
    {u'\u017E', 0x9E}, {u'\u0178', 0x9F},
};

// Characters that some reader or other takes for the end of a line.
inline constexpr char16_t kLineBreaks[] = {
    u'\n', u'\v', u'\f', u'\r', u'\u001C', u'\u001D', u'\u001E', u'\u0085', u'\u2028', u'\u2029',
};

bool isLineBreak(char16_t c)
{
    for (char16_t lineBreak : kLineBreaks)
        if (c == lineBreak)
            return true;
    return false;
}

char byteFor(char16_t c)
{
    if (isLineBreak(c))
        return ' ';
    if (c == u'\t')
        return '\t';
    if (c < 0x20 || c == 0x7F)
        return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (const ExtraCharacter &extra : kWindows1252Extras)
        if (extra.unicode == c)
            return static_cast<char>(extra.byte);
    return '?';
}

// Links followed at most from the report's place: more than Linux (40) or Windows (63) follow.
constexpr int kMostLinks = 64;

// Whether following links from this one comes to something that is not a link, or to a name
// where nothing is yet. Links that lead round in a circle come to neither.
bool linksEnd(QFileInfo link)
{
    for (int step = 0; step < kMostLinks; ++step) {
        if (!link.isSymLink())
            return true;
        link.setFile(link.symLinkTarget());
    }
    return false;
}

// Sets aside the disk space for the first size bytes of the open file, keeping the bytes it
// holds, so that a disk too full for the new report fails the save before any byte of the
// earlier one is overwritten. An empty string when done, else the system's reason. A file
// system that can't set space aside is written without.
QString reserveSpace(QFile &file, qint64 size)
{
#if defined(Q_OS_WIN)
    // Moving the end of a file out (SetEndOfFile) allocates its clusters, or fails for want
    // of them.
    if (size > file.size() && !file.resize(size))
        return file.errorString();
    return {};
#elif defined(Q_OS_MACOS)
    fstore_t store = {};
    store.fst_flags = F_ALLOCATEALL;
    store.fst_posmode = F_PEOFPOSMODE; // beyond the space the file has already
    store.fst_length = size;
    if (::fcntl(file.handle(), F_PREALLOCATE, &store) == -1 && errno != ENOTSUP)
        return qt_error_string(errno);
    return {};
#else
    const int error = ::posix_fallocate(file.handle(), 0, size);
    if (error == 0 || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL)
        return {};
    return qt_error_string(error);
#endif
}

const QString kHeading = QStringLiteral("Práctica de Corvalia ");
const QString kRule = QString(46, QLatin1Char('_'));

} // namespace

Report::Report(QString path) : path_(std::move(path)) {}

QString Report::defaultPath()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("C:/result.txt");
#else
    return QDir(platform::pathToHomeFolder()).filePath(QStringLiteral("result.txt"));
#endif
}

void Report::addBlockAndSave(std::int32_t hitTotal, std::int32_t cellsCounted)
{
    lines_ << kHeading << QStringLiteral("Alumno: ") + PupilName
           << QStringLiteral("Grupo : ") + PupilGroup << kRule
           << QStringLiteral("Aciertos: %1 de %2 (%3 %)")
                  .arg(hitTotal)
                  .arg(cellsCounted)
                  .arg(scoring::hitPercentage(hitTotal, cellsCounted));
    save();
}

QByteArray Report::encodeLine(const QString &line)
{
    // Accents typed as a letter and a combining mark become the one letter the code page has.
    const QString composed = line.normalized(QString::NormalizationForm_C);
    QByteArray bytes;
    bytes.reserve(composed.size());
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed.at(i);
        // A character outside the 16-bit range is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate()) {
            bytes += '?';
            ++i;
            continue;
        }
        bytes += byteFor(c.unicode());
    }
    return bytes;
}

QByteArray Report::fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += encodeLine(line) + "\r\n";
    return bytes;
}

void Report::save() const
{
    const auto fail = [this](const QString &reason) {
        throw errorbox::Error(errorbox::cannotCreateFile(path_, reason));
    };
    const QFileInfo target(path_);
    // Links that lead round in a circle would be replaced by a file: they stay, and the save
    // fails with the reason the system gives when it follows them.
    if (target.isSymLink() && !linksEnd(target)) {
        QFile looping(path_);
        if (!looping.open(QIODevice::ReadOnly))
            fail(looping.errorString());
    }
    // Only a regular file is replaced, also behind a link: a device or a pipe stays as it is.
    if (target.exists() && !target.isFile())
        fail(errorbox::notARegularFile());

    const QByteArray bytes = fileBytes(lines_);
    QSaveFile atomic(path_);
    // Where the folder refuses the temporary file but the report itself may be written (a
    // teacher prepares it so for the pupils), the report is written in place: its owner and
    // permissions stay. It is opened for reading too, since Qt empties a file opened for
    // writing alone, and the earlier report stays whole until the space for the new one is
    // set aside; only a failure part-way through writing is no longer undone.
    QFile inPlace(path_);
    QFileDevice *file = &atomic;
    QString reason;
    if (!atomic.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = atomic.errorString();
        file = nullptr;
        if (target.isFile()) {
            if (!inPlace.open(QIODevice::ReadWrite | QIODevice::ExistingOnly |
                              QIODevice::Unbuffered))
                // The system's reason, where the save file has words of its own.
                reason = inPlace.errorString();
            else if (reason = reserveSpace(inPlace, bytes.size()); reason.isEmpty())
                file = &inPlace;
        }
    }
    // Unbuffered, and written until every byte is down or the system refuses with a reason:
    // a commit whose own final flush comes up short can still rename a cut-short file over
    // the old one, and a short write alone doesn't tell why.
    bool saved = file != nullptr;
    for (qint64 written = 0; saved && written < bytes.size();) {
        const qint64 count = file->write(bytes.constData() + written, bytes.size() - written);
        saved = count > 0;
        written += count;
    }
    if (saved && file == &atomic) {
        saved = atomic.commit();
    } else if (saved) {
        // Where the earlier report was longer, its tail goes.
        saved = inPlace.resize(bytes.size());
        if (saved) {
            inPlace.close();
            saved = inPlace.error() == QFileDevice::NoError;
        }
    }
    if (!saved) {
        if (file)
            reason = file->errorString();
        atomic.cancelWriting();
        fail(reason);
    }
}
