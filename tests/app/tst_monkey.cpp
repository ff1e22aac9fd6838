#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/commandbutton.h"
#include "app/datosbox.h"
#include "app/drawnlayer.h"
#include "app/errorbox.h"
#include "app/form1.h"
#include "app/gauge.h"
#include "app/report.h"
#include "app/resources.h"
#include "game/random.h"
#include "support/child.h"
#include "support/mainwindow.h"
#include "support/residentmemory.h"
#include "tiles/animatedcorvalia.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <deque>
#include <random>

#ifdef TABELORA_HAVE_XTEST
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#endif

using board::kElementCount;
using layout::Command;

namespace {

// The run CTest makes; TABELORA_MONKEY_SEED and TABELORA_MONKEY_EVENTS choose another.
constexpr quint32 kDefaultSeed = 20240611;
constexpr qint64 kDefaultEvents = 100000;
constexpr int kBatch = 500;               // events between two checks of the whole window
constexpr qint64 kProgressEvery = 100000; // events

// The offscreen platform can't raise windows or pass size hints on, and says so each time the
// data dialog is brought to the front; that says nothing about the program.
QtMessageHandler previousHandler = nullptr;
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, text);
}

qint64 fromEnvironment(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value >= 0 ? value : fallback;
}

// The score line of a report block, with its three figures.
const QRegularExpression kScoreLine(QStringLiteral("^Aciertos: (\\d+) de (\\d+) \\((\\d+) %\\)$"));

// What a pupil may type into the data dialog: Spanish letters, characters Windows-1252 lacks,
// one outside the 16-bit range, spaces and a tab.
const QString kTypedCharacters = QStringLiteral("abcxyzABCñÑáéíóúü¿¡º€ 0129\t.-Łź中Ω");
const QString kAstral = QStringLiteral("😀");

enum class Action
{
    Move,
    HoverTile,
    Press,
    Release,
    Drag,
    ClickCell,
    DoubleClick,
    Accelerator,
    Key,
    CommandWhileHeld,
    Wait,
    UseDatos,
    Corregir,
    Nuevo,
    Enviar,
    Datos,
    Ayuda,
    Elementos,
};

struct WeightedAction
{
    Action action;
    int weight; // thousandths: the table adds up to 1000
};

// Mostly pointer work, as a pupil's is; the windows that stop the game for a moment rarely.
inline constexpr WeightedAction kActions[] = {
    {Action::Move, 437},       {Action::CommandWhileHeld, 5},
    {Action::HoverTile, 120},  {Action::Press, 80},
    {Action::Release, 80},     {Action::Drag, 60},
    {Action::ClickCell, 50},   {Action::DoubleClick, 10},
    {Action::Accelerator, 10}, {Action::Key, 30},
    {Action::Wait, 10},        {Action::UseDatos, 70},
    {Action::Corregir, 10},    {Action::Nuevo, 8},
    {Action::Enviar, 10},      {Action::Datos, 6},
    {Action::Ayuda, 2},        {Action::Elementos, 2},
};

constexpr int kActionWeightTotal = [] {
    int total = 0;
    for (const WeightedAction &a : kActions)
        total += a.weight;
    return total;
}();
static_assert(kActionWeightTotal == 1000);

#ifdef TABELORA_HAVE_XTEST
// Real input through the X server's test extension, for runs on the xcb platform: the
// server routes it as it routes a hand's, through pointer grabs and the keyboard focus,
// which the offscreen platform has none of.
class XInput
{
public:
    XInput() : display_(XOpenDisplay(nullptr)) {}
    ~XInput()
    {
        if (display_)
            XCloseDisplay(display_);
    }
    XInput(const XInput &) = delete;
    XInput &operator=(const XInput &) = delete;

