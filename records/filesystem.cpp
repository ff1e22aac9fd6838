#include "records/filesystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace records {

namespace {

// The characters that stand for bytes that are not UTF-8: U+DC80 + (byte - 0x80). A byte
// below 0x80 is always UTF-8 by itself.
bool isRawByte(char16_t u)
{
    return u >= 0xDC80 && u <= 0xDCFF;
}

#if defined(Q_OS_UNIX)
constexpr char16_t kRawByteBase = 0xDC00;

// The length of the UTF-8 sequence at `at`, or 0 when the bytes there are no whole, shortest,
// valid sequence (an overlong form, a surrogate, a code point past U+10FFFF, cut short).
int utf8Length(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return uchar(bytes.at(i)); };
    const uchar lead = byte(at);
    int length = 0;
    char32_t least = 0;
    char32_t point = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, least = 0x80, point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, least = 0x800, point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, least = 0x10000, point = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}
#endif

QString translated(const char *text)
{
    return QCoreApplication::translate("records", text);
}

} // namespace

bool hasRawBytes(const QString &path)
{
    return std::any_of(path.begin(), path.end(), [](QChar c) { return isRawByte(c.unicode()); });
}

#if defined(Q_OS_UNIX)

QString pathFromNative(const QByteArray &native)
{
    QString path;
    path.reserve(native.size());
    for (qsizetype at = 0; at < native.size();) {
        const int length = utf8Length(native, at);
        if (length == 0) {
            path.append(QChar(char16_t(kRawByteBase + uchar(native.at(at)))));
            ++at;
        } else {
            path.append(QString::fromUtf8(native.constData() + at, length));
            at += length;
        }
    }
    return path;
}

QByteArray nativePath(const QString &path)
{
    if (!hasRawBytes(path))
        return path.toUtf8();
    QByteArray native;
    native.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t u = path.at(i).unicode();
        if (!isRawByte(u))
            continue;
        native += QStringView(path).mid(start, i - start).toUtf8();
        native += char(u - kRawByteBase);
        start = i + 1;
    }
    native += QStringView(path).mid(start).toUtf8();
    return native;
}

FileRead readRegularFile(const QString &path, qint64 limit, bool listedRegular)
{
    using Outcome = FileRead::Outcome;
    FileRead read;
    const QByteArray native = nativePath(path);
    const auto failed = [&read](int error) {
        read.outcome = error == ELOOP    ? Outcome::LinkLoop
                       : error == ENOENT ? Outcome::Dangling
                                         : Outcome::Failed;
        read.why = qt_error_string(error);
        return read;
    };
    // A look before opening spares a device the open (some act on it); the look that counts
    // is the one after, at what was opened, since the name may be another file by then.
    if (!listedRegular) {
        struct stat seen;
        if (::stat(native.constData(), &seen) != 0)
            return failed(errno);
        if (!S_ISREG(seen.st_mode)) {
            read.outcome = Outcome::NotRegular;
            return read;
        }
    }
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return failed(errno);
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat opened;
    if (::fstat(fd, &opened) != 0)
        return failed(errno);
    if (!S_ISREG(opened.st_mode)) {
        read.outcome = Outcome::NotRegular;
        return read;
    }
    if (opened.st_size > limit) {
        read.outcome = Outcome::TooLarge;
        return read;
    }
    // The size the file reports is a hint (a file in /proc reports none): the loop stops at
    // the limit whatever it said.
    constexpr qint64 kFirstRead = 64 * 1024;
    read.bytes.resize(
        qsizetype(std::min<qint64>(opened.st_size > 0 ? opened.st_size : kFirstRead, limit) + 1));
    qint64 total = 0;
    for (;;) {
        if (total == read.bytes.size()) {
            if (total > limit)
                break;
            read.bytes.resize(qsizetype(std::min<qint64>(2 * total + 4096, limit + 1)));
        }
        const ssize_t got =
            ::read(fd, read.bytes.data() + total, size_t(read.bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            break;
        total += got;
    }
    read.bytes.truncate(qsizetype(total));
    if (total > limit) {
        read.bytes.clear();
        read.outcome = Outcome::TooLarge;
        return read;
    }
    read.outcome = Outcome::Read;
    return read;
}

FolderProblem listFolder(const QString &folder, std::vector<FolderEntry> *entries, QString *why)
{
    using Kind = FolderEntry::Kind;
    const QByteArray native = nativePath(folder);
    int fd;
    do
        fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    DIR *dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        *why = qt_error_string(error);
        return error == ENOENT    ? FolderProblem::Missing
               : error == ENOTDIR ? FolderProblem::NotAFolder
                                  : FolderProblem::Unreadable;
    }
    for (errno = 0; const dirent *entry = ::readdir(dir); errno = 0) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        FolderEntry found{pathFromNative(name), Kind::File};
        // What the listing tells spares a look at each name; some file systems don't tell.
        if (entry->d_type == DT_REG) {
            found.regular = true;
            entries->push_back(found);
            continue;
        }
        if (entry->d_type == DT_DIR) {
            found.kind = Kind::Folder;
            entries->push_back(found);
            continue;
        }
        struct stat seen;
        if (::fstatat(fd, entry->d_name, &seen, AT_SYMLINK_NOFOLLOW) != 0) {
            entries->push_back(found); // gone meanwhile: reading it tells why
            continue;
        }
        if (S_ISDIR(seen.st_mode)) {
            found.kind = Kind::Folder;
        } else if (S_ISREG(seen.st_mode)) {
            found.regular = true;
        } else if (S_ISLNK(seen.st_mode)) {
            if (::fstatat(fd, entry->d_name, &seen, 0) != 0)
                found.kind = errno == ELOOP ? Kind::LinkLoop : Kind::Dangling;
            else if (S_ISDIR(seen.st_mode))
                found.kind = Kind::FolderLink;
        }
        entries->push_back(found);
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0) {
        *why = qt_error_string(error);
        return FolderProblem::Unreadable;
    }
    return FolderProblem::None;
}

