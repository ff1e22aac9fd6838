#include "app/form1.h"

#include "app/aboutbox.h"
#include "app/accessible.h"
#include "app/bevel.h"
#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/commandbutton.h"
#include "app/datosbox.h"
#include "app/drawnlayer.h"
#include "app/elementos.h"
#include "app/errorbox.h"
#include "app/frameshape.h"
#include "app/gauge.h"
#include "app/language.h"
#include "app/marks.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/report.h"
#include "app/resources.h"
#include "app/sending.h"
#include "app/striploader.h"
#include "app/targetmark.h"
#include "game/elements.h"
#include "tiles/animatedcorvalia.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>

#include <algorithm>
#include <utility>

using namespace layout;

namespace {
// Where a cell stands, as a screen reader says it: "Casilla 6, periodo 2, grupo 14".
QString cellName(int n)
{
    const int group = board::group(n);
    const int period = board::period(n);
    if (group)
        return TForm1::tr("Casilla %1, periodo %2, grupo %3").arg(n).arg(period).arg(group);
    return period == 6 ? TForm1::tr("Casilla %1, periodo %2, lantánidos").arg(n).arg(period)
                       : TForm1::tr("Casilla %1, periodo %2, actínidos").arg(n).arg(period);
}

// The states at room temperature, as a tile's name says them after its element's name.
constexpr std::pair<elements::State, const char *> kStateNames[] = {
    {elements::State::Solid, QT_TRANSLATE_NOOP("TForm1", "sólido")},
    {elements::State::Liquid, QT_TRANSLATE_NOOP("TForm1", "líquido")},
    {elements::State::Gas, QT_TRANSLATE_NOOP("TForm1", "gas")},
    {elements::State::Synthetic, QT_TRANSLATE_NOOP("TForm1", "sintético")},
};

// "Na, Sodio", as the table writes them.
QString elementText(int n, board::Table table)
{
    const elements::Element &element = elements::element(n, table);
    return QString::fromUtf8(element.symbol.data(), qsizetype(element.symbol.size())) +
           QStringLiteral(", ") + language::elementName(n, table);
}

QString stateName(elements::State state)
{
    for (const auto &[s, name] : kStateNames)
        if (s == state)
            return TForm1::tr(name);
    return QString();
}

// The strip the tiles are cut from, kept as decoded: the built-in picture has a palette, a
// quarter of the memory of 32-bit pixels. Each tile gets its own 32-bit copy when it is cut.
QImage builtInStrip(board::Table table)
{
    QImage strip = resources::picture(table == board::Table::Today
                                          ? QStringLiteral(":/assets/tilestrip-actual.png")
                                          : QStringLiteral(":/assets/tilestrip.png"));
    if (strip.isNull()) {
        strip = QImage(board::kStripPicture * board::elementCount(table), board::kStripPicture,
                       QImage::Format_RGB32);
        strip.fill(colours::toQColor(board::kEmptyCellColour));
    }
    return strip;
}
} // namespace

