#include "app/commandbutton.h"
#include "app/datosbox.h"
#include "app/errorbox.h"
#include "app/form1.h"
#include "app/pupildata.h"
#include "app/report.h"
#include "app/resources.h"
#include "app/striploader.h"
#include "support/child.h"
#include "support/imagebytes.h"
#include "support/mainwindow.h"
#include "tiles/animatedcorvalia.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using board::kElementCount;
using layout::Command;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A fault put on the file system for one check, and how to take it off again.
struct Fault
{
    QString reason; // what the system says when the fault stops a save
    std::function<void()> undo;
};

#ifdef Q_OS_LINUX
// Root reads and writes past permission bits through two capabilities. Dropping them from
// this thread's effective set makes the bits hold for root too; the destructor gives them
// back. Ordinary users never had them, so for them this changes nothing.
class PermissionBitsHold
{
public:
    PermissionBitsHold()
    {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, saved_, sizeof reduced);
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        held_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~PermissionBitsHold()
    {
        if (held_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    bool held() const { return held_; }

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool held_ = false;
};
#endif

} // namespace

// The main window fed the bad tile strips and the refused report saves that a classroom
// computer can produce: each is told to the pupil in one message, the game goes on, and
// nothing written before is lost.
class TestRobust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void refusedStripLeavesStripAndGameAsTheyWere_data();
    void refusedStripLeavesStripAndGameAsTheyWere();
    void refusedStripThroughTheOpenCommandIsReported();
    void gameGoesOnWithTheOldStripAfterRefusals();

    void reportThatCannotBeWrittenKeepsTheEarlierFile_data();
    void reportThatCannotBeWrittenKeepsTheEarlierFile();
    void reportOnAFullDiskKeepsTheEarlierFile();
    void pupilTextReachesTheReportWhole_data();
    void pupilTextReachesTheReportWhole();

private:
    QString file(const QString &name, const QByteArray &bytes) const;
    void enviar();
    void checkGameGoesOn();
    QList<QByteArray> reportLines() const;
    // Makes the home file system or a file read-only in a way that holds for root too. (A
    // folder that only refuses new files gets the report written in place.)
    std::optional<Fault> makeReadOnly(const QString &path);
    std::optional<Fault> fillHomeDisk();

    QTemporaryDir scratch;
    QString home;
    bool homeIsOwnMount = false;
    MainWindowFixture *fx = nullptr;
    TForm1 *form = nullptr;
    QWindow *window = nullptr;
    QStringList errors;
};

void TestRobust::initTestCase()
{
    QVERIFY(scratch.isValid());
    home = scratch.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
#ifdef Q_OS_LINUX
    // Where allowed, the home folder is a small file system of its own in a mount namespace
    // private to this test, so that it can be made read-only or full; the mount goes away
    // with the test.
    homeIsOwnMount = ::unshare(CLONE_NEWNS) == 0 &&
                     ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                     ::mount("tabelora-home", QFile::encodeName(home).constData(), "tmpfs", 0,
                             "size=2m,mode=0700") == 0;
#endif
    errorbox::setSink([this](const QString &text) { errors << text; });
    fx = new MainWindowFixture(home);
    QVERIFY(fx->makeWindows());
    form = fx->form;
    window = fx->window;
    QCOMPARE(form->report().path(), QDir(home).filePath(QStringLiteral("result.txt")));
}

void TestRobust::cleanupTestCase()
{
    delete fx;
    errorbox::setSink({});
#ifdef Q_OS_LINUX
    if (homeIsOwnMount)
        ::umount2(QFile::encodeName(home).constData(), MNT_DETACH);
#endif
}

void TestRobust::init()
{
    errors.clear();
    form->activateWindow();
}

QString TestRobust::file(const QString &name, const QByteArray &bytes) const
{
    QFile out(scratch.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return {};
    return out.fileName();
}

void TestRobust::enviar()
{
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      fx->button(Command::Enviar)->geometry().center());
}

QList<QByteArray> TestRobust::reportLines() const
{
    QList<QByteArray> lines = readAll(form->report().path()).split('\n');
    lines.removeLast(); // after the final line feed
    return lines;
}

