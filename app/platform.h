#pragma once

#include <QLocale>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// The program's window on the operating system: memory figures, the desktop shell's open
// operation, the plain message box and where top-level windows go on the screen. Every
// service that a test must not really use (starting a browser, opening a box that waits for
// a click) can be replaced by a stand-in.
namespace platform {

// Memory as the system reports it. The total is 64-bit so that machines with more than
// 4 GB show their real size.
struct MemoryStatus
{
    quint32 memoryLoad = 0; // per cent of physical memory in use, 0..100
    quint64 totalPhys = 0;  // bytes
};

// Reads the figures through the installed reader, the system's own by default. Never fails:
// a system that tells nothing gives zeros.
MemoryStatus readMemoryStatus();
using MemoryReader = std::function<MemoryStatus()>;
// An empty reader restores the system's.
void setMemoryReader(MemoryReader reader);

// The figures from the text of /proc/meminfo: MemTotal, and MemAvailable for the part not in
// use (MemFree + Buffers + Cached on kernels that lack it). The load is rounded to the nearest
// whole per cent.
MemoryStatus parseMeminfo(const QByteArray &text);

// The total in kilobytes, rounded, its digits grouped by threes with the locale's thousands
// separator, then " KB": "523.816 KB" in Spanish, "523,816 KB" in English.
QString formatPhysMem(quint64 totalBytes, const QLocale &locale);
// "37 %".
QString formatMemoryLoad(quint32 load);

// The desktop shell's open operation: a web address or document with empty parameters, or a
// program with its parameters. True when the shell started something. Where the opener it
// started can still fail (the desktop's opener finding no browser), `failed` is called once
// that is known, later, from the event loop; never when open() said false.
class Shell
{
public:
    using Failed = std::function<void()>;
    virtual ~Shell() = default;
    virtual bool open(const QString &target, const QString &parameters, Failed failed = {}) = 0;
};

// The installed shell; the desktop's own unless a test put another in its place.
Shell &shell();
// The shell is not owned; nullptr restores the desktop's own.
void setShell(Shell *replacement);

// The two browsers to start by name, in order, when the shell can't open a web address by
// itself.
QStringList fallbackBrowsers();

// A plain message: the text, one OK button, the application's title as caption. It waits for
// the click unless a sink has been installed.
void showMessage(QWidget *parent, const QString &text);
using MessageSink = std::function<void(const QString &)>;
// An empty sink restores the box.
void setMessageSink(MessageSink sink);

// A path that reaches the user's home folder, to open files through; not one to show. The
// folder is HOME, or the user database's entry for the user where HOME is unset or empty, or
// "/" where neither names one. Its name is the path, unless the name is not UTF-8, which Qt's
// file names can't spell: the folder is then held open and the path leads through its handle
// ("/proc/self/fd/N" on Linux). shownPath() gives such a path back as the user knows it.
QString pathToHomeFolder();
// The path as the user knows it: a path through the home folder's handle shows the folder's
// own name, with the bytes that aren't UTF-8 as replacement characters.
QString shownPath(const QString &path);

// The frame around a top-level window's client area: the system's figure once the window
// has one, otherwise that of a classic sizeable window.
inline constexpr QMargins kTypicalFrame{4, 23, 4, 4}; // pixels
QMargins frameOf(const QWidget *window);

// Gives the window this size including its frame.
void setOuterSize(QWidget *window, QSize outer);
// Top-left corner of a rectangle of the given size centred in the area (halves dropped); a
// rectangle larger than the area is put at its top or left edge instead.
QPoint centredTopLeft(const QRect &area, QSize outer);
// The rectangle moved the least distance that puts it inside the area; where it is wider or
// taller than the area, its top-left corner (the title bar) stays inside.
QRect keptInside(const QRect &area, QRect outer);
// The free area of the window's screen (the primary one's before it has its own): the
// screen less the task bars.
QRect availableArea(const QWidget *window);
// Moves the window so that its frame's top-left corner is at the point, whether or not the
// window is on screen yet.
void moveFrameTo(QWidget *window, QPoint topLeft);
// Puts the window, frame included, in the middle of the free area of its screen.
void centreOnScreen(QWidget *window);
// Runs place now, and once more when the window manager has put its frame around the window:
// under X11 the frame is added only after the window is mapped, so a size or place worked
// out with the typical frame is off by the difference until then. For a window being shown.
void placeNowAndWhenFramed(QWidget *window, const std::function<void()> &place);

// The free area of the desktop (the primary screen less the task bars) in the window system's
// own pixels, asked before the application object exists, and the scale that the desktop's own
// setting already gives Qt's windows: Xft.dpi / 96 under X11, and on Windows the system's
// DPI / 96, which is 1 while the program has not yet told the system it draws for high DPI.
struct DesktopArea
{
    QSize available;
    double systemScale = 1;
};
// One connection to the window system and a few requests; nothing where no desktop answers.
std::optional<DesktopArea> desktopAreaBeforeStart();

// Scales are whole quarters: at a quarter step every fourth pixel of a window, and so every
// edge of the board's 40-pixel cells, still falls on an edge of the screen's pixels.
inline constexpr double kScaleStep = 0.25;
// The largest scale, in whole steps and never below 1, at which a window of this client size
// fits the free area with its frame, the frame being drawn at the desktop's own scale.
double fittingScale(const DesktopArea &desktop, QSize client, QMargins frame = kTypicalFrame);

// Key presses with Alt (and without Ctrl, which with Alt is AltGr on Windows) type nothing
// into the edit, as on Windows, where such a chord is a menu's mnemonic; X11 would type the
// letter.
void ignoreAltChords(QWidget *edit);

} // namespace platform
