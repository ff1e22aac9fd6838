#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The result report: a buffer of lines that only grows during a run, and the file it is
// saved to whole after every send. The file is Windows-1252 text with CR LF after every line.
// Its lines are Spanish in every language of the program: teachers' files and tools read them
// as a fixed format, so they are never translated.
//
// The buffer keeps the pupil's entries exactly as typed. Only the bytes written differ where
// an entry can't be written as it is. The text is first brought to its composed form (Unicode
// NFC), so that a letter typed as a letter and a combining accent is written as its one byte.
// A line-break character (CR, LF, VT, FF, the file, group and record separators, NEL, and the
// Unicode line and paragraph separators) is written as one space each, so that a block always
// reads as five lines; any other control character except the tab is written as "?", as is
// every character that Windows-1252 lacks.
//
// Saving replaces the file atomically wherever a temporary file can be made beside it: a save
// that fails leaves the earlier file as it was. Where the folder refuses new files but the
// file may be read and written, the file is written in place, keeping its owner and
// permissions; the space for the new bytes is set aside first, so a full disk fails the save
// before the earlier file changes. Only a regular file is created or replaced, also behind a
// symbolic link, which stays a link; links that lead round in a circle, and anything else at
// the path, fail the save and are left as they were.
class Report
{
public:
    explicit Report(QString path = Report::defaultPath());

    // "C:/result.txt" on Windows; result.txt in the home folder (platform::pathToHomeFolder())
    // where there are no drives.
    static QString defaultPath();

    QStringList lines() const { return lines_; }
    QString path() const { return path_; }

    // Appends one five-line block with the pupil data and the score, then saves the whole
    // buffer. Throws errorbox::Error when the file can't be written; the block stays in the
    // buffer, so the next good save writes it too.
    void addBlockAndSave(std::int32_t hitTotal, std::int32_t cellsCounted);

    // The file's bytes for these lines.
    static QByteArray fileBytes(const QStringList &lines);
    // One line as Windows-1252, with line breaks and other control characters replaced.
    static QByteArray encodeLine(const QString &line);

private:
    void save() const;

    QString path_;
    QStringList lines_;
};