// After an error the window takes commands as before: a correction counts, a new game deals.
void TestRobust::checkGameGoesOn()
{
    const Game &game = form->game();
    if (game.Corrected())
        fx->button(Command::Nuevo)->click();
    const std::int32_t counted = game.CellsCounted();
    const std::int32_t games = game.GameCount();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      fx->button(Command::Corregir)->geometry().center());
    QVERIFY(game.Corrected());
    QCOMPARE(game.CellsCounted(), counted + kElementCount);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      fx->button(Command::Nuevo)->geometry().center());
    QCOMPARE(game.GameCount(), games + 1);
    QVERIFY(!game.Corrected());
}

// Tile strips.

void TestRobust::refusedStripLeavesStripAndGameAsTheyWere_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<QString>("message"); // %1 stands for the path

    const QByteArray strip = imagebytes::encoded(form->tileStrip(), "BMP");
    QVERIFY(!strip.isEmpty());
    const QString notValid = QStringLiteral("Bitmap image is not valid");

    QTest::newRow("no file given")
        << QString() << false << QStringLiteral("Unknown picture file extension (.)");
    QTest::newRow("missing file") << scratch.filePath(QStringLiteral("missing.bmp")) << false
                                  << QStringLiteral(
                                         "Cannot open file \"%1\". No such file or directory");
    QTest::newRow("empty file") << file(QStringLiteral("empty.bmp"), {}) << false
                                << notValid + QStringLiteral(": the file is empty");
    QTest::newRow("truncated bitmap")
        << file(QStringLiteral("truncated.bmp"), strip.left(strip.size() * 2 / 3)) << false
        << notValid;
    QTest::newRow("header claiming 100000 x 100000")
        << file(QStringLiteral("huge.bmp"), imagebytes::bitmapHeader(100000, 100000)) << false
        << QStringLiteral("Bitmap image is too large (100000 x 100000 pixels)");
    QTest::newRow("icon renamed .bmp")
        << file(QStringLiteral("icon.bmp"),
                imagebytes::encoded(form->tileStrip().copy(0, 0, 32, 32), "ICO"))
        << false
        << notValid + QStringLiteral(": the file holds a picture in ICO format, not a bitmap");
    const QString folder = scratch.filePath(QStringLiteral("folder.bmp"));
    QVERIFY(QDir().mkpath(folder));
    QTest::newRow("folder") << folder << false
                            << QStringLiteral("Cannot open file \"%1\". Is a directory");
    QTest::newRow("unreadable file")
        << file(QStringLiteral("locked.bmp"), strip) << true
        << QStringLiteral("Cannot open file \"%1\". Permission denied");
}

void TestRobust::refusedStripLeavesStripAndGameAsTheyWere()
{
    QFETCH(QString, path);
    QFETCH(bool, unreadable);
    QFETCH(QString, message);

    const Game &game = form->game();
    const QImage strip = form->tileStrip();
    const auto order = game.DealOrder();
    const std::int32_t counted = game.CellsCounted();
    const std::int32_t hits = game.HitTotal();
    const std::int32_t games = game.GameCount();
    QList<QImage> bitmaps;
    for (int n = 1; n <= kElementCount; ++n)
        bitmaps << fx->tile(n)->Bitmap();

    if (unreadable) {
#ifdef Q_OS_LINUX
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        PermissionBitsHold bitsHold;
        if (!bitsHold.held() && ::geteuid() == 0)
            QSKIP("root here can't give up reading past permission bits");
        errorbox::guarded([&] { form->loadStripAndDeal(path); });
#else
        QSKIP("no way here to make a file unreadable");
#endif
    } else {
        errorbox::guarded([&] { form->loadStripAndDeal(path); });
    }

    QCOMPARE(errors,
             QStringList{message.contains(QLatin1String("%1")) ? message.arg(path) : message});
    QCOMPARE(form->tileStrip(), strip);
    QCOMPARE(game.DealOrder(), order);
    QCOMPARE(game.CellsCounted(), counted);
    QCOMPARE(game.HitTotal(), hits);
    QCOMPARE(game.GameCount(), games);
    for (int n = 1; n <= kElementCount; ++n)
        QVERIFY2(fx->tile(n)->Bitmap() == bitmaps.at(n - 1), qPrintable(QString::number(n)));
}

