#pragma once

#include <QString>
#include <QStringList>

// The lab's settings, set once by a teacher or an administrator in an INI file that QSettings
// reads. The files, in the order they are read, later ones winning key by key:
//   Linux and other Unix: each XDG system configuration folder ($XDG_CONFIG_DIRS, /etc/xdg
//     by default), then the user's ($XDG_CONFIG_HOME, ~/.config): tabelora/tabelora.conf;
//   Windows: the machine-wide program-data folder's tabelora\tabelora.ini, then a
//     tabelora.ini beside the program file (a USB stick wins over the machine).
// Keys are lower case:
//   [general]  idioma = es | ca | gl | eu;  tabla = clasica | actual;  marcas = ...
//   [informes] carpeta = the results folder
namespace records {

struct LabSettings
{
    QString language;      // [general] idioma, as written; empty when unset
    QString table;         // [general] tabla
    QString marks;         // [general] marcas
    QString resultsFolder; // [informes] carpeta; empty when unset
};

// The files that may hold the settings, in the order they are read.
QStringList labSettingsFiles();
// The settings those of the files that exist hold. Needs an application object.
LabSettings readLabSettings();
// The same from the given files, in this order.
LabSettings readLabSettings(const QStringList &files);

} // namespace records
