#include "app/aboutbox.h"

#include "app/colours.h"
#include "app/platform.h"
#include "app/resources.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <iterator>

using namespace colours;
using resources::Face;
using resources::FontSpec;

struct TAboutBox::LabelSpec
{
    const char *name;
    QPoint topLeft;      // labels fit their text from here
    const char *caption; // UTF-8, Spanish; the window translates it
    FontSpec font;
    StoredColour colour;
    QLabel *TAboutBox::*member = nullptr; // where the window keeps the label, if it does
};

namespace {

inline constexpr FontSpec kWindowFont{Face::SansSerif, 11};
inline constexpr FontSpec kTitleFont{Face::SansSerif, 24, true};
inline constexpr FontSpec kSubtitleFont{Face::SansSerif, 13, true};
inline constexpr FontSpec kLinkFont{Face::SansSerif, 13, false, false, true};

} // namespace

// In creation order: later labels lie over earlier ones, so the navy title (Label6) is drawn
// over the white one (Label1) one pixel down and to the right, which reads as a white shadow.
// clang-format off
const TAboutBox::LabelSpec TAboutBox::kLabels[] = {
    {"Label1",  {233, 14},  QT_TRANSLATE_NOOP("TAboutBox", "Física y Química"),                  kTitleFont,    clWhite},
    {"Label3",  {251, 121}, QT_TRANSLATE_NOOP("TAboutBox", "Memoria física disponible:"),        kWindowFont,   clBlack},
    {"PhysMem", {403, 121}, "0",                                                                 kWindowFont,   clBlack, &TAboutBox::physMem_},
    {"Label4",  {251, 143}, QT_TRANSLATE_NOOP("TAboutBox", "Memoria usada:"),                    kWindowFont,   clBlack},
    {"FreeRes", {404, 143}, "0",                                                                 kWindowFont,   clBlack, &TAboutBox::memoryLoad_},
    {"Label5",  {272, 88},  QT_TRANSLATE_NOOP("TAboutBox", "Prácticas del Tabelora"),            kSubtitleFont, clBlue},
    {"Label6",  {232, 13},  QT_TRANSLATE_NOOP("TAboutBox", "Física y Química"),                  kTitleFont,    clNavy},
    // Names the page that Label7Click opens.
    {"Label7",  {272, 64},  QT_TRANSLATE_NOOP("TAboutBox", "es.wikipedia.org: Tabla periódica"), kLinkFont,     clBlue,  &TAboutBox::label7_},
};
// clang-format on

namespace {

inline constexpr QRect kBevel2{8, 0, 569, 169};
// A sunken line along the top edge of its 329 x 11 box.
inline constexpr QRect kBevel1{232, 110, 329, 2};
inline constexpr QRect kCrystal{24, 24, 187, 124};
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

} // namespace

TAboutBox::TAboutBox(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(tr("Información"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(resources::font(kWindowFont));
    setPalette(paletteForDarkTexts(palette()));
    const QColor buttonFace = palette().color(QPalette::Button);
    setPaletteColour(this, QPalette::Window, buttonFace);
    setPaletteColour(this, QPalette::WindowText, clBlack);

    auto *bevel2 = new QFrame(this);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel2->setGeometry(kBevel2);

    const QImage crystal = resources::picture(QStringLiteral(":/assets/about-crystal.png"),
                                              kCrystal.width(), kCrystal.height());
    auto *crystalLabel = new QLabel(this);
    crystalLabel->setObjectName(QStringLiteral("ProgramIcon"));
    crystalLabel->setPixmap(withBlackTransparent(crystal));
    crystalLabel->setGeometry(QRect(kCrystal.topLeft(), crystal.size()));

    auto *bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(kBevel1);

    for (const LabelSpec &entry : kLabels) {
        auto *label = new QLabel(tr(entry.caption), this);
        label->setObjectName(QLatin1String(entry.name));
        label->setFont(resources::font(entry.font));
        setPaletteColour(label, QPalette::WindowText, entry.colour);
        label->move(entry.topLeft);
        label->adjustSize();
        if (entry.member)
            this->*entry.member = label;
    }
    label7_->setAutoFillBackground(true);
    label7_->setCursor(Qt::PointingHandCursor);
    label7_->setToolTip(periodicTablePage());
    label7_->installEventFilter(this);
    // The link is reached with Tab and opened with Enter, as a pointer opens it with a click.
    label7_->setFocusPolicy(Qt::TabFocus);
    label7_->setAccessibleDescription(tr("Enlace: Intro lo abre en el navegador."));

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
    setPaletteColour(memo1_, QPalette::Base, buttonFace);
    setPaletteColour(memo1_, QPalette::Text, clNavy);
    memo1_->setPlainText(instructions().join(QLatin1Char('\n')));
    platform::ignoreAltChords(memo1_);

    setTabOrder(okButton_, memo1_);
    setTabOrder(memo1_, label7_);
    okButton_->setFocus();

    platform::centreOnScreen(this);
    showMemoryFigures();
}

void TAboutBox::showMemoryFigures()
{
    const platform::MemoryStatus status = platform::readMemoryStatus();
    physMem_->setText(platform::formatPhysMem(status.totalPhys, QLocale()));
    physMem_->adjustSize();
    memoryLoad_->setText(platform::formatMemoryLoad(status.memoryLoad));
    memoryLoad_->adjustSize();
}

void TAboutBox::Label7Click()
{
    const QString address = periodicTablePage();
    // The desktop's opener may say later that it found nothing to open the page with: the
    // browsers are tried then, as when it can't start, with the window gone by then too.
    const QPointer<TAboutBox> alive(this);
    if (!platform::shell().open(address, QString(), [alive, address] {
            openInABrowser(alive, address);
        }))
        openInABrowser(this, address);
}

void TAboutBox::openInABrowser(QWidget *parent, const QString &address)
{
    for (const QString &browser : platform::fallbackBrowsers())
        if (platform::shell().open(browser, address))
            return;
    platform::showMessage(parent, tr("Lo siento, no se encontró tu navegador"));
}

QString TAboutBox::periodicTablePage()
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
    if (watched != label7_)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            label7_->rect().contains(mouse->position().toPoint()))
            Label7Click();
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Label7Click();
            return true;
        }
        break;
    }
    // The focused link shows in the selection's colours.
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool focused = event->type() == QEvent::FocusIn;
        if (focused)
            linkColours_ = label7_->palette();
        QPalette shown = linkColours_;
        if (focused) {
            shown.setColor(QPalette::Window, shown.color(QPalette::Highlight));
            shown.setColor(QPalette::WindowText, shown.color(QPalette::HighlightedText));
        }
        label7_->setPalette(shown);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // Centred every time, and again once the system's frame is known.
    platform::placeNowAndWhenFramed(this, [this] { platform::centreOnScreen(this); });
    QDialog::showEvent(event);
}