    bool usable() const
    {
        int event = 0, error = 0, major = 0, minor = 0;
        return display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
    }
    void move(QPoint global)
    {
        XTestFakeMotionEvent(display_, -1, global.x(), global.y(), CurrentTime);
        XSync(display_, False);
    }
    void button(Qt::MouseButton b, bool down)
    {
        XTestFakeButtonEvent(display_, b == Qt::RightButton ? 3 : 1, down, CurrentTime);
        XSync(display_, False);
    }
    // The key with Alt or Shift held as asked.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers)
    {
        QList<KeyCode> codes;
        if (modifiers & Qt::AltModifier)
            codes << XKeysymToKeycode(display_, XK_Alt_L);
        if (modifiers & Qt::ShiftModifier)
            codes << XKeysymToKeycode(display_, XK_Shift_L);
        codes << XKeysymToKeycode(display_, keysym(k));
        for (KeyCode code : codes)
            XTestFakeKeyEvent(display_, code, True, CurrentTime);
        for (qsizetype i = codes.size() - 1; i >= 0; --i)
            XTestFakeKeyEvent(display_, codes.at(i), False, CurrentTime);
        XSync(display_, False);
    }

private:
    static KeySym keysym(Qt::Key k)
    {
        switch (k) {
        case Qt::Key_Tab:
            return XK_Tab;
        case Qt::Key_Space:
            return XK_space;
        case Qt::Key_Return:
            return XK_Return;
        case Qt::Key_Escape:
            return XK_Escape;
        case Qt::Key_Left:
            return XK_Left;
        case Qt::Key_Down:
            return XK_Down;
        default: // letters and digits: Qt's codes are their upper-case characters
            return XStringToKeysym(
                QByteArray(1, char(QChar(char16_t(k)).toLower().unicode())).constData());
        }
    }

    Display *display_;
};
#endif

} // namespace

// A seeded random pupil: a stream of real pointer and keyboard events against the main
// window, with the game's invariants checked after every batch and after every "Enviar".
class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomPupilNeverBreaksTheGame();

private:
    // Random choices.
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
    QPoint anywhere();
    // Points at or beyond the window's far edges would only draw warnings from the test
    // library; the near edges may be passed.
    QPoint inside(QPoint p) const;
    QPoint onTile(int n);
    QPoint onCell(int n);
    QPoint centreOf(const QWidget *w) const { return w->mapTo(form, w->rect().center()); }

    // Actions; every event sent counts toward the run's size.
    void step();
    void move(QPoint p);
    void press(Qt::MouseButton button, QPoint p);
    void release(Qt::MouseButton button, QPoint p);
    void click(QPoint p);
    void drag();
    void clickButton(Command command);
    void accelerator();
    void key();
    void sendKey(Qt::Key k, Qt::KeyboardModifiers modifiers);
    void commandWhileHeld();
    void useDatos();
    void activateMainWindow();
    // On the X display, lets the program take in the input sent so far.
    void settle();

    // Checks.
    void noteEnviar();
    // justSent: the newest block must also carry the score as it stands now.
    QString checkReportFile(bool justSent);
    QString checkWindow();
    QString context() const;
    void log(const QString &action);

    std::mt19937 rng;
    std::mt19937 dealSeeds;
    quint32 seed = 0;
    qint64 events = 0;
    qint64 sent = 0;
    QTemporaryDir home;
    MainWindowFixture *fx = nullptr;
    ModalCloser *closer = nullptr;
    TForm1 *form = nullptr;
    QWindow *window = nullptr;
#ifdef TABELORA_HAVE_XTEST
    std::unique_ptr<XInput> x; // set when the run is on an X display
#endif
    Qt::MouseButtons held;
    QStringList errors;
    QStringList faults;
    std::deque<QString> recent;

    qint64 nuevoRuns = 0;
    qint64 correctClicks = 0;
    qint64 enviarRuns = 0;
    qint64 overlapsSeen = 0;
    qint64 commandsWhileHeld = 0;
    std::int32_t lastHits = 0;
    std::int32_t lastCounted = 0;
    QByteArray lastReport;      // the report as last checked
    qsizetype checkedLines = 0; // its lines
};

