#pragma once

#include "app/accessible.h"
#include "app/layout.h"
#include "game/boardview.h"
#include "game/game.h"
#include "game/pickup.h"
#include "game/placement.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class Announcer;
class BlankCell;
class CaptionLabel;
class CommandButton;
class DrawnLayer;
class FrameShape;
class PictureBox;
class Report;
class TAnimatedCorvalia;
class TDatosBox;
class TElementos;
class TGauge;
class TargetMark;

// The main window: the blank periodic table, the tray of tiles, the command bar and the
// score. It builds its controls from the layout tables, deals the first game when it is
// made, and is the board the game model drives. It keeps every control it changes as it
// makes it, so nothing is looked up by name. Events flow one way: a control's signal -> this
// window's handler (guarded) -> Placement, Pickup or Game -> BoardView -> controls.
class TForm1 : public QWidget,
               public BoardView,
               public accessible::Describing,
               private TileHandlers
{
    Q_OBJECT

public:
    // Builds the window for the table and deals the first game; the reveal timer starts
    // counting.
    explicit TForm1(QWidget *parent = nullptr, board::Table table = board::Table::Classic);
    ~TForm1() override;

    Game &game() { return game_; }
    Placement &placement() { return placement_; }
    Pickup &pickup() { return pickup_; }
    Report &report() { return *report_; }
    const QImage &tileStrip() const { return Image1; }
    bool timer1Active() const { return Timer1.isActive(); }

    // The windows that "&Datos" and "Elementos" open, made by start-up after this window.
    void setWindows(TDatosBox *datos, TElementos *elementos);
    // The teacher's results folder, where every send also leaves a record; empty for none.
    void setResultsFolder(const QString &folder);
    // Signs beside the colours: a tick or a cross on each judged frame, and each state's
    // pattern on the tiles and in the legend. Off unless asked for.
    void setMarks(bool shown);

    // Loads a new tile strip from a file and deals it out: the second half of "&Abrir".
    void loadStripAndDeal(const QString &path);

    // Commands of the buttons: the entry points of the commands. BitBtn2Click and
    // CorrectClick hold the pointer, then run Game::startNextGame and Game::correct.
    void BitBtn2Click();
    void CorrectClick();
    void BitBtn3Click();
    void Op1Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void OpenClick();

    // Makes a fresh information window, shows it modally and releases it when it closes.
    void showInformationWindow();

    // BoardView
    void setPanelPos(int n, board::Point corner) override;
    void setPanelVisible(int n, bool visible) override;
    bool panelVisible(int n) const override;
    void setPanelColour(int n, board::StoredColour colour) override;
    void setShapePos(int n, board::Point corner) override;
    void setShapePen(int n, board::StoredColour colour) override;
    void setShapeVisible(int n, bool visible) override;
    void bringShapeToFront(int n) override;
    void setShapeVerdict(int n, bool right) override;
    void createTile(int n) override;
    TileView &tile(int n) override;
    void cutTileBitmap(int n, int size) override;
    void setVecesCaption(std::int32_t gameCount) override;
    void setContadorCaption(std::int32_t hitTotal) override;
    void setGaugeProgress(int percent) override;
    void setCongratulationVisible(bool visible) override;
    void recordCentre(std::int32_t x, std::int32_t y) override;
    void recordCandidate(int cell) override;
    void announceTile(int n) override;
    void announceCell(int cell) override;
    void announcePlaced(int cell, int tile) override;
    void announceEdge(int dx, int dy, bool cells) override;
    void announcePicked(int tile) override;
    void announceNotFound(const std::u32string &typed, bool cells) override;
    void showTarget(int cell) override;
    void setTimer1Enabled(bool enabled) override;

    // Describing: a cell's name and a tile's description, as they stand now.
    QString describe(const QWidget *control) const override;
    QWidget *readerFocus() const override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // TileHandlers: every tile's move and release enter the program here and run guarded,
    // like every other handler, on to the Placement handlers of the same names.
    void almovermouse(TileView &sender) override;
    void alSoltarmouse(TileView &sender) override;

    void buildLayout();
    CommandButton *button(layout::Command command) const;
    QWidget *addDrawn(const layout::DrawnSpec &entry);
    void hold(layout::Role role, QWidget *control);
    void boardKey(QKeyEvent *event);
    void addButtons();
    void runCommand(layout::Command command);
    void focusForReader(QWidget *control);
    QList<int> tilesOn(int cell) const;
    QString verdict(int cell) const;
    QString describeCell(int cell) const;
    QString describeTile(int n) const;
    void sayWrongTiles();
    void sayResult();

    Placement placement_;
    Game game_;
    Pickup pickup_;
    std::unique_ptr<Report> report_;
    QImage Image1; // the tile strip
    QBasicTimer Timer1;
    QElapsedTimer keyClock_; // when the board's keys are pressed, for type-ahead

    DrawnLayer *layer_ = nullptr;
    TGauge *gauge_ = nullptr;
    TargetMark *targetMark_ = nullptr;
    Announcer *announcer_ = nullptr; // what a screen reader is told of results and drops
    CaptionLabel *Contador = nullptr;
    CaptionLabel *Veces = nullptr;
    CaptionLabel *mensaje = nullptr;
    PictureBox *genio = nullptr;
    PictureBox *Image2 = nullptr; // the legend: solid and liquid
    PictureBox *Image3 = nullptr; // gas and synthetic
    CaptionLabel *Label1 = nullptr;
    CaptionLabel *Label2 = nullptr;
    CaptionLabel *Label4 = nullptr;
    // Indexed 1 to the table's size.
    std::array<BlankCell *, board::kMaxElementCount + 1> panels_{};
    std::array<FrameShape *, board::kMaxElementCount + 1> shapes_{};
    // Tiles[i] carries NumVista i and belongs on cell i; made by FormCreate.
    std::array<TAnimatedCorvalia *, board::kMaxElementCount + 1> Tiles{};
    std::array<CommandButton *, std::size(layout::kButtons)> buttons_{};
    std::int32_t recordedCentreX_ = 0, recordedCentreY_ = 0;
    int recordedCandidate_ = 0;
    bool centred_ = false;
    TDatosBox *datos_ = nullptr;
    TElementos *elementos_ = nullptr;
    QString resultsFolder_;
    QWidget *lastBarFocus_ = nullptr; // where F6 from the board goes back to
    int pickedTile_ = 0;              // picked up without dragging, for a screen reader
    QWidget *readerFocus_ = nullptr;  // the tile or cell a screen reader was told of last
    bool releaseUsedUp_ = false;      // a press put a picked tile down: its release is spent too
    bool shortDescription_ = false;   // the window's description for a reader is the short one
    quint64 dropReleasedAt_ = 0;      // when Enter or Space last came up on the board, ms
};
