#include "app/drawnlayer.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

DrawnLayer::DrawnLayer(const QColor &background, QWidget *parent)
    : QWidget(parent), background_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawnLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
}

// Controls that take no pointer events of their own pass moves up to here: those are not
// moves over the bare window.
void DrawnLayer::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (childAt(pos) == nullptr)
        emit bareMouseMoved(pos.x(), pos.y());
}

// Qt for Windows turns the first move of a pointer that comes back into the window into this
// event alone, with no move event (under X11 the move comes too), so it is told apart.
void DrawnLayer::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    const QPoint pos = event->position().toPoint();
    if (childAt(pos) == nullptr)
        emit bareMouseEntered(pos.x(), pos.y());
}


void DrawnLayer::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit pressed();
}

void DrawnLayer::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

// The focus leaves the board for the command bar, not for a moment while another window
// is in front.
void DrawnLayer::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}