void TestMonkey::initTestCase()
{
    seed = quint32(fromEnvironment("TABELORA_MONKEY_SEED", kDefaultSeed));
    events = fromEnvironment("TABELORA_MONKEY_EVENTS", kDefaultEvents);
    rng.seed(seed);
    dealSeeds.seed(seed ^ 0x9E3779B9u);
    qInfo("monkey: seed %u, %lld events (replay with tools/monkey.sh %u %lld)", seed, events, seed,
          events);

    previousHandler = qInstallMessageHandler(quietOffscreenNotices);
    QVERIFY(home.isValid());
    // Deals repeat with the seed; the drift still depends on when the timers fire.
    Random::shared().setSeedSource([this] { return std::uint32_t(dealSeeds()); });
    errorbox::setSink([this](const QString &text) { errors << text; });
    fx = new MainWindowFixture(home.path());
    QVERIFY(fx->makeWindows());
    closer = fx->closer.get();
    form = fx->form;
    window = fx->window;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
#ifdef TABELORA_HAVE_XTEST
        x = std::make_unique<XInput>();
        QVERIFY2(x->usable(), "the X server has no test extension");
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
#else
        QSKIP("built without the X test extension");
#endif
    }
    QCOMPARE(form->report().path(), QDir(home.path()).filePath(QStringLiteral("result.txt")));

    connect(fx->button(Command::Nuevo), &QPushButton::clicked, this, [this] { ++nuevoRuns; });
    connect(fx->button(Command::Corregir), &QPushButton::clicked, this,
            [this] { ++correctClicks; });
    // Connected after the window's own handler, so this runs once the report is saved.
    connect(fx->button(Command::Enviar), &QPushButton::clicked, this, [this] { noteEnviar(); });
}

void TestMonkey::cleanupTestCase()
{
    delete fx;
    errorbox::setSink({});
    Random::shared().setSeedSource({});
    qInstallMessageHandler(previousHandler);
}

QPoint TestMonkey::anywhere()
{
    // Now and then a little outside the window, as a fast drag leaves it.
    if (chance(0.03))
        return {between(-40, form->width() - 1), between(-40, form->height() - 1)};
    return {between(0, form->width() - 1), between(0, form->height() - 1)};
}

QPoint TestMonkey::inside(QPoint p) const
{
    return {std::min(p.x(), form->width() - 1), std::min(p.y(), form->height() - 1)};
}

QPoint TestMonkey::onTile(int n)
{
    const TAnimatedCorvalia *tile = fx->tile(n);
    return inside(tile->pos() + QPoint(int(rng() % quint32(std::max(1, tile->width()))),
                                       int(rng() % quint32(std::max(1, tile->height())))));
}

QPoint TestMonkey::onCell(int n)
{
    const board::Point c = board::cellCorner(n);
    return QPoint(c.x, c.y) + QPoint(int(rng() % 40), int(rng() % 40));
}

void TestMonkey::log(const QString &action)
{
    ++sent;
    recent.push_back(QStringLiteral("#%1 %2").arg(sent).arg(action));
    if (recent.size() > 25)
        recent.pop_front();
}

QString TestMonkey::context() const
{
    QString text = QStringLiteral("seed %1 after %2 events (replay: tools/monkey.sh %1 %3); "
                                  "last actions:")
                       .arg(seed)
                       .arg(sent)
                       .arg(events);
    for (const QString &line : recent)
        text += QStringLiteral("\n    ") + line;
    return text;
}

void TestMonkey::settle()
{
#ifdef TABELORA_HAVE_XTEST
    if (x)
        QTest::qWait(30);
#endif
}

// On the X display points may lie anywhere on the screen, also beyond the window's far edges.
void TestMonkey::move(QPoint p)
{
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        log(QStringLiteral("move %1,%2").arg(p.x()).arg(p.y()));
        x->move(window->mapToGlobal(p));
        return QCoreApplication::processEvents();
    }
#endif
    p = inside(p);
    log(QStringLiteral("move %1,%2").arg(p.x()).arg(p.y()));
    QTest::mouseMove(window, p);
}

void TestMonkey::press(Qt::MouseButton button, QPoint p)
{
    held |= button;
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        move(p);
        log(QStringLiteral("press %1").arg(int(button)));
        x->button(button, true);
        return QCoreApplication::processEvents();
    }
