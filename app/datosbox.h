#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The pupil-data dialog: name and group typed in two edits and stored in PupilName and
// PupilGroup by "Salir". It is not modal, lives for the whole run and is only hidden between
// showings, so the edits keep their text. Neither Enter nor Escape does anything in it, and
// the close box hides it without storing. Alt chords type nothing in the edits.
class TDatosBox : public QDialog
{
    Q_OBJECT

public:
    explicit TDatosBox(QWidget *parent = nullptr);

    // Sets the heading, Label2.
    void setHeading(const QString &text);

    // Shows the dialog with the focus in the name and its text selected, or brings it back
    // to the front, from the task bar too, when it is already open.
    void showOrRaise();

    // "Salir": stores the edits that are not empty, then hides the dialog.
    void BitBtn1Click();

    static constexpr QSize kOuterSize{523, 366}; // pixels, frame and title bar included

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct LabelSpec;
    static const LabelSpec kLabels[];

    void place();

    QLabel *heading_ = nullptr;
    QLineEdit *alumno_ = nullptr;
    QLineEdit *curso_ = nullptr;
    QPushButton *bitBtn1_ = nullptr;
    bool shownBefore_ = false;
};
