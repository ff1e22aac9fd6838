#include "app/errorbox.h"

#include "app/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace errorbox {

namespace {
Sink &sink()
{
    static Sink instance;
    return instance;
}
} // namespace

QString applicationTitle(const QString &programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    const QStringList args = QCoreApplication::arguments();
    return applicationTitle(args.isEmpty() ? QStringLiteral("tabelora") : args.first());
}

namespace {
// The system's reasons most met when a file can't be made, as it gives them where it has no
// messages in the program's language (glibc has none in Basque): the program's translation
// gives them then. Where the system has the language, its reason never matches these.
constexpr const char *kSystemReasons[] = {
    QT_TRANSLATE_NOOP("system", "Permission denied"),
    QT_TRANSLATE_NOOP("system", "No such file or directory"),
    QT_TRANSLATE_NOOP("system", "Not a directory"),
    QT_TRANSLATE_NOOP("system", "Is a directory"),
    QT_TRANSLATE_NOOP("system", "No space left on device"),
    QT_TRANSLATE_NOOP("system", "Read-only file system"),
    QT_TRANSLATE_NOOP("system", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("system", "File exists"),
    QT_TRANSLATE_NOOP("system", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("system", "File name too long"),
    QT_TRANSLATE_NOOP("system", "Input/output error"),
};

// The reason with the system's words at its end in the program's language, where they are
// one of the above.
QString inTheLanguage(QString reason)
{
    for (const char *english : kSystemReasons) {
        const QLatin1String words(english);
        if (reason.endsWith(words)) {
            reason.chop(words.size());
            return reason + QCoreApplication::translate("system", english);
        }
    }
    return reason;
}
} // namespace

QString cannotCreateFile(const QString &path, const QString &reason)
{
    const QString shown = platform::shownPath(QFileInfo(path).absoluteFilePath());
    //: %1 is the file, %2 why it can't be made. The Spanish program shows these English words.
    return QCoreApplication::translate("errorbox", "Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(shown), inTheLanguage(reason));
}

QString notARegularFile()
{
    //: Why a file can't be made: something other than a file has its name (a folder, a device).
    return QCoreApplication::translate("errorbox", "Not a regular file");
}

void show(const QString &text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void setSink(Sink newSink)
{
    sink() = std::move(newSink);
}

} // namespace errorbox