#endif
    p = inside(p);
    log(QStringLiteral("press %1 at %2,%3").arg(int(button)).arg(p.x()).arg(p.y()));
    QTest::mousePress(window, button, Qt::NoModifier, p);
}

void TestMonkey::release(Qt::MouseButton button, QPoint p)
{
    held &= ~button;
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        move(p);
        log(QStringLiteral("release %1").arg(int(button)));
        x->button(button, false);
        return QCoreApplication::processEvents();
    }
#endif
    p = inside(p);
    log(QStringLiteral("release %1 at %2,%3").arg(int(button)).arg(p.x()).arg(p.y()));
    QTest::mouseRelease(window, button, Qt::NoModifier, p);
}

void TestMonkey::click(QPoint p)
{
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        press(Qt::LeftButton, p);
        return release(Qt::LeftButton, p);
    }
#endif
    p = inside(p);
    log(QStringLiteral("click at %1,%2").arg(p.x()).arg(p.y()));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, p);
}

void TestMonkey::sendKey(Qt::Key k, Qt::KeyboardModifiers modifiers)
{
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        x->key(k, modifiers);
        return QCoreApplication::processEvents();
    }
#endif
    QTest::keyClick(window, k, modifiers);
}

// Holds a tile and, by key, runs a command (an accelerator, or Enter or Space on the focused
// "&Corregir vistas") or opens a window over the board (the information window, the element
// chart, the data dialog); carries the pointer out of the main window and lets go out there,
// while a modal window is still open. Afterwards the tile no longer follows the pointer.
void TestMonkey::commandWhileHeld()
{
    while (held != Qt::NoButton)
        release(held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton, anywhere());
    ++commandsWhileHeld;
    const int n = between(1, kElementCount);
    QPoint p = onTile(n);
    // The press may land on a cell or frame above the tile; only a tile can be dragged.
    auto *tile = qobject_cast<TAnimatedCorvalia *>(form->childAt(inside(p)));
    const QPoint grab = tile ? inside(p) - tile->pos() : QPoint();
    press(Qt::LeftButton, p);
    move(p += QPoint(between(-5, 5), between(-5, 5)));
    activateMainWindow();
    const auto letGoOutside = [&] {
        while (p.x() < form->width() + 30)
            move(p += QPoint(between(20, 60), between(-8, 8)));
        release(Qt::LeftButton, p);
    };
    // The button comes up out of the window while a modal window is open, before it is
    // closed. Nothing is dispatched meanwhile: a command whose click is still due would open
    // a window inside this one's, which nothing would close.
    closer->onNextModal = [&] {
        p.setX(form->width() + 30);
        held &= ~Qt::LeftButton;
        log(QStringLiteral("release 1 at %1,%2 while a modal window is open").arg(p.x()).arg(p.y()));
#ifdef TABELORA_HAVE_XTEST
        if (x) {
            x->move(window->mapToGlobal(p));
            return x->button(Qt::LeftButton, false);
        }
#endif
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inside(p));
    };
    const auto onButton = [&](Command command, Qt::Key k) {
        log(QStringLiteral("key %1 on \"%2\" with a tile held")
                .arg(int(k), 0, 16)
                .arg(fx->button(command)->text()));
        fx->button(command)->setFocus();
        sendKey(k, Qt::NoModifier);
    };
    switch (between(0, 5)) {
    case 0:
        log(QStringLiteral("Alt+N with a tile held"));
        sendKey(Qt::Key_N, Qt::AltModifier);
        break;
    case 1:
        log(QStringLiteral("Alt+C with a tile held"));
        sendKey(Qt::Key_C, Qt::AltModifier);
        break;
    case 2:
        onButton(Command::Corregir, chance(0.5) ? Qt::Key_Return : Qt::Key_Space);
        break;
    case 3:
        log(QStringLiteral("Alt+A with a tile held"));
        sendKey(Qt::Key_A, Qt::AltModifier);
        break;
    case 4:
        onButton(Command::Elementos, Qt::Key_Space);
        break;
    default:
        log(QStringLiteral("Alt+D with a tile held"));
        sendKey(Qt::Key_D, Qt::AltModifier);
    }
    QTest::qWait(150); // an accelerator clicks after a short flash
    closer->onNextModal = {};
    if (held.testFlag(Qt::LeftButton))
        letGoOutside();
    // With its release the drag is over: the pointer, no button held, takes the tile where it
    // was grabbed and moves on in small steps, which must not bring the tile along.
    activateMainWindow();
    if (!tile)
        return;
    QPoint at = tile->pos() + grab;
    const int dx = at.x() < form->width() / 2 ? 10 : -10;
    for (int step = 0; step < 5; ++step)
        move(at += QPoint(step ? dx : 0, 0));
    settle();
    if (tile->pos() == at - grab && at != p)
        faults << QStringLiteral("tile %1 follows the pointer with no button held (%2)")
                      .arg(tile->NumVista())
                      .arg(context());
}