// The hidden command reports a refused file in the error box, after the steps that come
// before its file dialog.
void TestRobust::refusedStripThroughTheOpenCommandIsReported()
{
    const QByteArray strip = imagebytes::encoded(form->tileStrip(), "BMP");
    const QString path = file(QStringLiteral("cut-short.bmp"), strip.left(strip.size() - 100));
    QVERIFY(!path.isEmpty());
    const QImage before = form->tileStrip();
    form->CorrectClick();

    // Answers the file dialog as a pupil would, by choosing the file, where the closer
    // would cancel it.
    fx->closer.reset();
    bool answered = false;
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
            answered = true;
        }
    });
    chooser.start(5);
    fx->button(Command::Abrir)->click();
    chooser.stop();
    fx->closer = std::make_unique<ModalCloser>();

    QVERIFY(answered);
    QCOMPARE(errors, QStringList{QStringLiteral("Bitmap image is not valid")});
    QCOMPARE(form->tileStrip(), before);
    QVERIFY(!form->game().Corrected());
    QVERIFY(form->timer1Active());
}

void TestRobust::gameGoesOnWithTheOldStripAfterRefusals()
{
    const QImage strip = form->tileStrip();
    checkGameGoesOn();
    for (int n : {1, 43, 114})
        QCOMPARE(fx->tile(n)->Bitmap(), striploader::cutTile(strip, n, 38));
    // And a good file after the bad ones is taken.
    const QString path = file(QStringLiteral("good.bmp"), imagebytes::encoded(strip, "BMP"));
    const std::int32_t counted = form->game().CellsCounted();
    errorbox::guarded([&] { form->loadStripAndDeal(path); });
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QCOMPARE(form->game().CellsCounted(), counted + 12);
    QCOMPARE(fx->tile(43)->Bitmap(), striploader::cutTile(strip, 43, 40));
}

// The report.

std::optional<Fault> TestRobust::makeReadOnly(const QString &path)
{
#ifdef Q_OS_LINUX
    const QByteArray name = QFile::encodeName(path);
    if (path == home) {
        if (homeIsOwnMount &&
            ::mount(nullptr, name.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0)
            return Fault{reasonOf(EROFS), [name] {
                             ::mount(nullptr, name.constData(), nullptr, MS_REMOUNT, nullptr);
                         }};
        return std::nullopt;
    }
    if (::geteuid() == 0) {
        // The immutable flag stops root too, where the file system has it.
        const int fd = ::open(name.constData(), O_RDONLY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            const int original = flags;
            flags |= FS_IMMUTABLE_FL;
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0)
                return Fault{reasonOf(EPERM), [fd, original] {
                                 int restore = original;
                                 ::ioctl(fd, FS_IOC_SETFLAGS, &restore);
                                 ::close(fd);
                             }};
        }
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
#endif
    if (path == home)
        return std::nullopt;
    const QFileDevice::Permissions original = QFile::permissions(path);
    if (!QFile::setPermissions(path, QFileDevice::ReadOwner))
        return std::nullopt;
    return Fault{reasonOf(EACCES), [path, original] { QFile::setPermissions(path, original); }};
}

std::optional<Fault> TestRobust::fillHomeDisk()
{
#ifdef Q_OS_LINUX
    if (homeIsOwnMount) {
        // Fill the small file system to its last byte.
        const QString fillerPath = QDir(home).filePath(QStringLiteral("filler"));
        QFile filler(fillerPath);
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return std::nullopt;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        filler.close();
        return Fault{reasonOf(ENOSPC), [fillerPath] { QFile::remove(fillerPath); }};
    }
    // Elsewhere a file-size limit on the process stops the save part-way, as a full disk
    // would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    if (::getrlimit(RLIMIT_FSIZE, &original) != 0)
        return std::nullopt;
    rlimit tight = original;
    tight.rlim_cur = rlim_t(QFileInfo(form->report().path()).size() + 40);
    if (::setrlimit(RLIMIT_FSIZE, &tight) != 0)
        return std::nullopt;
    return Fault{reasonOf(EFBIG), [original] { ::setrlimit(RLIMIT_FSIZE, &original); }};
#else
    return std::nullopt;
#endif
}

void TestRobust::reportThatCannotBeWrittenKeepsTheEarlierFile_data()
{
    QTest::addColumn<bool>("folder"); // the home file system read-only, else the report file
    QTest::newRow("read-only file system") << true;
    QTest::newRow("read-only report file") << false;
}

void TestRobust::reportThatCannotBeWrittenKeepsTheEarlierFile()
{
    QFETCH(bool, folder);
    const QString path = form->report().path();
    enviar();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    const QByteArray earlier = readAll(path);
    const qsizetype lines = form->report().lines().size();

    std::optional<Fault> fault = makeReadOnly(folder ? home : path);
    if (!fault)
        QSKIP("no way here to make it read-only");
    enviar();
    fault->undo();

    QCOMPARE(errors,
             QStringList{QStringLiteral("Cannot create file \"") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\". ") + fault->reason});
    QCOMPARE(readAll(path), earlier);
    QCOMPARE(form->report().lines().size(), lines + 5);
    checkGameGoesOn();

    errors.clear();
    enviar();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QVERIFY(readAll(path).startsWith(earlier));
    QCOMPARE(reportLines().size(), lines + 10);
}

