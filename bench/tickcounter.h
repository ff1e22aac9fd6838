#pragma once

#include <QElapsedTimer>
#include <QObject>

// Counts, from an application-wide event filter, the timer ticks and paints that reach
// widgets of one class (and its subclasses). It only looks: every event goes on unchanged.
class TickCounter : public QObject
{
public:
    explicit TickCounter(const QMetaObject &tileClass, QObject *parent = nullptr);

    quint64 ticks() const { return ticks_; }
    quint64 paints() const { return paints_; }
    // The longest wait between two ticks in a row, in milliseconds, since the last reset:
    // a long one means the event loop was busy and the tiles fell behind.
    double longestGapMs() const { return longestGapNs_ / 1e6; }
    void resetLongestGap() { longestGapNs_ = 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QMetaObject &tileClass_;
    quint64 ticks_ = 0;
    quint64 paints_ = 0;
    QElapsedTimer clock_;
    qint64 lastTickNs_ = -1;
    qint64 longestGapNs_ = 0;
};