#else

QString pathFromNative(const QByteArray &native)
{
    return QFile::decodeName(native);
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

FileRead readRegularFile(const QString &path, qint64 limit, bool)
{
    using Outcome = FileRead::Outcome;
    FileRead read;
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists()) {
        read.outcome = Outcome::Dangling;
        return read;
    }
    if (!info.isFile()) {
        read.outcome = Outcome::NotRegular;
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.why = file.errorString();
        return read;
    }
    if (!QFileInfo(path).isFile() || file.isSequential()) {
        read.outcome = Outcome::NotRegular;
        return read;
    }
    if (file.size() > limit) {
        read.outcome = Outcome::TooLarge;
        return read;
    }
    read.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        read.why = file.errorString();
        return read;
    }
    if (read.bytes.size() > limit) {
        read.bytes.clear();
        read.outcome = Outcome::TooLarge;
        return read;
    }
    read.outcome = Outcome::Read;
    return read;
}

FolderProblem listFolder(const QString &folder, std::vector<FolderEntry> *entries, QString *why)
{
    using Kind = FolderEntry::Kind;
    const QFileInfo info(folder);
    const QDir dir(folder);
    if (!info.exists() || !info.isDir() || !dir.isReadable()) {
        *why = translated(QT_TRANSLATE_NOOP("records", "No se puede abrir la carpeta"));
        return !info.exists()  ? FolderProblem::Missing
               : !info.isDir() ? FolderProblem::NotAFolder
                               : FolderProblem::Unreadable;
    }
    const QFileInfoList infos =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &info : infos) {
        FolderEntry found{info.fileName(), Kind::File};
        if (info.isSymLink() && !info.exists())
            found.kind = Kind::Dangling;
        else if (info.isSymLink() && info.isDir())
            found.kind = Kind::FolderLink;
        else if (info.isDir())
            found.kind = Kind::Folder;
        entries->push_back(found);
    }
    return FolderProblem::None;
}

#endif

QString outcomeText(FileRead::Outcome outcome, qint64 limit)
{
    using Outcome = FileRead::Outcome;
    switch (outcome) {
    case Outcome::NotRegular:
        return translated(QT_TRANSLATE_NOOP("records", "No es un fichero normal"));
    case Outcome::TooLarge:
        //: %1 is the number of bytes a record can take at most.
        return QCoreApplication::translate(
                   "records", "Ocupa más de los %1 bytes que puede ocupar un registro; no se lee")
            .arg(limit);
    case Outcome::Dangling:
        return translated(QT_TRANSLATE_NOOP("records", "Es un enlace a algo que no existe"));
    case Outcome::LinkLoop:
        return translated(QT_TRANSLATE_NOOP(
            "records", "Es un enlace que, de enlace en enlace, vuelve a sí mismo"));
    default:
        return QString();
    }
}

} // namespace records
