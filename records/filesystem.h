#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Files read and written where pupils can put anything: in a shared results folder a "*.json"
// may be a pipe, a device, a link to either, a link in a loop, or huge; and a name may be in
// no character set at all. What is opened never blocks, what is read is bounded, and a name is
// kept byte for byte.
namespace records {

// A file name as the system spells it, and back. On Unix a name is bytes: the ones that are
// not UTF-8 become the characters U+DC80..U+DCFF (one per byte), which no UTF-8 name holds,
// so that nativePath(pathFromNative(b)) == b for any b. Qt's file classes can't open such a
// path; the functions here can. On Windows these are QFile::decodeName and encodeName.
QString pathFromNative(const QByteArray &native);
QByteArray nativePath(const QString &path);
// Whether the path holds bytes that are not UTF-8 (characters only pathFromNative makes).
bool hasRawBytes(const QString &path);

// A file read whole, when it is a regular file of at most `limit` bytes.
struct FileRead
{
    enum class Outcome
    {
        Read,
        NotRegular, // a folder, pipe, device or socket, or a link to one
        TooLarge,   // more than the limit
        Dangling,   // a link to nothing
        LinkLoop,   // links that lead round in a circle
        Failed,     // any other reason, in `why`
    };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
    QString why; // the system's reason, for Failed
};

// Opens without waiting (a pipe with no writer opens at once), checks what was opened, not
// what the name showed a moment before, and reads at most limit + 1 bytes, whatever size the
// file reports (a file in /proc reports none).
// `listedRegular` spares the look before opening when the folder's listing showed a regular
// file.
FileRead readRegularFile(const QString &path, qint64 limit, bool listedRegular = false);

// One name in a folder, as the folder lists it (a link is told as a link, not followed).
struct FolderEntry
{
    enum class Kind
    {
        Folder,
        File,       // a regular file, a link to one, or anything else openable: read to tell
        FolderLink, // a link to a folder
        Dangling,
        LinkLoop,
    };
    QString name;
    Kind kind = Kind::File;
    bool regular = false; // the folder listed a regular file there, not a link
};

enum class FolderProblem
{
    None,
    Missing,
    NotAFolder,
    Unreadable,
};

// The names in a folder, "." and ".." left out, hidden ones included, in no set order; what
// keeps the folder from being listed, with the system's reason in `why`.
FolderProblem listFolder(const QString &folder, std::vector<FolderEntry> *entries, QString *why);

// The reason in the program's language for an outcome other than Read and Failed.
QString outcomeText(FileRead::Outcome outcome, qint64 limit);

} // namespace records
