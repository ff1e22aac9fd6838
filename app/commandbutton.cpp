#include "app/commandbutton.h"

#include "app/resources.h"

#include <QKeyEvent>

CommandButton::CommandButton(const QString &caption, const QImage &glyph, int glyphStates,
                             QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    if (glyph.isNull())
        return;
    // The bottom-left pixel's colour is transparent; a two-state glyph holds the normal
    // picture, then the disabled one.
    const QImage keyed = resources::keyedByBottomLeft(glyph);
    const int stateWidth = keyed.width() / std::max(1, glyphStates);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(keyed.copy(0, 0, stateWidth, keyed.height())), QIcon::Normal);
    if (glyphStates > 1)
        icon.addPixmap(QPixmap::fromImage(keyed.copy(stateWidth, 0, stateWidth, keyed.height())),
                       QIcon::Disabled);
    setIcon(icon);
    setIconSize(QSize(stateWidth, keyed.height()));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
