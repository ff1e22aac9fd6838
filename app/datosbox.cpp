#include "app/datosbox.h"

#include "app/colours.h"
#include "app/platform.h"
#include "app/pupildata.h"
#include "app/resources.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <iterator>
#include <limits>

QString PupilName;
QString PupilGroup;

using namespace colours;
using resources::Face;
using resources::FontSpec;

struct TDatosBox::LabelSpec
{
    const char *name;
    QRect geometry;
    const char *caption; // UTF-8, Spanish; the dialog translates it
    FontSpec font;
    StoredColour colour;
    bool fitsText; // grows or shrinks to its text from its top-left corner
    QLabel *TDatosBox::*member = nullptr; // where the dialog keeps the label, if it does
};

namespace {
inline constexpr FontSpec kComic15Bold{Face::Comic, 15, true};
inline constexpr FontSpec kSans19Bold{Face::SansSerif, 19, true};
inline constexpr FontSpec kSans13Bold{Face::SansSerif, 13, true};
inline constexpr FontSpec kWindowFont{Face::SansSerif, 11};
} // namespace

// Label5 keeps its box and centres and wraps its text in it; the others fit their text.
// clang-format off
const TDatosBox::LabelSpec TDatosBox::kLabels[] = {
    {"Label1", {32, 128, 457, 21}, QT_TRANSLATE_NOOP("TDatosBox", "Introduce tus datos personales antes de enviar los resultados:"), kComic15Bold, clTeal, true},
    {"Label2", {129, 14, 294, 24}, QT_TRANSLATE_NOOP("TDatosBox", "Prácticas del Tabelora"),          kSans19Bold,  clNavy, true, &TDatosBox::heading_},
    {"Label5", {104, 72, 353, 33}, QT_TRANSLATE_NOOP("TDatosBox", "Actividades de Física y Química"), kSans13Bold,  clRed,  false},
    {"Label4", {56, 160, 145, 21}, QT_TRANSLATE_NOOP("TDatosBox", "Nombre y apellidos:"),             kComic15Bold, clTeal, true},
    {"Label6", {56, 224, 107, 21}, QT_TRANSLATE_NOOP("TDatosBox", "Curso y grupo:"),                  kComic15Bold, clTeal, true},
};
// clang-format on

namespace {

struct EditSpec
{
    const char *name;
    QRect geometry;
};
// In tab order.
inline constexpr EditSpec kEdits[] = {
    {"Alumno", {56, 184, 409, 29}},
    {"curso", {56, 248, 409, 29}},
};

inline constexpr QRect kPicture{32, 20, 64, 64};
// The bevel is a sunken line along the top edge of its 449 x 9 box.
inline constexpr QRect kBevel1{32, 112, 449, 2};
inline constexpr QRect kBitBtn1{208, 288, 105, 33};

} // namespace

TDatosBox::TDatosBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Datos del alumno"));
    setAccessibleName(windowTitle());
    setModal(false);
    setFont(resources::font(kWindowFont));
    setPalette(paletteForDarkTexts(palette()));
    setPaletteColour(this, QPalette::Window, palette().color(QPalette::Button));

    for (const LabelSpec &entry : kLabels) {
        auto *label = new QLabel(tr(entry.caption), this);
        label->setObjectName(QLatin1String(entry.name));
        label->setFont(resources::font(entry.font));
        setPaletteColour(label, QPalette::WindowText, entry.colour);
        label->setGeometry(entry.geometry);
        if (entry.fitsText) {
            label->adjustSize();
        } else {
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
        }
        if (entry.member)
            this->*entry.member = label;
    }

    const QPixmap picture = QPixmap::fromImage(resources::picture(
        QStringLiteral(":/assets/datos-picture.png"), kPicture.width(), kPicture.height()));
    auto *pictureLabel = new QLabel(this);
    pictureLabel->setObjectName(QStringLiteral("ProgramIcon"));
    pictureLabel->setPixmap(picture);
    pictureLabel->setGeometry(QRect(kPicture.topLeft(), picture.size()));

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(kBevel1);

    QLineEdit *edits[std::size(kEdits)] = {};
    for (std::size_t i = 0; i < std::size(kEdits); ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kEdits[i].name));
        edit->setFont(resources::font(kComic15Bold));
        setPaletteColour(edit, QPalette::Text, clBlack);
        edit->setGeometry(kEdits[i].geometry);
        // The entries have no length limit; a line edit would keep only 32767 characters.
        edit->setMaxLength(std::numeric_limits<int>::max());
        platform::ignoreAltChords(edit);
        edits[i] = edit;
    }
    alumno_ = edits[0];
    curso_ = edits[1];
    alumno_->setAccessibleName(tr("Nombre y apellidos"));
    curso_->setAccessibleName(tr("Curso y grupo"));

    bitBtn1_ = new QPushButton(tr("Salir"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    // Neither default nor auto-default, so that Enter in an edit presses nothing.
    bitBtn1_->setAutoDefault(false);
    bitBtn1_->setDefault(false);
    bitBtn1_->setGeometry(kBitBtn1);
    connect(bitBtn1_, &QPushButton::clicked, this, &TDatosBox::BitBtn1Click);

    setTabOrder(alumno_, curso_);
    setTabOrder(curso_, bitBtn1_);
    alumno_->setFocus();

    place();
}

void TDatosBox::setHeading(const QString &text)
{
    heading_->setText(text);
    heading_->adjustSize();
}

void TDatosBox::showOrRaise()
{
    if (isHidden()) {
        show();
        return;
    }
    // A minimised window can't be activated until it is back on screen.
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TDatosBox::BitBtn1Click()
{
    if (!alumno_->text().isEmpty())
        PupilName = alumno_->text();
    if (!curso_->text().isEmpty())
        PupilGroup = curso_->text();
    hide();
}

void TDatosBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter runs a focused push button, as everywhere; in an edit it does nothing.
        if (focusWidget() == bitBtn1_ && event->modifiers() == Qt::NoModifier)
            bitBtn1_->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TDatosBox::showEvent(QShowEvent *event)
{
    // Placed on the first showing only, so that later ones keep wherever the pupil put it.
    if (!shownBefore_) {
        shownBefore_ = true;
        platform::placeNowAndWhenFramed(this, [this] { place(); });
    }
    // Ready for the next pupil, wherever the last one left the focus: typing replaces the
    // name. A window coming back from the task bar keeps its focus.
    if (!event->spontaneous()) {
        alumno_->setFocus(Qt::OtherFocusReason);
        alumno_->selectAll();
    }
    QDialog::showEvent(event);
}

void TDatosBox::place()
{
    platform::setOuterSize(this, kOuterSize);
    platform::centreOnScreen(this);
}