TForm1::TForm1(QWidget *parent, board::Table table)
    : QWidget(parent), placement_(*this, board::elementCount(table)), game_(*this, *this, table),
      pickup_(*this, placement_, game_, QApplication::keyboardInputInterval()),
      report_(std::make_unique<Report>()), Image1(builtInStrip(table))
{
    accessible::installInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tabelora"));
    setAccessibleName(windowTitle());
    //: What a screen reader says of the window the first time: how to play by keys.
    setAccessibleDescription(tr("F6 lleva al tablero y vuelve a los botones. En el tablero, las "
                                "flechas o la inicial del símbolo eligen una ficha; Intro la "
                                "coge, las flechas, el número o Inicio y Fin eligen la casilla e "
                                "Intro la deja; Escape la devuelve. Tras corregir, F7 dice las "
                                "fichas mal colocadas y F8 repite el resultado."));
    setFixedSize(kClientWidth, clientHeight(table));
    setFont(resources::font(kWindowFont));
    buildLayout();
    // The reveal timer counts from the moment the window is built.
    Timer1.start(kTimer1Interval, this);
    keyClock_.start();
    game_.FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::almovermouse(TileView &sender)
{
    errorbox::guarded([&] {
        placement_.almovermouse(sender);
        pickup_.keepTargetLit();
    });
}

void TForm1::alSoltarmouse(TileView &sender)
{
    errorbox::guarded([&] { placement_.alSoltarmouse(sender); });
}

void TForm1::buildLayout()
{
    layer_ = new DrawnLayer(colours::toQColor(clMoneyGreen), this);
    layer_->setGeometry(rect());
    connect(layer_, &DrawnLayer::bareMouseMoved, this,
            [this](int x, int y) { errorbox::guarded([&] { placement_.FormMouseMove(x, y); }); });
    connect(layer_, &DrawnLayer::bareMouseEntered, this,
            [this](int x, int y) { errorbox::guarded([&] { placement_.FormMouseEnter(x, y); }); });
    connect(layer_, &DrawnLayer::pressed, this,
            [this] { errorbox::guarded([&] { pickup_.putBack(); }); });
    connect(layer_, &DrawnLayer::keyPressed, this, &TForm1::boardKey);
    connect(layer_, &DrawnLayer::focusLost, this, [this] {
        readerFocus_ = nullptr;
        errorbox::guarded([&] { pickup_.leaveBoard(); });
    });
    //: What a screen reader calls the board: the blank table the tiles are put on.
    layer_->setAccessibleName(tr("Tabla periódica"));

    for (const DrawnSpec &entry : kDrawnUnderFrames)
        addDrawn(entry);
    for (int n = 1; n <= game_.elementCount(); ++n) {
        shapes_[n] = new FrameShape(n, layer_);
        shapes_[n]->resize(board::kCellSize, board::kCellSize);
        shapes_[n]->hide();
    }
    for (const DrawnSpec &entry : kDrawnOverFrames)
        addDrawn(entry);

    gauge_->setAccessibleName(tr("Porcentaje de aciertos"));
    Contador->setAccessibleName(tr("Total aciertos"));
    Veces->setAccessibleName(tr("Intentos"));

    // Windowed controls: made after the surface, so they lie above everything drawn on it.
    for (int n = 1; n <= game_.elementCount(); ++n) {
        panels_[n] = new BlankCell(n, this);
        panels_[n]->resize(board::kCellSize, board::kCellSize);
        panels_[n]->setAccessibleName(cellName(n));
        connect(panels_[n], &BlankCell::clicked, this,
                [this](int cell) { errorbox::guarded([&] { placement_.Panel1Click(cell); }); });
        panels_[n]->installEventFilter(this);
    }
    targetMark_ = new TargetMark(this);
    announcer_ = new Announcer(this);
    layer_->installEventFilter(this);
    addButtons();
}

QWidget *TForm1::addDrawn(const DrawnSpec &entry)
{
    QWidget *control = nullptr;
    switch (entry.kind) {
    case Kind::LoweredBox:
        control = new Bevel(layer_);
        break;
    case Kind::Label:
    case Kind::RightLabel: {
        const QString text = QCoreApplication::translate("layout", entry.text);
        auto *label =
            new CaptionLabel(text, resources::font(entry.font), colours::toQColor(entry.colour),
                             entry.kind == Kind::RightLabel, layer_);
        if (!entry.transparent)
            label->setBackground(colours::toQColor(clMoneyGreen));
        label->setGeometry(entry.left, entry.top, entry.width, entry.height);
        label->fitToCaption();
        control = label;
        break;
    }
    case Kind::Picture: {
        const QImage image = resources::picture(language::picture(QString::fromUtf8(entry.text)),
                                                entry.width, entry.height);
        control =
            new PictureBox(entry.transparent ? resources::keyedByBottomLeft(image) : image, layer_);
        break;
    }
    case Kind::Gauge:
        control = new TGauge(layer_);
        control->setFont(resources::font(entry.font));
        break;
    }
    control->setObjectName(QString::fromUtf8(entry.name));
    if (entry.accessibleName)
        control->setAccessibleName(QCoreApplication::translate("layout", entry.accessibleName));
    if (entry.kind != Kind::Label && entry.kind != Kind::RightLabel)
        control->setGeometry(entry.left, entry.top, entry.width, entry.height);
    control->setVisible(entry.visible);
    hold(entry.role, control);
    return control;
}

// The layout's checks make sure each role comes with its kind of control.
void TForm1::hold(Role role, QWidget *control)
{
    const auto label = [control] { return static_cast<CaptionLabel *>(control); };
    switch (role) {
    case Role::None:
        return;
    case Role::Contador:
        Contador = label();
        return;
    case Role::Veces:
        Veces = label();
        return;
    case Role::Gauge:
        gauge_ = static_cast<TGauge *>(control);
        return;
    case Role::Mensaje:
        mensaje = label();
        return;
    case Role::Genio:
        genio = static_cast<PictureBox *>(control);
        return;
    case Role::LegendSolidLiquid:
        Image2 = static_cast<PictureBox *>(control);
        return;
    case Role::LegendGasSynthetic:
        Image3 = static_cast<PictureBox *>(control);
        return;
    case Role::CentreX:
        Label1 = label();
        return;
    case Role::CentreY:
        Label2 = label();
        return;
    case Role::Candidate:
        Label4 = label();
        return;
    }
}

void TForm1::addButtons()
{
    std::array<size_t, std::size(kButtons)> byTabOrder{};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonSpec &entry = kButtons[i];
        auto *button = new CommandButton(QCoreApplication::translate("layout", entry.caption),
                                         resources::picture(QString::fromUtf8(entry.glyph)),
                                         entry.glyphStates, this);
        button->setObjectName(QString::fromUtf8(entry.name));
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
        button->setGeometry(entry.left, entry.top, entry.width, kButtonHeight);
        button->setVisible(entry.visible);
        const Command command = entry.command;
        connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        buttons_[i] = button;
        byTabOrder[i] = i;
    }
    std::sort(byTabOrder.begin(), byTabOrder.end(),
              [](size_t a, size_t b) { return kButtons[a].tabOrder < kButtons[b].tabOrder; });
    for (size_t i = 1; i < byTabOrder.size(); ++i)
        QWidget::setTabOrder(buttons_[byTabOrder[i - 1]], buttons_[byTabOrder[i]]);
    button(Command::Corregir)->setFocus();
}

