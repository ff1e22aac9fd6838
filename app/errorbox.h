#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <stdexcept>

// The application's one place for errors that escape a command: a message box with an
// error icon, captioned with the application's title; the program then goes on.
namespace errorbox {

// An error a command raises for the user to read.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The program file's name cut at its first full stop, every letter after the first in
// lower case ("TABELORA.EXE" gives "Tabelora").
QString applicationTitle(const QString &programPath);
QString applicationTitle();

void show(const QString &text);

// The message of a file that can't be made: `Cannot create file "PATH". REASON`, the path
// whole, with the system's separators, as the user knows it. In the program's language,
// where that is not Spanish, whose program shows the words above.
QString cannotCreateFile(const QString &path, const QString &reason);
// The program's own reason when the name belongs to something that is not a file.
QString notARegularFile();

// Tests divert the messages here instead of opening a box; an empty sink restores the box.
using Sink = std::function<void(const QString &)>;
void setSink(Sink sink);

// Runs a handler; an error it raises is shown and goes no further.
template <typename F> void guarded(F &&handler) noexcept
{
    try {
        handler();
    } catch (const Error &error) {
        show(error.text());
    } catch (const std::exception &error) {
        show(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        show(QCoreApplication::translate("errorbox", "Error desconocido"));
    }
}

} // namespace errorbox
