#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Closes every modal window as soon as it appears, by pressing Escape on it as a pupil
// would, and remembers which windows it met and what was on screen at that moment.
class ModalCloser : public QObject
{
public:
    QStringList seen;            // class names of the modal windows, in order
    QList<bool> mainWindowShown; // whether `watched` was visible when each appeared
    QWidget *watched = nullptr;
    // Runs once, when the next modal window appears, before it is closed.
    std::function<void()> onNextModal;

    ModalCloser()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == closing_)
            return;
        QWidget *const outer = std::exchange(closing_, modal);
        // What follows may run the event loop (a test's mouse release does), where a command
        // still due opens another modal window inside this one's. Qt never runs a timer's
        // handler again while it runs, so the timer starts afresh to reach that window too.
        timer_.start();
        seen << QString::fromLatin1(modal->metaObject()->className());
        mainWindowShown << (watched && watched->isVisible());
        if (onNextModal)
            std::exchange(onNextModal, {})();
        QTest::keyClick(modal, Qt::Key_Escape);
        if (modal->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
        closing_ = outer; // the window this one opened inside, if any, is still being closed
    }

    QTimer timer_;
    QWidget *closing_ = nullptr;
};
