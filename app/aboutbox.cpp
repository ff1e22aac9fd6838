#include "app/aboutbox.h"

#include "app/platform.h"
#include "app/resources.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <iterator>

namespace {

struct FontSpec
{
    int pixels; // character height; every face here is the sans-serif one
    bool bold;
    bool underline;
};

inline constexpr FontSpec kWindowFont{11, false, false};
inline constexpr FontSpec kTitleFont{24, true, false};
inline constexpr FontSpec kSubtitleFont{13, true, false};
inline constexpr FontSpec kLinkFont{13, false, true};

inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kNavy = qRgb(0, 0, 128);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);

struct LabelSpec
{
    const char *name;
    QPoint topLeft;      // labels fit their text from here
    const char *caption; // UTF-8, Spanish; the window translates it
    FontSpec font;
    QRgb colour;
};

// In creation order: later labels lie over earlier ones, so the navy title (Label6) is drawn
// over the white one (Label1) one pixel down and to the right, which reads as a white shadow.
inline constexpr LabelSpec kLabels[] = {
    {"Label1", {233, 14}, QT_TRANSLATE_NOOP("TAboutBox", "Física y Química"), kTitleFont, kWhite},
    {"Label3",
     {251, 121},
     QT_TRANSLATE_NOOP("TAboutBox", "Memoria física disponible:"),
     kWindowFont,
     kBlack},
    {"PhysMem", {403, 121}, "0", kWindowFont, kBlack},
    {"Label4", {251, 143}, QT_TRANSLATE_NOOP("TAboutBox", "Memoria usada:"), kWindowFont, kBlack},
    {"FreeRes", {404, 143}, "0", kWindowFont, kBlack},
    {"Label5",
     {272, 88},
     QT_TRANSLATE_NOOP("TAboutBox", "Prácticas del Tabelora"),
     kSubtitleFont,
     kBlue},
    {"Label6", {232, 13}, QT_TRANSLATE_NOOP("TAboutBox", "Física y Química"), kTitleFont, kNavy},
    // Names the page that Label7Click opens.
    {"Label7",
     {272, 64},
     QT_TRANSLATE_NOOP("TAboutBox", "es.wikipedia.org: Tabla periódica"),
     kLinkFont,
     kBlue},
};

inline constexpr QRect kBevel2{8, 0, 569, 169};
// A sunken line along the top edge of its 329 x 11 box.
inline constexpr QRect kBevel1{232, 110, 329, 2};
inline constexpr QRect kProgramIcon{24, 24, 187, 124};
inline constexpr QRect kOKButton{237, 360, 108, 33};
inline constexpr QRect kMemo1{24, 184, 553, 169};

// Line by line; the empty lines stay empty in every language.
inline constexpr const char *kInstructions[] = {
    QT_TRANSLATE_NOOP("TAboutBox", "Funcionamiento del programa:"),
    "",
    QT_TRANSLATE_NOOP("TAboutBox", "Arrastra cada elemento a su posición en la tabla."),
    //: The sentence runs on into the next line; the button is "&Corregir vistas".
    QT_TRANSLATE_NOOP(
        "TAboutBox",
        "Pulsa sobre el botón Corregir para comprobar los aciertos. El contador indica el "),
    QT_TRANSLATE_NOOP(
        "TAboutBox",
        "número total de elementos colocados correctamente y el porcentaje de aciertos."),
    "",
    QT_TRANSLATE_NOOP(
        "TAboutBox",
        "Para enviar los resultados por correo electrónico asegúrate de escribir tus datos,"),
    QT_TRANSLATE_NOOP("TAboutBox", "pulsa sobre el botón y escribe la dirección de e-mail."),
};