CommandButton *TForm1::button(Command command) const
{
    for (size_t i = 0; i < std::size(kButtons); ++i)
        if (kButtons[i].command == command)
            return buttons_[i];
    return nullptr;
}

void TForm1::setWindows(TDatosBox *datos, TElementos *elementos)
{
    datos_ = datos;
    elementos_ = elementos;
}

void TForm1::runCommand(Command command)
{
    errorbox::guarded([&] {
        switch (command) {
        case Command::Nuevo:
            return BitBtn2Click();
        case Command::Corregir:
            return CorrectClick();
        case Command::Datos:
            return BitBtn3Click();
        case Command::Enviar:
            return Op1Click();
        case Command::Ayuda:
            return BitBtn1Click();
        case Command::Elementos:
            return BitBtn4Click();
        case Command::Abrir:
            return OpenClick();
        }
    });
}

namespace {
// Holds the pointer on the main window while a command shows a whole set of blank cells or
// frames. Showing a control inside the window that last had the pointer makes Qt ask the X
// server where the pointer is, once per control, to send enter and leave events: 114 round
// trips that freeze every drifting tile for 10 ms or more. While a widget holds the pointer
// Qt does not ask; blank cells and frames do nothing on enter or leave. Nothing is held
// while the window is hidden or a modal window is open, nor while a button is down: the
// press has its own grab (a tile being dragged keeps the pointer even outside the window),
// and releasing a hold taken over it would end that grab too, losing the release.
class PointerHold
{
public:
    explicit PointerHold(QWidget *window)
        : window_(window->isVisible() && !QWidget::mouseGrabber() &&
                          QGuiApplication::mouseButtons() == Qt::NoButton &&
                          !QApplication::activeModalWidget()
                      ? window
                      : nullptr)
    {
        if (window_)
            window_->grabMouse();
    }
    ~PointerHold()
    {
        if (window_)
            window_->releaseMouse();
    }
    PointerHold(const PointerHold &) = delete;
    PointerHold &operator=(const PointerHold &) = delete;

private:
    QWidget *window_;
};

// Turns the window's updates off while a command moves, shows or hides a whole set of
// controls, and back on after it: the window is then repainted once. With updates on, every
// one of the hundreds of changes adds its rectangles to the window's dirty region, and
// merging them one by one cost more than the command's own work.
class OneRepaint
{
public:
    explicit OneRepaint(QWidget *window)
        : window_(window->isVisible() && window->updatesEnabled() ? window : nullptr)
    {
        if (window_)
            window_->setUpdatesEnabled(false);
    }
    ~OneRepaint()
    {
        if (window_)
            window_->setUpdatesEnabled(true);
    }
    OneRepaint(const OneRepaint &) = delete;
    OneRepaint &operator=(const OneRepaint &) = delete;

private:
    QWidget *window_;
};
} // namespace

