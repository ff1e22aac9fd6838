#include "app/platform.h"

#include "app/errorbox.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

#include <QApplication>
#elif defined(Q_OS_MACOS)
#include <mach/mach.h>
#include <sys/sysctl.h>
#include <sys/types.h>
#endif

#if defined(TABELORA_HAVE_XCB)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

MemoryReader &installedReader()
{
    static MemoryReader reader;
    return reader;
}

MessageSink &installedSink()
{
    static MessageSink sink;
    return sink;
}

quint32 loadPercent(quint64 used, quint64 total)
{
    if (total == 0)
        return 0;
    // used * 100 can't overflow for any memory size a machine can have (< 2^57 bytes).
    return static_cast<quint32>((used * 100 + total / 2) / total);
}

MemoryStatus systemMemoryStatus()
{
#if defined(Q_OS_WIN)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (GlobalMemoryStatusEx(&status))
        return {static_cast<quint32>(status.dwMemoryLoad), status.ullTotalPhys};
    return {};
#elif defined(Q_OS_MACOS)
    MemoryStatus result;
    std::uint64_t total = 0;
    size_t length = sizeof total;
    if (sysctlbyname("hw.memsize", &total, &length, nullptr, 0) == 0)
        result.totalPhys = total;
    vm_statistics64_data_t vm{};
    mach_msg_type_number_t count = HOST_VM_INFO64_COUNT;
    vm_size_t pageSize = 0;
    if (host_page_size(mach_host_self(), &pageSize) == KERN_SUCCESS &&
        host_statistics64(mach_host_self(), HOST_VM_INFO64, reinterpret_cast<host_info64_t>(&vm),
                          &count) == KERN_SUCCESS) {
        const quint64 available =
            (quint64(vm.free_count) + vm.inactive_count + vm.purgeable_count) * pageSize;
        if (available < result.totalPhys)
            result.memoryLoad = loadPercent(result.totalPhys - available, result.totalPhys);
    }
    return result;
#else
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseMeminfo(file.readAll());
#endif
}

#if defined(Q_OS_WIN)
// The shell's own open operation, parented to the window in front. Unlike a process start it
// finds programs through the application paths registered with the system, where the
// browsers put themselves, and sends a web address to the handler registered for it.
class DesktopShell final : public Shell
{
public:
    bool open(const QString &target, const QString &parameters, Failed) override
    {
        const QWidget *window = QApplication::activeWindow();
        const HWND owner = window ? reinterpret_cast<HWND>(window->winId()) : nullptr;
        const auto wide = [](const QString &text) {
            return reinterpret_cast<const wchar_t *>(text.utf16());
        };
        const HINSTANCE result =
            ShellExecuteW(owner, L"open", wide(target),
                          parameters.isEmpty() ? nullptr : wide(parameters), nullptr,
                          SW_SHOWNORMAL);
        // Values up to 32 are error codes.
        return reinterpret_cast<INT_PTR>(result) > 32;
    }
};
#else
// The shell of the desktop the program runs on. An address with a scheme goes to the
// desktop's handler for it; anything else is started as a program with the parameters as
// its one argument.
class DesktopShell final : public Shell
{
public:
    bool open(const QString &target, const QString &parameters, Failed failed) override
    {
        if (parameters.isEmpty()) {
            const QUrl url(target);
            // One letter is a drive ("c:/..."), not a scheme.
            if (url.isValid() && url.scheme().size() > 1)
                return openUrl(url, std::move(failed));
            return QProcess::startDetached(target, {});
        }
#if defined(Q_OS_MACOS)
        // Browsers are applications found by name, not programs on the search path.
        return QProcess::startDetached(QStringLiteral("open"),
                                       {QStringLiteral("-a"), target, parameters});
#else
        return QProcess::startDetached(target, {parameters});
#endif
    }

private:
    // Qt's own open says yes as soon as xdg-open starts, which then may find no browser and
    // end with a failure status (3: no handler). The desktop's opener is run here instead and
    // its status heard; it is left running, unwaited, for as long as it takes.
    static bool openUrl(const QUrl &url, Failed failed)
    {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return QDesktopServices::openUrl(url);
        auto *process = new QProcess(QCoreApplication::instance());
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setInputChannelMode(QProcess::ForwardedInputChannel);
        process->start(opener, {url.toString(QUrl::FullyEncoded)});
        if (!process->waitForStarted()) {
            delete process;
            return false;
        }
        QObject::connect(process, &QProcess::finished, process,
                         [process, failed = std::move(failed)](int code,
                                                               QProcess::ExitStatus status) {
                             process->deleteLater();
                             if ((status != QProcess::NormalExit || code != 0) && failed)
                                 failed();
                         });
        return true;
    }
};
#endif

DesktopShell &desktopShell()
{
    static DesktopShell instance;
    return instance;
}

Shell *installedShell = nullptr;

