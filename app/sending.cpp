#include "app/sending.h"

#include "app/errorbox.h"
#include "app/language.h"
#include "app/pupildata.h"
#include "app/report.h"
#include "game/game.h"
#include "game/scoring.h"

#include <QDir>
#include <QSysInfo>

namespace sending {

namespace {
// A moment as local time, written with its offset from UTC.
QDateTime localTime(qint64 msecsSinceEpoch)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

QString account()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
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
    bool kept = false;
    QString error;
    // The pupil's own copy: a failure there is noted for whoever runs the program, not put
    // in front of the pupil, whose screen stays as it always was.
    if (!records::write(record, records::ownFolder(), &error).isEmpty())
        kept = true;
    else
        qWarning("tabelora: the record of this send was not kept in %s: %s",
                 qUtf8Printable(QDir::toNativeSeparators(records::ownFolder())),
                 qUtf8Printable(error));
    // The teacher's copy: a failure is told as a report's is.
    if (!resultsFolder.isEmpty()) {
        if (!records::write(record, resultsFolder, &error).isEmpty())
            kept = true;
        else
            failures << errorbox::cannotCreateFile(resultsFolder, error);
    }
    if (kept)
        game.markCorrectionsSent();
    return failures;
}

} // namespace sending
