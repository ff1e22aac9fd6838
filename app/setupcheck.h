#pragma once

#include "app/commandline.h"
#include "records/labsettings.h"

#include <QString>

// `--comprobar`: a machine's set-up as the teacher or the lab's IT person needs to see it,
// with no display: the settings files read and those that could not be, what is wrong in
// them, the values in force, and whether the results folder is there and takes a record
// (a file is made and removed), with its owner, its mode and what pupils could do in it.
namespace setupcheck {

struct Report
{
    QString text;       // in the program's language, a line each
    bool sound = true;  // nothing wrong: no problem in the files, and a folder that takes records
};

// `lab` as read from `files`, and `options` the values in force, the command line's over the
// files'; `folderGiven` whether --informes gave the results folder.
Report check(const QStringList &files, const records::LabSettings &lab,
             const commandline::Options &options, bool folderGiven);

} // namespace setupcheck