QFont fontFrom(FontSpec entry)
{
    return resources::sansSerif(entry.pixels, entry.bold, false, entry.underline);
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

TAboutBox::TAboutBox(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(tr("Información"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(fontFrom(kWindowFont));
    const QColor buttonFace = palette().color(QPalette::Button);
    setColour(this, QPalette::Window, buttonFace);
    setColour(this, QPalette::WindowText, QColor(kBlack));

    auto *bevel2 = new QFrame(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel2->setGeometry(kBevel2);

    QImage crystal(QStringLiteral(":/assets/about-crystal.png"));
    if (crystal.isNull()) {
        crystal = QImage(kProgramIcon.size(), QImage::Format_ARGB32);
        crystal.fill(Qt::transparent);
    }
    programIcon_ = new QLabel(this);
    programIcon_->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon_->setPixmap(withBlackTransparent(crystal));
    programIcon_->setGeometry(QRect(kProgramIcon.topLeft(), crystal.size()));

    auto *bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(kBevel1);

    for (const LabelSpec &entry : kLabels) {
        auto *label = new QLabel(tr(entry.caption), this);
        label->setObjectName(QLatin1String(entry.name));
        label->setFont(fontFrom(entry.font));
        setColour(label, QPalette::WindowText, QColor(entry.colour));
        label->move(entry.topLeft);
        label->adjustSize();
        if (qstrcmp(entry.name, "PhysMem") == 0)
            physMem_ = label;
        else if (qstrcmp(entry.name, "FreeRes") == 0)
            freeRes_ = label;
        else if (qstrcmp(entry.name, "Label7") == 0)
            label7_ = label;
    }
    label7_->setAutoFillBackground(true);
    label7_->setCursor(Qt::PointingHandCursor);
    label7_->setToolTip(makerPage());
    label7_->installEventFilter(this);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setGeometry(kOKButton);
    okButton_->setDefault(true);
    // OK answers as a cancel would; nobody reads the result.
    connect(okButton_, &QPushButton::clicked, this, &QDialog::reject);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setAccessibleName(tr("Funcionamiento del programa"));
    memo1_->setGeometry(kMemo1);
    memo1_->setFrameShape(QFrame::NoFrame);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setTabChangesFocus(true);
    memo1_->setFont(resources::comic(13, true));
    setColour(memo1_, QPalette::Base, buttonFace);
    setColour(memo1_, QPalette::Text, QColor(kNavy));
    memo1_->setPlainText(instructions().join(QLatin1Char('\n')));

    setTabOrder(okButton_, memo1_);
    okButton_->setFocus();

    platform::centreOnScreen(this);
    FormCreate();
}

void TAboutBox::FormCreate()
{
    const platform::MemoryStatus status = platform::readMemoryStatus();
    physMem_->setText(platform::formatPhysMem(status.totalPhys, QLocale()));
    physMem_->adjustSize();
    freeRes_->setText(platform::formatMemoryLoad(status.memoryLoad));
    freeRes_->adjustSize();
}

void TAboutBox::Label7Click()
{
    const QString address = makerPage();
    platform::Shell &shell = platform::shell();
    if (shell.open(address, QString()))
        return;
    for (const QString &browser : platform::fallbackBrowsers())
        if (shell.open(browser, address))
            return;
    platform::showMessage(this, tr("Lo siento, no se encontró tu navegador"));
}

QString TAboutBox::makerPage()
{
    //: The address of the periodic table's page in the language's own Wikipedia.
    return tr("https://es.wikipedia.org/wiki/Tabla_peri%C3%B3dica_de_los_elementos");
}

QStringList TAboutBox::instructions()
{
    QStringList lines;
    for (const char *line : kInstructions)
        lines << (*line ? tr(line) : QString());
    return lines;
}

QPixmap TAboutBox::withBlackTransparent(const QImage &picture)
{
    return QPixmap::fromImage(resources::keyedBy(picture, qRgb(0, 0, 0)));
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == label7_ && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            label7_->rect().contains(mouse->position().toPoint()))
            Label7Click();
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // Centred every time, with the system's frame once it is known.
    platform::centreOnScreen(this);
    QDialog::showEvent(event);
}