#if defined(Q_OS_UNIX)
// The home folder's name in the file system's bytes; empty where nothing names one.
QByteArray homeFolderName()
{
    const QByteArray home = qgetenv("HOME");
    if (!home.isEmpty())
        return home;
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray buffer(suggested > 0 ? suggested : 16384, '\0');
    passwd entry{};
    passwd *found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), size_t(buffer.size()), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    return found && found->pw_dir ? QByteArray(found->pw_dir) : QByteArray();
}
#endif

#if defined(Q_OS_LINUX)
// The home folder whose name Qt can't spell, held open for the rest of the run.
struct HeldFolder
{
    QByteArray name;
    int handle = -1;
};

HeldFolder &heldFolder()
{
    static HeldFolder folder;
    return folder;
}

QString handlePath(int handle)
{
    return QStringLiteral("/proc/self/fd/%1").arg(handle);
}
#endif

} // namespace

MemoryStatus readMemoryStatus()
{
    if (installedReader())
        return installedReader()();
    return systemMemoryStatus();
}

void setMemoryReader(MemoryReader reader)
{
    installedReader() = std::move(reader);
}

MemoryStatus parseMeminfo(const QByteArray &text)
{
    // Every figure is in kilobytes of 1024 bytes.
    quint64 total = 0, available = 0, fallbackAvailable = 0;
    bool haveAvailable = false;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray key = line.left(colon);
        const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const quint64 kilobytes = fields.first().toULongLong(&ok);
        if (!ok)
            continue;
        if (key == "MemTotal") {
            total = kilobytes * 1024;
        } else if (key == "MemAvailable") {
            available = kilobytes * 1024;
            haveAvailable = true;
        } else if (key == "MemFree" || key == "Buffers" || key == "Cached") {
            fallbackAvailable += kilobytes * 1024;
        }
    }
    if (!haveAvailable)
        available = fallbackAvailable;
    const quint64 used = available < total ? total - available : 0;
    return {loadPercent(used, total), total};
}

QString formatPhysMem(quint64 totalBytes, const QLocale &locale)
{
    const quint64 kilobytes = totalBytes / 1024 + (totalBytes % 1024 >= 512 ? 1 : 0);
    const QString digits = QString::number(kilobytes);
    // Grouped by threes whatever the locale's own grouping rules say, so 1234 reads "1.234"
    // in Spanish too.
    const QString separator = locale.groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits.at(i);
    }
    return grouped + QStringLiteral(" KB");
}

QString formatMemoryLoad(quint32 load)
{
    //: The share of memory in use; a language that writes the sign first moves it.
    return QCoreApplication::translate("platform", "%1 %").arg(load);
}

Shell &shell()
{
    return installedShell ? *installedShell : desktopShell();
}

void setShell(Shell *replacement)
{
    installedShell = replacement;
}

QStringList fallbackBrowsers()
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("netscape.exe"), QStringLiteral("iexplore.exe")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("Firefox"), QStringLiteral("Safari")};
#else
    return {QStringLiteral("firefox"), QStringLiteral("x-www-browser")};
#endif
}

