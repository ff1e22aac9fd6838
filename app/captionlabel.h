#pragma once

#include <QColor>
#include <QWidget>

// A drawn text label. It sizes itself to its caption; a right-aligned one keeps its right
// edge where the layout put it, so a longer caption grows to the left.
class CaptionLabel : public QWidget
{
    Q_OBJECT

public:
    CaptionLabel(const QString &caption, const QFont &font, const QColor &colour, bool rightAligned,
                 QWidget *parent);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    int rightEdge() const { return x() + width(); }
    // Call once the layout geometry is set: from then on the anchored edge stays put.
    void fitToCaption();
    // An opaque label fills its box with this colour under the text; a transparent one
    // (no colour, the default) lets what lies beneath show through.
    void setBackground(const QColor &colour) { background_ = colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    QColor colour_;
    QColor background_;
    bool rightAligned_;
};
