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

QString cannotCreateFile(const QString &path, const QString &reason)
{
    const QString shown = platform::shownPath(QFileInfo(path).absoluteFilePath());
    //: %1 is the file, %2 why it can't be made. The Spanish program shows these English words.
    return QCoreApplication::translate("errorbox", "Cannot create file \"%1\". %2")
        .arg(QDir::toNativeSeparators(shown), reason);
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