void TForm1::BitBtn2Click()
{
    pickup_.putBack();
    PointerHold hold(this);
    OneRepaint repaint(this);
    game_.startNextGame();
    announcer_->say(tr("Nuevo tablero: intento %1.").arg(game_.GameCount()));
}

void TForm1::CorrectClick()
{
    pickup_.putBack();
    PointerHold hold(this);
    OneRepaint repaint(this);
    const bool before = game_.Corrected();
    game_.correct();
    if (before || !game_.Corrected())
        return;
    sayResult();
}

// The last correction's result, as a reader hears it after the correction and again on F8.
void TForm1::sayResult()
{
    const CorrectionMade *last = game_.lastCorrection();
    if (!last) {
        announcer_->say(tr("Aún no has corregido."));
        return;
    }
    //: What a screen reader says after a correction: this correction's hits out of the
    //: cells, the running total and its percentage, and the attempt.
    announcer_->say(tr("Corrección: %1 de %2 bien colocados. Total aciertos %3, %4 %. Intento %5.")
                        .arg(last->hits)
                        .arg(last->judged)
                        .arg(game_.HitTotal())
                        .arg(game_.hitPercentage())
                        .arg(last->game));
    if (game_.congratulated())
        announcer_->say(tr("Si no has hecho trampa, ¡eres un genio!"));
}

void TForm1::BitBtn3Click()
{
    datos_->showOrRaise();
    datos_->setHeading(tr("Prácticas del Tabelora"));
}

void TForm1::Op1Click()
{
    const QStringList failures =
        sending::send(game_, *report_, resultsFolder_);
    for (const QString &failure : failures)
        errorbox::show(failure);
    // Sending shows nothing when it works; a reader is told.
    announcer_->say(failures.isEmpty() ? tr("Resultados enviados.")
                                       : tr("No se pudieron enviar todos los resultados."));
}

void TForm1::setResultsFolder(const QString &folder)
{
    resultsFolder_ = folder;
}

void TForm1::setMarks(bool shown)
{
    for (int n = 1; n <= game_.elementCount(); ++n) {
        shapes_[n]->setMarksShown(shown);
        const elements::State state = elements::element(n, game_.table()).state;
        Tiles[n]->setOverlay(shown ? marks::statePattern(state) : QImage(),
                             marks::kTilePatternCorner);
    }
    Image2->setOverlays(shown ? marks::legendPatterns(Role::LegendSolidLiquid)
                              : QList<PictureBox::Overlay>());
    Image3->setOverlays(shown ? marks::legendPatterns(Role::LegendGasSynthetic)
                              : QList<PictureBox::Overlay>());
}

void TForm1::BitBtn1Click()
{
    showInformationWindow();
}

void TForm1::BitBtn4Click()
{
    elementos_->exec();
}

void TForm1::OpenClick()
{
    game_.prepareStripReload();
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      tr("Archivos de 12 imágenes (*.BMP)"));
    if (path.isEmpty())
        return;
    loadStripAndDeal(path);
}

void TForm1::loadStripAndDeal(const QString &path)
{
    Image1 = striploader::loadTileStrip(path).convertToFormat(QImage::Format_RGB32);
    game_.LeerVistas();
}

// BoardView

void TForm1::setPanelPos(int n, board::Point corner)
{
    panels_[n]->move(corner.x, corner.y);
}

void TForm1::setPanelVisible(int n, bool visible)
{
    panels_[n]->setVisible(visible);
}