void showMessage(QWidget *parent, const QString &text)
{
    if (installedSink()) {
        installedSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, errorbox::applicationTitle(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void setMessageSink(MessageSink sink)
{
    installedSink() = std::move(sink);
}

QString pathToHomeFolder()
{
#if defined(Q_OS_UNIX)
    const QByteArray name = homeFolderName();
    if (name.isEmpty())
        return QDir::rootPath();
    const QString decoded = QFile::decodeName(name);
    if (QFile::encodeName(decoded) == name)
        return decoded;
#if defined(Q_OS_LINUX)
    HeldFolder &held = heldFolder();
    if (held.name != name || held.handle < 0) {
        if (held.handle >= 0)
            ::close(held.handle);
        held = {name, ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    }
    if (held.handle >= 0)
        return handlePath(held.handle);
#endif
    return decoded;
#else
    return QDir::homePath();
#endif
}

QString shownPath(const QString &path)
{
#if defined(Q_OS_LINUX)
    const HeldFolder &held = heldFolder();
    if (held.handle >= 0) {
        const QString handle = handlePath(held.handle);
        if (path == handle || path.startsWith(handle + u'/'))
            return QFile::decodeName(held.name) + path.mid(handle.size());
    }
#endif
    return path;
}

namespace {
// Whether the margins are those of a whole frame: none while the window has no frame, and
// some below zero when the system measured a frame it was still building.
bool isWholeFrame(const QMargins &margins)
{
    return !margins.isNull() && margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 &&
           margins.bottom() >= 0;
}
} // namespace

QMargins frameOf(const QWidget *window)
{
    if (const QWindow *handle = window->windowHandle()) {
        const QMargins margins = handle->frameMargins();
        if (isWholeFrame(margins))
            return margins;
    }
    return kTypicalFrame;
}

void setOuterSize(QWidget *window, QSize outer)
{
    window->resize(outer.shrunkBy(frameOf(window)));
}

QPoint centredTopLeft(const QRect &area, QSize outer)
{
    // A window larger than the area starts at its top-left corner, title bar in reach.
    return {area.x() + std::max(0, (area.width() - outer.width()) / 2),
            area.y() + std::max(0, (area.height() - outer.height()) / 2)};
}

QRect keptInside(const QRect &area, QRect outer)
{
    // Back over the right and bottom edges first, so that the top-left corner has the last say.
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    return outer;
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void moveFrameTo(QWidget *window, QPoint topLeft)
{
    // The client area is placed rather than the frame: before the window is on screen Qt
    // would put the client where the frame was meant to go.
    const QMargins frame = frameOf(window);
    window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
}

void centreOnScreen(QWidget *window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    const QSize outer = window->size().grownBy(frameOf(window));
    moveFrameTo(window, centredTopLeft(area, outer));
}

namespace {

// Watches a shown window's native window while the window manager puts its frame around it,
// and places the window again each time the frame turns out other than the one it was placed
// with. A manager may report a frame it is still building before the finished one, so the
// watch lasts a while rather than ending at the first frame seen.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, std::function<void()> place)
        : QObject(window), handle_(window->windowHandle()), used_(frameOf(window)),
          place_(std::move(place))
    {
        handle_->installEventFilter(this);
        since_.start();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched != handle_ ||
            (type != QEvent::Expose && type != QEvent::Move && type != QEvent::Resize))
            return false;
        const QMargins frame = handle_->frameMargins();
        if (isWholeFrame(frame) && frame != used_) {
            used_ = frame;
            // Once the event is over: placing from inside a geometry change would nest another.
            QMetaObject::invokeMethod(parent(), place_, Qt::QueuedConnection);
        }
        if (since_.elapsed() > kWatchMs) {
            handle_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    static constexpr int kWatchMs = 3000; // how long after showing a frame may still change
    QWindow *handle_;
    QMargins used_; // the frame the window was last placed with
    std::function<void()> place_;
    QElapsedTimer since_;
};

// Swallows the key presses that ignoreAltChords describes.
class AltChordFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<const QKeyEvent *>(event);
        const Qt::KeyboardModifiers held =
            key->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
        return held == Qt::AltModifier && !key->text().isEmpty() && key->text().at(0).isPrint();
    }
};

} // namespace

void placeNowAndWhenFramed(QWidget *window, const std::function<void()> &place)
{
    place();
    if (window->windowHandle())
        new FrameWatch(window, place);
}

#if defined(TABELORA_HAVE_XCB)
namespace {
// The value of the root window's property, up to 64 KB of it; empty where it is missing.
QByteArray rootProperty(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t property,
                        xcb_atom_t type)
{
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, property, type, 0, 16384), nullptr),
        &std::free);
    if (!reply || reply->type != type)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}
} // namespace
#endif

std::optional<DesktopArea> desktopAreaBeforeStart()
{
#if defined(Q_OS_WIN)
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        return std::nullopt;
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return DesktopArea{QSize(work.right - work.left, work.bottom - work.top), dpi / 96.0};
#elif defined(TABELORA_HAVE_XCB)
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem <= 0)
        return std::nullopt;
    const xcb_screen_t *screen = screens.data;
    DesktopArea desktop{QSize(screen->width_in_pixels, screen->height_in_pixels)};
    // The window manager's free area of the first desktop: x, y, width, height.
    const QByteArray area =
        rootProperty(connection.get(), screen->root, atomNamed(connection.get(), "_NET_WORKAREA"),
                     XCB_ATOM_CARDINAL);
    if (area.size() >= int(4 * sizeof(uint32_t))) {
        uint32_t values[4];
        std::memcpy(values, area.constData(), sizeof values);
        if (values[2] > 0 && values[3] > 0)
            desktop.available = desktop.available.boundedTo(QSize(int(values[2]), int(values[3])));
    }
    // "Xft.dpi:\t144" among the desktop's resources, which Qt reads too.
    const QByteArray resources =
        rootProperty(connection.get(), screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING);
    for (const QByteArray &line : resources.split('\n'))
        if (line.startsWith("Xft.dpi:")) {
            bool ok = false;
            const double dpi = line.mid(8).trimmed().toDouble(&ok);
            if (ok && dpi > 0)
                desktop.systemScale = dpi / 96;
        }
    return desktop;
#else
    return std::nullopt;
#endif
}

double fittingScale(const DesktopArea &desktop, QSize client, QMargins frame)
{
    const double system = desktop.systemScale;
    const double across = (desktop.available.width() - (frame.left() + frame.right()) * system) /
                          (client.width() * system);
    const double down = (desktop.available.height() - (frame.top() + frame.bottom()) * system) /
                        (client.height() * system);
    // The small allowance keeps an exact fit from being lost to rounding.
    const double steps = std::floor(std::min(across, down) / kScaleStep + 1e-9);
    return std::max(1.0, steps * kScaleStep);
}

void ignoreAltChords(QWidget *edit)
{
    edit->installEventFilter(new AltChordFilter(edit));
}

} // namespace platform
