#pragma once

#include <QPushButton>

// A push button of the command bar: a picture left of its caption, an accelerator, and
// Enter or Space running it while it has the focus.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString &caption, const QImage &glyph, int glyphStates, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
