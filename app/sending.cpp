#include "app/sending.h"

#include "app/errorbox.h"
#include "app/language.h"
#include "app/pupildata.h"
#include "app/report.h"
#include "game/game.h"
#include "game/scoring.h"
#include "records/pending.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace sending {

namespace {
// A moment as local time, written with its offset from UTC.
QDateTime localTime(qint64 msecsSinceEpoch)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

// The user account: USER (USERNAME on Windows), else the user database's name for this
// process's user, as a lab's session started by a display manager may leave both unset.
QString account()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
#if defined(Q_OS_UNIX)
    if (user.isEmpty())
        if (const passwd *entry = ::getpwuid(::getuid()))
            user = QFile::decodeName(entry->pw_name);
#endif
    return user;
}
} // namespace

records::Record recordOf(const Game &game, const QString &pupil, const QString &group,
                         const QString &language)
{
    records::Record record;
    record.sent = localTime(QDateTime::currentMSecsSinceEpoch());
    record.machine = QSysInfo::machineHostName();
    record.account = account();
    record.pupil = pupil; // written in composed form (NFC)
    record.group = group;
    record.language = language;
    const std::string_view table = board::tableName(game.table());
    record.table = QString::fromLatin1(table.data(), qsizetype(table.size()));
    for (const CorrectionMade &made : game.correctionsNotSent()) {
        records::Correction correction;
        correction.time = localTime(made.timeMs);
        correction.game = made.game;
        correction.hits = made.hits;
        correction.judged = made.judged;
        correction.cellOf.assign(made.cellOf.begin() + 1, made.cellOf.begin() + 1 + made.judged);
        record.corrections.push_back(std::move(correction));
    }
    record.hitTotal = game.HitTotal();
    record.cellsCounted = game.CellsCounted();
    record.percent = scoring::hitPercentage(game.HitTotal(), game.CellsCounted());
    return record;
}

QStringList send(Game &game, Report &report, const QString &resultsFolder)
{
    QStringList failures;
    try {
        report.addBlockAndSave(game.HitTotal(), game.CellsCounted());
    } catch (const errorbox::Error &error) {
        failures << error.text();
    }
    const records::Record record =
        recordOf(game, PupilName, PupilGroup, language::code(language::current()));
    const QString own = records::ownFolder();
    // What the results folder did not receive before goes first, as it was made first.
    deliverOwed(resultsFolder);
    // The pupil's own copy: a failure there is noted for whoever runs the program, not put
    // in front of the pupil, whose screen stays as it always was.
    QString error;
    QDir().mkpath(own);
    const QString ownCopy = records::write(record, own, &error);
    if (ownCopy.isEmpty())
        qWarning("tabelora: the record of this send was not kept in %s: %s",
                 qUtf8Printable(QDir::toNativeSeparators(own)), qUtf8Printable(error));
    bool delivered = false;
    // The teacher's copy, under the same name as the pupil's, so that a folder gathered from
    // both holds it once. A failure is told as a report's is; with the pupil's copy kept, it
    // is owed to the folder and sent again at the next send or start.
    if (!resultsFolder.isEmpty()) {
        const QString name = ownCopy.isEmpty() ? records::fileName(record)
                                               : QFileInfo(ownCopy).fileName();
        delivered = records::deliver(records::toJson(record), resultsFolder, name, &error);
        if (!delivered) {
            QString owedError;
            const bool owed = !ownCopy.isEmpty() &&
                              records::PendingRecords(own).add(name, resultsFolder, &owedError);
            failures << notDelivered(resultsFolder, error, owed);
        }
    }
    if (!ownCopy.isEmpty() || delivered)
        game.markCorrectionsSent();
    return failures;
}

void deliverOwed(const QString &resultsFolder)
{
    if (resultsFolder.isEmpty())
        return;
    for (const QString &reason : records::PendingRecords(records::ownFolder()).deliver())
        qWarning("tabelora: a record owed to the results folder is still owed: %s",
                 qUtf8Printable(reason));
}

QString notDelivered(const QString &resultsFolder, const QString &reason, bool owed)
{
    const QString shown = QDir::toNativeSeparators(resultsFolder);
    if (owed)
        //: A send the results folder did not receive: the folder, the system's reason.
        return QCoreApplication::translate("sending",
                                           "Los resultados no llegaron a la carpeta «%1». %2 "
                                           "Se ha guardado una copia en este equipo, que se "
                                           "enviará de nuevo.")
            .arg(shown, reason);
    return QCoreApplication::translate("sending", "Los resultados no llegaron a la carpeta «%1». %2")
        .arg(shown, reason);
}

} // namespace sending
