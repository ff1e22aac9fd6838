#pragma once

#include <QDialog>
#include <QPixmap>

class QImage;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The information window: the exercise's title, the instructions, two memory figures read
// afresh by every window made, and a link to a web page about the periodic table. A new one
// is made for every showing; OK, Enter, Escape and the close box all close it. The
// instructions take typing, but not Alt chords.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *owner = nullptr);

    // Opens the web page through the shell, then through the two fallback browsers; tells the
    // pupil when none of them worked, also when the desktop's opener starts and then fails.
    void Label7Click();

    // The address the link opens, and the instructions line by line.
    static QString periodicTablePage();
    static QStringList instructions();
    // The picture with its pure black pixels made transparent.
    static QPixmap withBlackTransparent(const QImage &picture);

    static constexpr QSize kClientSize{586, 404}; // pixels

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The fallback browsers in turn, then the message over `parent` (none when it is gone).
    static void openInABrowser(QWidget *parent, const QString &address);

    struct LabelSpec;
    static const LabelSpec kLabels[];

    // Reads the memory figures and shows them.
    void showMemoryFigures();

    QLabel *physMem_ = nullptr;
    QLabel *memoryLoad_ = nullptr;
    QLabel *label7_ = nullptr;
    QPalette linkColours_; // the link's own colours, while it shows the focus
    QPushButton *okButton_ = nullptr;
    QPlainTextEdit *memo1_ = nullptr;
};