bool TForm1::panelVisible(int n) const
{
    return !panels_[n]->isHidden();
}

void TForm1::setPanelColour(int n, board::StoredColour colour)
{
    panels_[n]->setColour(colour);
}

void TForm1::setShapePos(int n, board::Point corner)
{
    shapes_[n]->move(corner.x, corner.y);
}

void TForm1::setShapePen(int n, board::StoredColour colour)
{
    shapes_[n]->setPen(colour);
}

void TForm1::setShapeVisible(int n, bool visible)
{
    shapes_[n]->setVisible(visible);
}

void TForm1::bringShapeToFront(int n)
{
    shapes_[n]->raise();
}

void TForm1::setShapeVerdict(int n, bool right)
{
    shapes_[n]->setVerdict(right ? FrameShape::Verdict::Right : FrameShape::Verdict::Wrong);
}

void TForm1::createTile(int n)
{
    auto *tile = new TAnimatedCorvalia(layer_);
    tile->setObjectName(QStringLiteral("Tile%1").arg(n));
    tile->setAccessibleName(elementText(n, game_.table()) + QStringLiteral(", ") +
                            stateName(elements::element(n, game_.table()).state));
    // A tile picked up without dragging goes back at the next press on any tile, and a
    // click or tap picks the clicked tile up.
    connect(tile, &TAnimatedCorvalia::mouseDown, this,
            [this, n] { errorbox::guarded([&] { pickup_.tilePressed(n); }); });
    connect(tile, &TAnimatedCorvalia::tapped, this,
            [this, n] { errorbox::guarded([&] { pickup_.tileTapped(n); }); });
    tile->installEventFilter(this);
    Tiles[n] = tile;
}

TileView &TForm1::tile(int n)
{
    return *Tiles[n];
}

void TForm1::cutTileBitmap(int n, int size)
{
    Tiles[n]->setBitmap(striploader::cutTile(Image1, n, size));
}

void TForm1::setVecesCaption(std::int32_t gameCount)
{
    Veces->setCaption(QString::number(gameCount));
}

void TForm1::setContadorCaption(std::int32_t hitTotal)
{
    Contador->setCaption(QString::number(hitTotal));
}

void TForm1::setGaugeProgress(int percent)
{
    gauge_->setProgress(percent);
}

void TForm1::setCongratulationVisible(bool visible)
{
    mensaje->setVisible(visible);
    genio->setVisible(visible);
}

// The labels are never visible: their captions change only when the figures do.
void TForm1::recordCentre(std::int32_t x, std::int32_t y)
{
    if (x != recordedCentreX_)
        Label1->setCaption(QString::number(recordedCentreX_ = x));
    if (y != recordedCentreY_)
        Label2->setCaption(QString::number(recordedCentreY_ = y));
}

void TForm1::recordCandidate(int cell)
{
    if (cell != recordedCandidate_)
        Label4->setCaption(QString::number(recordedCandidate_ = cell));
}

void TForm1::setTimer1Enabled(bool enabled)
{
    if (enabled)
        Timer1.start(kTimer1Interval, this);
    else
        Timer1.stop();
}

void TForm1::showInformationWindow()
{
    TAboutBox box(this);
    box.exec();
}

void TForm1::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != Timer1.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    PointerHold hold(this);
    errorbox::guarded([this] { game_.revealCells(); });
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    // Centred like the dialogs: on a screen too small for it, the title bar stays in reach.
    platform::placeNowAndWhenFramed(this, [this] { platform::centreOnScreen(this); });
}

namespace {
// The board's own keys; any other key that types a letter searches the symbols.
constexpr std::pair<int, BoardKey::Kind> kBoardKeys[] = {
    {Qt::Key_Left, BoardKey::Kind::Left},     {Qt::Key_Right, BoardKey::Kind::Right},
    {Qt::Key_Up, BoardKey::Kind::Up},         {Qt::Key_Down, BoardKey::Kind::Down},
    {Qt::Key_Return, BoardKey::Kind::Drop},   {Qt::Key_Enter, BoardKey::Kind::Drop},
    {Qt::Key_Space, BoardKey::Kind::Drop},    {Qt::Key_Escape, BoardKey::Kind::Escape},
    {Qt::Key_Home, BoardKey::Kind::Home},     {Qt::Key_End, BoardKey::Kind::End},
};
} // namespace