// Picks a tile up and carries it in steps toward a cell (its own or any) or anywhere.
void TestMonkey::drag()
{
    const int n = between(1, kElementCount);
    QPoint pointer = onTile(n);
    move(pointer);
    press(Qt::LeftButton, pointer);
    QPoint target;
    switch (between(0, 2)) {
    case 0:
        target = onCell(n);
        break;
    case 1:
        target = onCell(between(1, kElementCount));
        break;
    default:
        target = anywhere();
    }
    const int stride = between(2, 30);
    for (int guard = 0; pointer != target && guard < 200; ++guard) {
        const QPoint d = target - pointer;
        pointer += QPoint(std::clamp(d.x(), -stride, stride), std::clamp(d.y(), -stride, stride));
        move(pointer);
    }
    if (chance(0.5)) { // let the lit cell catch up with the tile
        move(pointer + QPoint(1, 0));
        move(pointer);
    }
    release(Qt::LeftButton, pointer);
}

void TestMonkey::clickButton(Command command)
{
    CommandButton *button = fx->button(command);
    activateMainWindow();
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        while (held != Qt::NoButton)
            release(held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton, anywhere());
        return click(centreOf(button));
    }
#endif
    log(QStringLiteral("click \"%1\"").arg(button->text()));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centreOf(button));
}

void TestMonkey::activateMainWindow()
{
    // As a pupil clicks into the window before typing.
#ifdef TABELORA_HAVE_XTEST
    if (x) {
        if (!form->isActiveWindow() && !QApplication::activeModalWidget()) {
            form->activateWindow();
            (void)QTest::qWaitForWindowActive(form, 200);
        }
        return;
    }
#endif
    if (!form->isActiveWindow()) {
        form->activateWindow();
        QCoreApplication::processEvents();
    }
}

void TestMonkey::accelerator()
{
    static constexpr Qt::Key kLetters[] = {Qt::Key_N, Qt::Key_C, Qt::Key_D, Qt::Key_A};
    const Qt::Key letter = kLetters[between(0, 3)];
    log(QStringLiteral("Alt+%1").arg(QChar(char16_t(letter))));
    activateMainWindow();
    sendKey(letter, Qt::AltModifier);
}

void TestMonkey::key()
{
    static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Tab,    Qt::Key_Space,
                                        Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left,
                                        Qt::Key_Down,   Qt::Key_X,      Qt::Key_1};
    const Qt::Key k = kKeys[between(0, int(std::size(kKeys)) - 1)];
    // Shift+Tab goes back along the tab chain.
    const Qt::KeyboardModifiers modifiers =
        k == Qt::Key_Tab && chance(0.5) ? Qt::ShiftModifier : Qt::NoModifier;
    log(QStringLiteral("key %1%2")
            .arg(modifiers != Qt::NoModifier ? "Shift+" : "")
            .arg(int(k), 0, 16));
    activateMainWindow();
    sendKey(k, modifiers);
}