void TestRobust::reportOnAFullDiskKeepsTheEarlierFile()
{
    const QString path = form->report().path();
    enviar();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    const QByteArray earlier = readAll(path);
    const qsizetype lines = form->report().lines().size();
    const QStringList entries = QDir(home).entryList(QDir::Files | QDir::Hidden);

    std::optional<Fault> fault = fillHomeDisk();
    if (!fault)
        QSKIP("no way here to fill a disk");
    enviar();
    // The half-written copy is gone before the space is given back.
    QStringList left = QDir(home).entryList(QDir::Files | QDir::Hidden);
    left.removeOne(QStringLiteral("filler"));
    fault->undo();

    QCOMPARE(errors,
             QStringList{QStringLiteral("Cannot create file \"") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\". ") + fault->reason});
    QCOMPARE(left, entries);
    QCOMPARE(readAll(path), earlier);
    checkGameGoesOn();

    errors.clear();
    enviar();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    QVERIFY(readAll(path).startsWith(earlier));
    QCOMPARE(reportLines().size(), lines + 10);
}

void TestRobust::pupilTextReachesTheReportWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");

    QString longName;
    while (longName.size() < 100000)
        longName += QStringLiteral("Ñandú ");
    longName.truncate(100000);
    QTest::newRow("100,000 characters") << longName << longName.toLatin1();
    QTest::newRow("line breaks and control characters")
        << QStringLiteral("Ana\r\nPérez\u0001\u001B\tB\u2028C")
        << QByteArray("Ana  P\xE9rez??\tB C");
    QTest::newRow("outside Windows-1252") << QStringLiteral("Łódź 中 😀 €")
                                          << QByteArray("?\xF3"
                                                        "d? ? ? \x80");
}

// What the pupil pastes into the data dialog is stored whole and written as one line.
void TestRobust::pupilTextReachesTheReportWhole()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);

    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      fx->button(Command::Datos)->geometry().center());
    TDatosBox *datos = &fx->datosBox();
    QVERIFY(datos && datos->isVisible());
    QLineEdit *edit = child<QLineEdit>(*datos, "Alumno");
    QGuiApplication::clipboard()->setText(name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(child<QPushButton>(*datos, "BitBtn1"), Qt::LeftButton);
    QVERIFY(datos->isHidden());
    QCOMPARE(PupilName.size(), name.size());
    QCOMPARE(PupilName, edit->text());

    const qsizetype before = reportLines().size();
    enviar();
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
    const QList<QByteArray> lines = reportLines();
    QCOMPARE(lines.size(), before + 5);
    QCOMPARE(lines.at(before + 1), "Alumno: " + written + "\r");
}

QTEST_MAIN(TestRobust)
#include "tst_robust.moc"