// A key on the board's surface goes to the keyboard play, which says whether it used it.
void TForm1::boardKey(QKeyEvent *event)
{
    BoardKey key;
    key.chord = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    key.timeMs = keyClock_.elapsed();
    const auto known = std::find_if(std::begin(kBoardKeys), std::end(kBoardKeys),
                                    [&](const auto &entry) { return entry.first == event->key(); });
    if (known != std::end(kBoardKeys)) {
        key.kind = known->second;
        // A held Enter or Space would pick up and drop tile after tile: only a fresh press
        // counts. Held arrows go on repeating. On X11 a repeat comes as a release and a press
        // at the same moment, which Qt does not always mark as repeated when the program is
        // busy: the time tells it. (Events made up without a time carry 0.)
        if (key.kind == BoardKey::Kind::Drop &&
            (event->isAutoRepeat() ||
             (dropReleasedAt_ != 0 && event->timestamp() == dropReleasedAt_))) {
            event->accept();
            return;
        }
    } else if (!event->text().isEmpty() && event->text().at(0).isLetter()) {
        key.kind = BoardKey::Kind::Letter;
        key.text = event->text().toStdU32String();
    } else if (!event->text().isEmpty() && event->text().at(0) >= QLatin1Char('0') &&
               event->text().at(0) <= QLatin1Char('9')) {
        key.kind = BoardKey::Kind::Digit;
        key.text = event->text().left(1).toStdU32String();
    }
    if ((event->key() == Qt::Key_F7 || event->key() == Qt::Key_F8) && !key.chord) {
        if (event->key() == Qt::Key_F7)
            sayWrongTiles();
        else
            sayResult();
        event->accept();
        return;
    }
    bool used = false;
    errorbox::guarded([&] { used = pickup_.key(key); });
    event->setAccepted(used);
}

// F6 moves the keyboard focus between the command bar and the board, which is not in the
// tab chain.
void TForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_F6 || event->modifiers() != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    if (layer_->hasFocus()) {
        QWidget *back = lastBarFocus_ ? lastBarFocus_ : button(Command::Corregir);
        back->setFocus(Qt::OtherFocusReason); // the board's focus-out lets go of its tile
        return;
    }
    lastBarFocus_ = focusWidget();
    layer_->setFocus(Qt::OtherFocusReason);
    errorbox::guarded([&] { pickup_.enterBoard(); });
}

// The board surface holds the keyboard focus while tiles are placed by keys; the tile or cell
// meant reports itself focused within it, its texts renewed first so that a reader that keeps
// them does not read old ones.
void TForm1::announceTile(int n)
{
    focusForReader(Tiles[n]);
}

void TForm1::announceCell(int cell)
{
    focusForReader(panels_[cell]);
}

void TForm1::announcePlaced(int cell, int tile)
{
    QStringList others;
    for (int n : tilesOn(cell))
        if (n != tile)
            others << Tiles[n]->accessibleName();
    //: A tile put down on a cell: the tile's name, then the cell's.
    QString placed = tr("%1 en la %2.").arg(Tiles[tile]->accessibleName(), cellName(cell));
    if (!others.isEmpty())
        //: A tile put down on a cell that held another: both now stand there.
        placed = tr("%1 en la %2, que ya ocupaba %3.")
                     .arg(Tiles[tile]->accessibleName(), cellName(cell), others.join(tr(" y ")));
    accessible::descriptionChanged(Tiles[tile]);
    announcer_->say(placed);
}

namespace {
// What an arrow that finds nothing further says, by its direction: of the cells while a tile
// is picked up, of the tray's tiles otherwise.
struct EdgeSaying {
    int dx, dy;
    const char *cells;
    const char *tiles;
};
constexpr EdgeSaying kEdgeSayings[] = {
    {1, 0, QT_TRANSLATE_NOOP("TForm1", "No hay más casillas a la derecha."),
     QT_TRANSLATE_NOOP("TForm1", "No hay más fichas a la derecha.")},
    {-1, 0, QT_TRANSLATE_NOOP("TForm1", "No hay más casillas a la izquierda."),
     QT_TRANSLATE_NOOP("TForm1", "No hay más fichas a la izquierda.")},
    {0, -1, QT_TRANSLATE_NOOP("TForm1", "No hay más casillas arriba."),
     QT_TRANSLATE_NOOP("TForm1", "No hay más fichas arriba.")},
    {0, 1, QT_TRANSLATE_NOOP("TForm1", "No hay más casillas abajo."),
     QT_TRANSLATE_NOOP("TForm1", "No hay más fichas abajo.")},
};
} // namespace

