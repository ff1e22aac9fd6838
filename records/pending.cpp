#include "records/pending.h"

#include "records/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

namespace records {

PendingRecords::PendingRecords(QString ownFolder)
    : ownFolder_(std::move(ownFolder)), listPath_(QDir(ownFolder_).filePath(QStringLiteral(".pendientes")))
{
}

// The list is one JSON array of {"carpeta", "registro"}; a list that can't be read owes
// nothing, as the records themselves stay in the own folder either way.
std::vector<PendingRecord> PendingRecords::list() const
{
    std::vector<PendingRecord> pending;
    QFile file(listPath_);
    if (!file.open(QIODevice::ReadOnly))
        return pending;
    const QJsonArray entries = QJsonDocument::fromJson(file.read(1024 * 1024)).array();
    for (const QJsonValue &entry : entries) {
        const QString name = entry[QLatin1String("registro")].toString();
        const QString folder = entry[QLatin1String("carpeta")].toString();
        // Only a record's own name: a list edited by hand can't reach outside the folder.
        if (!name.isEmpty() && !folder.isEmpty() && QFileInfo(name).fileName() == name &&
            name.endsWith(QLatin1String(".json")))
            pending.push_back({name, folder});
    }
    return pending;
}

bool PendingRecords::save(const std::vector<PendingRecord> &pending, QString *error) const
{
    if (pending.empty()) {
        if (QFile::exists(listPath_) && !QFile::remove(listPath_)) {
            if (error)
                *error = QFile(listPath_).errorString();
            return false;
        }
        return true;
    }
    QJsonArray entries;
    for (const PendingRecord &p : pending)
        entries.append(QJsonObject{{QStringLiteral("carpeta"), p.folder},
                                   {QStringLiteral("registro"), p.name}});
    QSaveFile file(listPath_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(entries).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool PendingRecords::add(const QString &name, const QString &folder, QString *error)
{
    std::vector<PendingRecord> pending = list();
    const bool known = std::any_of(pending.begin(), pending.end(), [&](const PendingRecord &p) {
        return p.name == name && p.folder == folder;
    });
    if (!known)
        pending.push_back({name, folder});
    return save(pending, error);
}

QStringList PendingRecords::deliver()
{
    const std::vector<PendingRecord> pending = list();
    if (pending.empty())
        return {};
    std::vector<PendingRecord> owed;
    QStringList reasons;
    for (const PendingRecord &p : pending) {
        QFile own(QDir(ownFolder_).filePath(p.name));
        if (!own.open(QIODevice::ReadOnly))
            continue; // the pupil's copy is gone: nothing left to send
        QString error;
        if (!records::deliver(own.readAll(), p.folder, p.name, &error)) {
            owed.push_back(p);
            reasons << error;
        }
    }
    QString error;
    if (owed.size() != pending.size() && !save(owed, &error))
        reasons << error;
    return reasons;
}

} // namespace records
