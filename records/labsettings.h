#pragma once

#include <QString>
#include <QStringList>

// The lab's settings, set once by a teacher or an administrator in an INI file. The files, in
// the order they are read, later ones winning key by key:
//   Linux and other Unix: each XDG system configuration folder ($XDG_CONFIG_DIRS, /etc/xdg
//     by default), then the user's ($XDG_CONFIG_HOME, ~/.config): tabelora/tabelora.conf;
//   Windows: the machine-wide program-data folder's tabelora\tabelora.ini, then a
//     tabelora.ini beside the program file (a USB stick wins over the machine).
// Sections and keys are lower case ("[General]" is read as "[general]", as Qt writes it):
//   [general]  idioma = es | ca | ca-valencia | gl | eu;  tabla = clasica | actual;  marcas = ...
//   [informes] carpeta = the results folder
// A value is taken as written, backslashes too, so a Windows path is written as it is
// (C:\Resultados\3B, \\servidor\clase). In double quotes, \\ and \" stand for \ and ".
// Text is UTF-8; a file that is not is read as Windows-1252, as Notepad saves it.
namespace records {

struct LabSettings
{
    QString language;      // [general] idioma, as written; empty when unset
    QString table;         // [general] tabla
    QString marks;         // [general] marcas
    QString resultsFolder; // [informes] carpeta; empty when unset
    QStringList filesRead; // the files that held settings, in the order read
    // What is wrong with the files, one line each, in the program's language: a file that
    // can't be read, unknown sections and keys with the name meant, text that is not UTF-8.
    QStringList problems;
};

// The files that may hold the settings, in the order they are read.
QStringList labSettingsFiles();
// The settings those of the files that exist hold. Needs an application object.
LabSettings readLabSettings();
// The same from the given files, in this order.
LabSettings readLabSettings(const QStringList &files);

} // namespace records