void TForm1::announceEdge(int dx, int dy, bool cells)
{
    for (const EdgeSaying &edge : kEdgeSayings)
        if (edge.dx == dx && edge.dy == dy)
            announcer_->say(tr(cells ? edge.cells : edge.tiles));
}

void TForm1::announcePicked(int tile)
{
    if (pickedTile_)
        Tiles[pickedTile_]->setPickedMark(false);
    pickedTile_ = tile;
    if (tile) {
        Tiles[tile]->setPickedMark(true);
        accessible::selected(Tiles[tile]);
        //: A tile picked up by the keys: "Md, Mendelevio, sintético, cogida".
        announcer_->say(tr("%1, cogida.").arg(Tiles[tile]->accessibleName()));
    }
}

void TForm1::announceNotFound(const std::u32string &typed, bool cells)
{
    const QString text = QString::fromStdU32String(typed);
    if (cells)
        announcer_->say(tr("No hay ninguna casilla %1.").arg(text));
    else
        //: A letter typed on the board that begins no element's symbol.
        announcer_->say(tr("Ningún símbolo empieza por %1.")
                            .arg(text.left(1).toUpper() + text.mid(1).toLower()));
}

void TForm1::focusForReader(QWidget *control)
{
    readerFocus_ = control;
    if (!accessible::listening())
        return;
    accessible::nameChanged(control);
    accessible::descriptionChanged(control);
    QAccessibleEvent event(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// The tiles whose corners stand on the cell's corner: none, one, or more dropped there.
QList<int> TForm1::tilesOn(int cell) const
{
    const QPoint corner(board::cellCorner(cell).x, board::cellCorner(cell).y);
    QList<int> standing;
    for (int n = 1; n <= game_.elementCount(); ++n)
        if (Tiles[n] && Tiles[n]->pos() == corner)
            standing << n;
    return standing;
}

// After a correction, what the pupil did with the cell's own tile: put it there, put it on
// another cell, or never put it on the board.
QString TForm1::verdict(int cell) const
{
    const CorrectionMade *last = game_.lastCorrection();
    if (!game_.Corrected() || !last)
        return QString();
    if (last->cellOf[cell] == cell)
        return tr("bien");
    return last->cellOf[cell] ? tr("mal colocado") : tr("no colocada");
}

QString TForm1::describeCell(int cell) const
{
    if (const QString said = verdict(cell); !said.isEmpty())
        //: After a correction: the cell, the tile now on it, and the verdict on the pupil's.
        return tr("%1: %2, %3").arg(cellName(cell), Tiles[cell]->accessibleName(), said);
    QStringList standing;
    for (int n : tilesOn(cell))
        standing << Tiles[n]->accessibleName();
    const QString where = standing.isEmpty()
                              ? cellName(cell)
                              : tr("%1, ocupada por %2").arg(cellName(cell), standing.join(tr(" y ")));
    if (!pickedTile_)
        return where;
    //: The target cell while a tile is picked up by the keys: the cell, then the tile carried.
    return tr("%1. Llevas %2").arg(where, Tiles[pickedTile_]->accessibleName());
}

// Where a tile is now: on its way, on a cell (with the verdict after a correction), or in
// the tray.
QString TForm1::describeTile(int n) const
{
    const TAnimatedCorvalia *tile = Tiles[n];
    const QPoint destiny(tile->DestinyX(), tile->DestinyY());
    const int bound = board::cellWithCorner({destiny.x(), destiny.y()}, game_.elementCount());
    if (tile->pos() != destiny && !tile->Accepted())
        return bound ? tr("Yendo a la %1").arg(cellName(bound)) : tr("Volviendo a la bandeja");
    const int cell = board::cellWithCorner({tile->x(), tile->y()}, game_.elementCount());
    if (!cell)
        return tr("En la bandeja");
    const QString said = verdict(cell);
    return said.isEmpty() ? tr("En la %1").arg(cellName(cell))
                          : tr("En la %1: %2").arg(cellName(cell), said);
}

QWidget *TForm1::readerFocus() const
{
    return readerFocus_;
}

QString TForm1::describe(const QWidget *control) const
{
    if (const auto *cell = qobject_cast<const BlankCell *>(control))
        return describeCell(cell->cell());
    if (const auto *tile = qobject_cast<const TAnimatedCorvalia *>(control))
        return describeTile(tile->NumVista());
    return QString();
}

// F7 on the board, after a correction: the tiles the pupil put on a wrong cell, each with the
// cell, then how many cells were left empty.
void TForm1::sayWrongTiles()
{
    const CorrectionMade *last = game_.lastCorrection();
    if (!game_.Corrected() || !last) {
        announcer_->say(tr("Aún no has corregido."));
        return;
    }
    QStringList wrong;
    std::array<bool, board::kMaxElementCount + 1> covered{};
    for (int n = 1; n <= last->judged; ++n) {
        const int cell = last->cellOf[n];
        covered[cell] = true;
        if (cell && cell != n)
            //: A tile on a wrong cell: "Na, Sodio, en la casilla 12".
            wrong << tr("%1, en la casilla %2").arg(elementText(n, game_.table())).arg(cell);
    }
    const auto empty = int(std::count(covered.begin() + 1, covered.begin() + last->judged + 1, false));
    QString said = wrong.isEmpty()
                       ? tr("Ninguna ficha mal colocada.")
                       //: The number of tiles wrong, then each: "Na, Sodio, en la casilla 12".
                       : tr("Mal colocadas, %1: %2.").arg(wrong.size()).arg(wrong.join(QStringLiteral("; ")));
    if (empty == 1)
        said += QLatin1Char(' ') + tr("Una casilla vacía.");
    else if (empty > 1)
        said += QLatin1Char(' ') + tr("%1 casillas vacías.").arg(empty);
    announcer_->say(said);
}

void TForm1::showTarget(int cell)
{
    if (cell == 0) {
        targetMark_->hide();
        return;
    }
    targetMark_->move(panels_[cell]->pos());
    targetMark_->raise();
    targetMark_->show();
}

// A window that opens over this one takes the pointer: the release of a tile dragged meanwhile
// would never come, so the drag ends here, the tile let go where it stands.
bool TForm1::event(QEvent *event)
{
    // Once the pupil has heard how to play by keys, a window closing over this one brings
    // back only the way to the board.
    if (event->type() == QEvent::WindowDeactivate && !shortDescription_) {
        shortDescription_ = true;
        //: What a screen reader says of the window after the first time.
        setAccessibleDescription(tr("F6 lleva al tablero y vuelve a los botones."));
    }
    if (event->type() == QEvent::WindowBlocked) {
        for (int n = 1; n <= game_.elementCount(); ++n)
            if (Tiles[n])
                Tiles[n]->endDrag();
    }
    return QWidget::event(event);
}

// Presses on the board's surface, its cells and its tiles pass here first: while a tile is
// picked up, a click anywhere on a cell puts it down there, whatever shows on the cell, and
// neither the press nor its release reaches the control under the pointer.
bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const auto *release = static_cast<QKeyEvent *>(event);
        if (watched == layer_ && (release->key() == Qt::Key_Return ||
                                  release->key() == Qt::Key_Enter || release->key() == Qt::Key_Space))
            dropReleasedAt_ = release->timestamp();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        releaseUsedUp_ = false;
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::LeftButton || !pickup_.pickedTile())
            return false;
        const QPoint at =
            static_cast<QWidget *>(watched)->mapTo(this, press->position().toPoint());
        bool used = false;
        errorbox::guarded([&] { used = pickup_.pressAt({at.x(), at.y()}); });
        releaseUsedUp_ = used;
        return used;
    }
    case QEvent::MouseButtonRelease:
        return std::exchange(releaseUsedUp_, false);
    default:
        return false;
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}