// Something a pupil does with the open data dialog: types, pastes, clears, leaves it with
// "Salir" or with its close box.
void TestMonkey::useDatos()
{
    TDatosBox *datos = &fx->datosBox();
    if (datos->isHidden())
        return move(anywhere());
    QLineEdit *edit = chance(0.5) ? child<QLineEdit>(*datos, "Alumno") : child<QLineEdit>(*datos, "curso");
    switch (between(0, 5)) {
    case 0:
    case 1: {
        QString text;
        for (int i = between(1, 12); i > 0; --i)
            text +=
                chance(0.05)
                    ? kAstral
                    : QString(kTypedCharacters.at(between(0, int(kTypedCharacters.size()) - 1)));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
            log(QStringLiteral("type \"%1\" into %2").arg(text.mid(i, length), edit->objectName()));
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(0), text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
        return;
    }
    case 2:
        // Line breaks and control characters can only arrive by pasting.
        log(QStringLiteral("paste into %1").arg(edit->objectName()));
        QGuiApplication::clipboard()->setText(QStringLiteral("Ana\r\nPérez\u0001\u2028中"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return;
    case 3:
        log(QStringLiteral("clear %1").arg(edit->objectName()));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    case 4:
        log(QStringLiteral("Salir"));
        QTest::mouseClick(child<QPushButton>(*datos, "BitBtn1"), Qt::LeftButton);
        return;
    default:
        log(QStringLiteral("close the data dialog"));
        datos->close();
    }
}

void TestMonkey::step()
{
    int roll = between(0, kActionWeightTotal - 1);
    const WeightedAction *pick = std::begin(kActions);
    while (roll >= pick->weight)
        roll -= (pick++)->weight;

    switch (pick->action) {
    case Action::Move:
        return move(anywhere());
    case Action::HoverTile:
        return move(onTile(between(1, kElementCount)));
    case Action::Press:
        return press(chance(0.85) ? Qt::LeftButton : Qt::RightButton,
                     chance(0.5) ? onTile(between(1, kElementCount)) : anywhere());
    case Action::Release:
        if (held == Qt::NoButton && !chance(0.05)) // a stray release now and then
            return move(anywhere());
        return release(held.testFlag(Qt::RightButton) && !held.testFlag(Qt::LeftButton)
                           ? Qt::RightButton
                           : Qt::LeftButton,
                       anywhere());
    case Action::Drag:
        while (held != Qt::NoButton)
            release(held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton, anywhere());
        return drag();
    case Action::ClickCell:
        return click(onCell(between(1, kElementCount)));
    case Action::DoubleClick: {
        const QPoint p = inside(chance(0.5) ? onTile(between(1, kElementCount)) : anywhere());
#ifdef TABELORA_HAVE_XTEST
        if (x && held == Qt::NoButton) {
            click(p);
            return click(p);
        }
#endif
        log(QStringLiteral("double click at %1,%2").arg(p.x()).arg(p.y()));
        return QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, p);
    }
    case Action::Accelerator:
        return accelerator();
    case Action::Key:
        return key();
    case Action::CommandWhileHeld:
        return commandWhileHeld();
    case Action::Wait: {
        const int ms = between(1, 10);
        log(QStringLiteral("wait %1 ms").arg(ms));
        return QTest::qWait(ms);
    }
    case Action::UseDatos:
        return useDatos();
    case Action::Corregir:
        return clickButton(Command::Corregir);
    case Action::Nuevo:
        return clickButton(Command::Nuevo);
    case Action::Enviar:
        return clickButton(Command::Enviar);
    case Action::Datos:
        return clickButton(Command::Datos);
    case Action::Ayuda:
        return clickButton(Command::Ayuda);
    case Action::Elementos:
        return clickButton(Command::Elementos);
    }
}

void TestMonkey::noteEnviar()
{
    ++enviarRuns;
    const QString fault = checkReportFile(true);
    if (!fault.isEmpty())
        faults << fault;
}

// The report holds one well-formed five-line block per send, oldest first, and nothing
// written before has changed.
QString TestMonkey::checkReportFile(bool justSent)
{
    QFile file(form->report().path());
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the report can't be read: ") + file.errorString();
    const QByteArray bytes = file.readAll();
    // What was checked before must still be there byte for byte; only what follows is new.
    if (!bytes.startsWith(lastReport))
        return QStringLiteral("the report lost or changed what it held before");
    if (!bytes.endsWith("\r\n"))
        return QStringLiteral("the report does not end with CR LF");
    QList<QByteArray> lines = bytes.mid(lastReport.size()).split('\n');
    lines.removeLast(); // after the final line feed
    if (checkedLines + lines.size() != enviarRuns * 5 || lines.isEmpty() == justSent)
        return QStringLiteral("the report has %1 lines after %2 sends")
            .arg(checkedLines + lines.size())
            .arg(enviarRuns);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype number = checkedLines + i; // counted from 0
        QByteArray line = lines.at(i);
        if (!line.endsWith('\r') || line.count('\r') != 1)
            return QStringLiteral("line %1 of the report does not end in one CR LF")
                .arg(number + 1);
        line.chop(1);
        const qsizetype row = number % 5;
        const bool good = (row == 0 && line == "Pr\xE1"
                                               "ctica de Corvalia ") ||
                          (row == 1 && line.startsWith("Alumno: ")) ||
                          (row == 2 && line.startsWith("Grupo : ")) ||
                          (row == 3 && line == QByteArray(46, '_')) ||
                          (row == 4 && kScoreLine.match(QString::fromLatin1(line)).hasMatch());
        if (!good)
            return QStringLiteral("line %1 of the report is malformed: %2")
                .arg(number + 1)
                .arg(QString::fromLatin1(line.left(80)));
    }
    checkedLines += lines.size();
    lastReport = bytes;
    if (!justSent)
        return {};
    const QRegularExpressionMatch score =
        kScoreLine.match(QString::fromLatin1(lines.last().chopped(1)));
    const std::int32_t hits = form->game().HitTotal();
    const std::int32_t counted = form->game().CellsCounted();
    const int percent = counted == 0 ? 0 : int(std::nearbyint(hits * 100.0 / counted));
    if (score.captured(1).toInt() != hits || score.captured(2).toInt() != counted ||
        score.captured(3).toInt() != percent)
        return QStringLiteral("the last score line \"%1\" does not show %2 of %3")
            .arg(score.captured(0))
            .arg(hits)
            .arg(counted);
    return {};
}

