#include "app/datosbox.h"

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

namespace {

enum class Face
{
    SansSerif,
    Comic
};

struct FontSpec
{
    Face face;
    int pixels; // character height
    bool bold;
};

QFont fontFrom(FontSpec entry)
{
    return entry.face == Face::Comic ? resources::comic(entry.pixels, entry.bold)
                                     : resources::sansSerif(entry.pixels, entry.bold);
}

inline constexpr FontSpec kComic15Bold{Face::Comic, 15, true};
inline constexpr FontSpec kSans19Bold{Face::SansSerif, 19, true};
inline constexpr FontSpec kSans13Bold{Face::SansSerif, 13, true};
inline constexpr FontSpec kWindowFont{Face::SansSerif, 11, false};

inline constexpr QRgb kTeal = qRgb(0, 128, 128);
inline constexpr QRgb kNavy = qRgb(0, 0, 128);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);

struct LabelSpec
{
    const char *name;
    QRect geometry;
    const char *caption; // UTF-8, Spanish; the dialog translates it
    FontSpec font;
    QRgb colour;
    bool fitsText; // grows or shrinks to its text from its top-left corner
};

// Label5 keeps its box and centres and wraps its text in it; the others fit their text.
inline constexpr LabelSpec kLabels[] = {
    {"Label1",
     {32, 128, 457, 21},
     QT_TRANSLATE_NOOP("TDatosBox",
                       "Introduce tus datos personales antes de enviar los resultados:"),
     kComic15Bold,
     kTeal,
     true},
    {"Label2",
     {129, 14, 294, 24},
     QT_TRANSLATE_NOOP("TDatosBox", "Prácticas del Tabelora"),
     kSans19Bold,
     kNavy,
     true},
    {"Label5",
     {104, 72, 353, 33},
     QT_TRANSLATE_NOOP("TDatosBox", "Actividades de Física y Química"),
     kSans13Bold,
     kRed,
     false},
    {"Label4",
     {56, 160, 145, 21},
     QT_TRANSLATE_NOOP("TDatosBox", "Nombre y apellidos:"),
     kComic15Bold,
     kTeal,
     true},
    {"Label6",
     {56, 224, 107, 21},
     QT_TRANSLATE_NOOP("TDatosBox", "Curso y grupo:"),
     kComic15Bold,
     kTeal,
     true},
};

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

inline constexpr QRect kProgramIcon{32, 20, 64, 64};
// The bevel is a sunken line along the top edge of its 449 x 9 box.
inline constexpr QRect kBevel1{32, 112, 449, 2};
inline constexpr QRect kBitBtn1{208, 288, 105, 33};

void setTextColour(QWidget *widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(colour));
    widget->setPalette(palette);
}

} // namespace

TDatosBox::TDatosBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Datos del alumno"));
    setAccessibleName(windowTitle());
    setModal(false);
    setFont(fontFrom(kWindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    for (const LabelSpec &entry : kLabels) {
        auto *label = new QLabel(tr(entry.caption), this);
        label->setObjectName(QLatin1String(entry.name));
        label->setFont(fontFrom(entry.font));
        setTextColour(label, QPalette::WindowText, entry.colour);
        label->setGeometry(entry.geometry);
        if (entry.fitsText) {
            label->adjustSize();
        } else {
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
        }
        if (qstrcmp(entry.name, "Label2") == 0)
            heading_ = label;
    }

    QPixmap picture(QStringLiteral(":/assets/datos-picture.png"));
    if (picture.isNull()) {
        picture = QPixmap(kProgramIcon.size());
        picture.fill(Qt::transparent);
    }
    programIcon_ = new QLabel(this);
    programIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon_->setPixmap(picture);
    programIcon_->setGeometry(QRect(kProgramIcon.topLeft(), picture.size()));

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(kBevel1);

    QLineEdit *edits[std::size(kEdits)] = {};
    for (std::size_t i = 0; i < std::size(kEdits); ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kEdits[i].name));
        edit->setFont(fontFrom(kComic15Bold));
        setTextColour(edit, QPalette::Text, kBlack);
        edit->setGeometry(kEdits[i].geometry);
        // The entries have no length limit; a line edit would keep only 32767 characters.
        edit->setMaxLength(std::numeric_limits<int>::max());
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

QString TDatosBox::heading() const
{
    return heading_->text();
}

void TDatosBox::showOrRaise()
{
    if (isHidden()) {
        show();
        return;
    }
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
    // The system's frame may be known only now; place the dialog again with it, once, so
    // that later showings keep wherever the pupil put it.
    if (!shownBefore_) {
        shownBefore_ = true;
        place();
    }
    QDialog::showEvent(event);
}

void TDatosBox::place()
{
    platform::setOuterSize(this, kOuterSize);
    platform::centreOnScreen(this);
}
