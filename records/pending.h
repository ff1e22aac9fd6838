#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Records that a results folder did not receive (a share down, a folder missing), to be sent
// there again under the same name until it has them, so the teacher gets each exactly once.
// The pupil's own folder keeps each record's bytes, as it keeps every record; a list beside
// them, ".pendientes", says which are owed to which folder. The list is hidden and is no
// "*.json", so the summary of a gathered own folder never reads it.
namespace records {

struct PendingRecord
{
    QString name;   // the record's file name, the same in the own folder and the results folder
    QString folder; // the results folder it is owed to
};

class PendingRecords
{
public:
    explicit PendingRecords(QString ownFolder);

    std::vector<PendingRecord> list() const;
    // Owes the record `name` of the own folder to `folder`; false when the list can't be
    // written, with the reason in `error`.
    bool add(const QString &name, const QString &folder, QString *error = nullptr);
    // Sends every record owed to a folder that can be reached now, and forgets those the
    // folder has. The reasons of those still owed, one line each.
    QStringList deliver();

private:
    bool save(const std::vector<PendingRecord> &pending, QString *error) const;

    QString ownFolder_;
    QString listPath_;
};

} // namespace records