QString TestMonkey::checkWindow()
{
    settle();
    const Game &game = form->game();

    std::array<bool, kElementCount + 1> dealt{};
    for (int i = 1; i <= kElementCount; ++i) {
        const std::int32_t slot = game.DealOrder()[i];
        if (slot < 1 || slot > kElementCount || dealt[slot])
            return QStringLiteral("DealOrder is not a permutation (tile %1 in slot %2)")
                .arg(i)
                .arg(slot);
        dealt[slot] = true;
    }

    if (game.HitTotal() < lastHits || game.CellsCounted() < lastCounted)
        return QStringLiteral("the score went down: %1 of %2 after %3 of %4")
            .arg(game.HitTotal())
            .arg(game.CellsCounted())
            .arg(lastHits)
            .arg(lastCounted);
    if (game.HitTotal() < 0 || game.HitTotal() > game.CellsCounted())
        return QStringLiteral("%1 hits of %2 cells").arg(game.HitTotal()).arg(game.CellsCounted());
    lastHits = game.HitTotal();
    lastCounted = game.CellsCounted();
    if (game.GameCount() != 1 + nuevoRuns)
        return QStringLiteral("GameCount %1 after %2 new games").arg(game.GameCount()).arg(nuevoRuns);
    if (fx->label("Veces")->caption() != QString::number(game.GameCount()))
        return QStringLiteral("Veces shows %1").arg(fx->label("Veces")->caption());
    if (fx->label("Contador")->caption() != QString::number(game.HitTotal()))
        return QStringLiteral("Contador shows %1").arg(fx->label("Contador")->caption());
    if (fx->gauge()->progress() != game.hitPercentage())
        return QStringLiteral("the gauge shows %1").arg(fx->gauge()->progress());

    // Blank cells are the window's own children, stacked above the surface that holds the
    // tiles; none of them may end up on that surface or below it.
    DrawnLayer *layer = fx->surface();
    const QObjectList &children = form->children();
    const qsizetype layerIndex = children.indexOf(layer);
    for (int n = 1; n <= kElementCount; ++n) {
        if (fx->tile(n)->parentWidget() != layer || fx->tile(n)->NumVista() != n)
            return QStringLiteral("tile %1 left the drawn surface or lost its number").arg(n);
        if (fx->panel(n)->parentWidget() != form ||
            children.indexOf(fx->panel(n)) <= layerIndex)
            return QStringLiteral("blank cell %1 is not stacked above the tiles").arg(n);
        if (game.Corrected() && !fx->panel(n)->isHidden())
            return QStringLiteral("blank cell %1 is shown on a corrected board").arg(n);
    }

    // And on screen: wherever a tile lies under a visible blank cell, the cell is what shows.
    const QImage shot = form->grab().toImage();
    for (int n = 1; n <= kElementCount; ++n) {
        const BlankCell *cell = fx->panel(n);
        if (cell->isHidden())
            continue;
        const QRgb fill = colours::toQColor(cell->colour()).rgb();
        const QRect inside = cell->geometry().adjusted(1, 1, -2, -2); // within the bevel
        QList<QPoint> probes{inside.center()};
        for (int t = 1; t <= kElementCount; ++t) {
            const TAnimatedCorvalia *tile = fx->tile(t);
            const QRect overlap = inside & tile->geometry();
            if (tile->isHidden() || overlap.isEmpty())
                continue;
            ++overlapsSeen;
            probes << overlap.topLeft() << overlap.bottomRight() << overlap.center();
        }
        for (const QPoint &p : probes)
            if (shot.pixel(p) != fill)
                return QStringLiteral("at %1,%2 something covers visible blank cell %3")
                    .arg(p.x())
                    .arg(p.y())
                    .arg(n);
    }

    if (QFile::exists(form->report().path()) || enviarRuns > 0) {
        const QString fault = checkReportFile(false);
        if (!fault.isEmpty())
            return fault;
    }
    if (!errors.isEmpty())
        return QStringLiteral("an error reached the pupil: ") + errors.join(QStringLiteral("; "));
    return faults.isEmpty() ? QString() : faults.join(QStringLiteral("; "));
}

