#pragma once

#include "records/record.h"

#include <QString>
#include <QStringList>

class Game;
class Report;

// What "Enviar" keeps: the report's block, and a record of the corrections made since the last
// send, written to the pupil's own data folder always and to the teacher's results folder when
// one is set.
namespace sending {

// The record of this send: the pupil, the machine, the corrections not sent yet and the
// run's totals as the report states them.
records::Record recordOf(const Game &game, const QString &pupil, const QString &group,
                         const QString &language);

// Saves the report and writes the records: to the pupil's own data folder, and to the results
// folder unless it is empty, under the same name. A record the results folder doesn't receive
// is owed to it and sent again, first at the next send. The report's failure and the results
// folder's are given back as the messages error boxes show, in that order; the game's
// corrections count as sent once a record holds them, or is owed.
QStringList send(Game &game, Report &report, const QString &resultsFolder);

// Sends what is owed to the results folder, as the program starts; what can't be sent stays
// owed, told on standard error only.
void deliverOwed(const QString &resultsFolder);

// The message of a send the results folder did not receive, saying whether a copy is kept to
// be sent again.
QString notDelivered(const QString &resultsFolder, const QString &reason, bool owed);

} // namespace sending
