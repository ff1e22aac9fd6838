#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class ElementChart;

// What a screen reader is given beyond Qt's own widgets. The program's drawn controls are
// plain widgets to Qt; here they get the roles, texts, values and states a reader asks for.
// Nothing here runs while no assistive technology listens on the accessibility bus.
namespace accessible {

// Installs the interfaces of the program's own controls: captions as labels with their
// text, the gauge as a progress bar with its value, the tiles as focusable list items,
// pictures as graphics, the announcer as a notification. Call once, before any window.
void installInterfaces();

// True while an assistive technology listens.
bool listening();

// A window whose controls' texts change with the game: it answers them when a reader asks,
// so they are never stale and cost nothing while nobody asks.
class Describing
{
public:
    virtual ~Describing() = default;
    // The name of a cell or the description of a tile, as it stands now.
    virtual QString describe(const QWidget *control) const = 0;
    // The tile or cell a reader was last told has the board's focus; null for none.
    virtual QWidget *readerFocus() const = 0;
};

// Tells a reader that the name or the description of a control changed.
void nameChanged(QWidget *control);
void descriptionChanged(QWidget *control);
// Tells a reader that a control became selected.
void selected(QWidget *control);
// Tells a reader that the chart's current element is the focused cell of its table.
void chartCellFocused(ElementChart *chart);

} // namespace accessible

// Says sentences to a screen reader without showing anything: a notification object that is
// never drawn, whose name is the last thing said. Every sentence said in one turn of the
// event loop is joined to the others and told once, when the turn ends, so a reader that
// fetches the name as the event reaches it still reads the whole message.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void say(const QString &sentence);
    // Something said in this turn of the event loop is still to be told.
    bool saying() const { return !pending_.isEmpty(); }
    // The last message told, for the accessible name.
    QString told() const { return told_; }

private:
    void tell();

    QStringList pending_;
    QString told_;
};