void TestMonkey::randomPupilNeverBreaksTheGame()
{
    QElapsedTimer clock;
    clock.start();
    qint64 nextCheck = kBatch;
    while (sent < events) {
        step();
        if (sent >= nextCheck || sent >= events) {
            if (sent / kProgressEvery != (nextCheck - kBatch) / kProgressEvery)
                qInfo("monkey: %lld events after %.0f s, resident memory %ld KiB, report %lld "
                      "KiB",
                      sent, clock.elapsed() / 1000.0, residentKiB(), lastReport.size() / 1024);
            nextCheck = sent + kBatch;
            const QString fault = checkWindow();
            QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral("\n") + context()));
        }
    }
    // Leave the window as a pupil would: buttons up, dialog closed, then one last check.
    while (held != Qt::NoButton)
        release(held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton, anywhere());
    fx->datosBox().close();
    const QString fault = checkWindow();
    QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral("\n") + context()));

    qInfo("monkey: %lld events in %.1f s; %lld new games, %lld presses of \"&Corregir vistas\", "
          "%lld sends, "
          "%lld information or chart windows, %lld tile-under-cell overlaps checked, %lld "
          "commands run with a tile held; "
          "%d hits of %d cells",
          sent, clock.elapsed() / 1000.0, nuevoRuns, correctClicks, enviarRuns,
          qint64(closer->seen.size()), overlapsSeen, commandsWhileHeld, form->game().HitTotal(),
          form->game().CellsCounted());
    // A long run must have met each of the situations the checks are about.
    if (events >= 20000) {
        QVERIFY(nuevoRuns > 0 && correctClicks > 0 && enviarRuns > 0 && commandsWhileHeld > 0);
        QVERIFY(overlapsSeen > 0);
    }
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
