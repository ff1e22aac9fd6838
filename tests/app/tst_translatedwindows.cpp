#include "app/captionlabel.h"
#include "app/classtable.h"
#include "app/form1.h"
#include "app/language.h"
#include "app/layout.h"
#include "app/picturebox.h"
#include "app/resources.h"
#include "app/startup.h"
#include "app/summarywindow.h"
#include "support/child.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <cmath>
#include <memory>
#include <span>

using language::Language;

Q_DECLARE_METATYPE(Language)

namespace {

// The program's windows, made in one language: the exercise's four, and the teacher's summary
// of an empty folder.
struct Windows
{
    explicit Windows(Language language)
    {
        language::use(language);
        made = std::make_unique<startup::Windows>();
        summary = std::make_unique<SummaryWindow>(QStringLiteral("clase"), records::FolderRecords{});
    }

    QList<QWidget *> all() const
    {
        return {&made->Form1, &made->AboutBox, &made->DatosBox, &made->Elementos, summary.get()};
    }

    std::unique_ptr<startup::Windows> made;
    std::unique_ptr<SummaryWindow> summary;
};

// Everything a pupil reads or hears in a window, by the control it belongs to: captions,
// titles, accessible names, tool tips and the text of the edits.
QMap<QString, QString> textsOf(QWidget *window)
{
    QMap<QString, QString> texts;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QString key = window->objectName() + QLatin1Char('/') +
                            QLatin1String(window->metaObject()->className()) + QLatin1Char('/') +
                            widget->objectName();
        if (widget->objectName().isEmpty())
            continue;
        if (widget->isWindow())
            texts.insert(key + QStringLiteral(" title"), widget->windowTitle());
        texts.insert(key + QStringLiteral(" name"), widget->accessibleName());
        texts.insert(key + QStringLiteral(" tip"), widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts.insert(key, label->text());
        else if (auto *caption = qobject_cast<CaptionLabel *>(widget))
            texts.insert(key, caption->caption());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts.insert(key, button->text());
        else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
            texts.insert(key, edit->toPlainText());
    }
    return texts;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Width of a push button's picture, the gap after it and its caption, as the style lays them
// out, and the width the style gives them inside the button's frame.
std::pair<int, int> buttonNeedAndRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int need = button->fontMetrics()
                   .boundingRect(contents, Qt::AlignCenter | Qt::TextShowMnemonic, option.text)
                   .width();
    if (!option.icon.isNull())
        need += option.iconSize.width() + 4; // the gap Qt's styles put after the picture
    return {need, contents.width()};
}

// A label may use the inside of a lowered bevel that holds nothing else.
int roomInBevel(std::span<const layout::DrawnSpec> table, const layout::DrawnSpec &label)
{
    const QRect box(label.left, label.top, label.width, label.height);
    for (const layout::DrawnSpec &bevel : table) {
        const QRect frame(bevel.left, bevel.top, bevel.width, bevel.height);
        if (bevel.kind != layout::Kind::LoweredBox || !frame.contains(box.topLeft()))
            continue;
        for (const layout::DrawnSpec &other : table)
            if (&other != &label && other.kind != layout::Kind::LoweredBox &&
                frame.contains(QPoint(other.left, other.top)))
                return label.width;
        return std::max(label.width, frame.right() - 1 - label.left);
    }
    return label.width;
}

// Labels of the dialogs that size themselves to their caption, and the width of their box in
// the layout.
struct DialogLabel
{
    const char *window;
    const char *name;
    int layoutWidth;
};
inline constexpr DialogLabel kDialogLabels[] = {
    {"TAboutBox", "Label1", 193}, {"TAboutBox", "Label3", 122}, {"TAboutBox", "Label4", 75},
    {"TAboutBox", "Label5", 223}, {"TAboutBox", "Label6", 193}, {"TAboutBox", "Label7", 223},
    {"TDatosBox", "Label1", 457}, {"TDatosBox", "Label2", 294}, {"TDatosBox", "Label4", 145},
    {"TDatosBox", "Label6", 107},
};

QLabel *dialogLabel(const Windows &windows, const DialogLabel &entry)
{
    QWidget *dialog = qstrcmp(entry.window, "TAboutBox") == 0
                          ? static_cast<QWidget *>(&windows.made->AboutBox)
                          : &windows.made->DatosBox;
    return dialog->findChild<QLabel *>(QLatin1String(entry.name));
}

int captionWidth(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(label->text());
}

// WCAG's contrast ratio of two colours: 1 for the same luminance, 21 for black on white.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// How strongly the text drawn in the rectangle of the picture stands out: the contrast of the
// pixel farthest from the commonest colour there, which is the ground the text sits on.
double textContrast(const QImage &picture, const QRect &rect)
{
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[picture.pixel(x, y)];
    const QRgb ground =
        std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; }).key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(ground), QColor(it.key())));
    return best;
}

} // namespace

// The fixed-size windows keep their sizes in every language: no caption may need more room
// than its control has, or than the Spanish caption takes where the bundled fonts already
// make it wider than its box. And nothing the pupil reads is left in Spanish, or unreadable on
// a dark desktop.
class TranslatedWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { resources::load(); }
    void cleanup() { language::use(Language::Spanish); }

    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("es") << Language::Spanish;
        QTest::newRow("ca") << Language::Catalan;
        QTest::newRow("gl") << Language::Galician;
        QTest::newRow("ca-valencia") << Language::Valencian;
        QTest::newRow("eu") << Language::Basque;
    }

    void everyCaptionFitsItsControl()
    {
        QFETCH(Language, language);
        QMap<QString, int> spanishWidths;
        {
            const Windows spanish(Language::Spanish);
            for (const DialogLabel &entry : kDialogLabels)
                spanishWidths.insert(QLatin1String(entry.name) + QLatin1String(entry.window),
                                     captionWidth(dialogLabel(spanish, entry)));
        }
        const Windows windows(language);
        QCOMPARE(language::current(), language);

        // The main window's labels, from its layout.
        for (std::span<const layout::DrawnSpec> table :
             {std::span<const layout::DrawnSpec>(layout::kDrawnUnderFrames),
              std::span<const layout::DrawnSpec>(layout::kDrawnOverFrames)})
            for (const layout::DrawnSpec &entry : table) {
                if (entry.kind != layout::Kind::Label && entry.kind != layout::Kind::RightLabel)
                    continue;
                const CaptionLabel *label =
                    windows.made->Form1.findChild<CaptionLabel *>(QLatin1String(entry.name));
                QVERIFY2(label, entry.name);
                const int width = label->fontMetrics().horizontalAdvance(label->caption());
                QVERIFY2(width <= roomInBevel(table, entry),
                         qPrintable(QStringLiteral("%1 \"%2\": %3 pixels for %4")
                                        .arg(entry.name, label->caption())
                                        .arg(width)
                                        .arg(roomInBevel(table, entry))));
            }

        // Every push button of every window.
        for (QWidget *window : windows.all())
            for (const QPushButton *button : window->findChildren<QPushButton *>()) {
                const auto [need, room] = buttonNeedAndRoom(button);
                QVERIFY2(need <= room, qPrintable(QStringLiteral("%1 \"%2\": %3 pixels for %4")
                                                      .arg(button->objectName(), button->text())
                                                      .arg(need)
                                                      .arg(room)));
            }

        // The dialogs' labels that size themselves.
        for (const DialogLabel &entry : kDialogLabels) {
            const QLabel *label = dialogLabel(windows, entry);
            QVERIFY2(label, entry.name);
            const int room =
                std::max(entry.layoutWidth, spanishWidths.value(QLatin1String(entry.name) +
                                                                QLatin1String(entry.window)));
            QVERIFY2(captionWidth(label) <= room,
                     qPrintable(QStringLiteral("%1 %2 \"%3\": %4 pixels for %5")
                                    .arg(entry.window, entry.name, label->text())
                                    .arg(captionWidth(label))
                                    .arg(room)));
        }
        // The subtitle of the pupil-data dialog wraps inside its fixed box.
        const QLabel *subtitle =
            windows.made->DatosBox.findChild<QLabel *>(QStringLiteral("Label5"));
        QVERIFY(subtitle->heightForWidth(subtitle->width()) <= subtitle->height());

        // The state patterns, when shown, keep at least a pixel clear of the legend's words.
        TForm1 &form = windows.made->Form1;
        for (const char *name : {"Image2", "Image3"}) {
            const QWidget *legend = child<PictureBox>(form, name);
            const QImage words = form.grab(legend->geometry()).toImage();
            form.setMarks(true);
            const QImage patterned = form.grab(legend->geometry()).toImage();
            form.setMarks(false);
            const auto isWord = [&](int x, int y) {
                const QRgb pixel = words.pixel(std::clamp(x, 0, words.width() - 1),
                                               std::clamp(y, 0, words.height() - 1));
                return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 150; // almost black
            };
            int patternPixels = 0;
            for (int y = 0; y < words.height(); ++y)
                for (int x = 0; x < words.width(); ++x) {
                    if (patterned.pixel(x, y) == words.pixel(x, y))
                        continue;
                    ++patternPixels;
                    const QString where = QStringLiteral("%1 at %2, %3").arg(name).arg(x).arg(y);
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            QVERIFY2(!isWord(x + dx, y + dy), qPrintable(where));
                }
            QVERIFY(patternPixels > 0);
        }

        // The instructions: every line on one line of the text area, and no scrolling.
        TAboutBox &about = windows.made->AboutBox;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPlainTextEdit *memo = child<QPlainTextEdit>(about, "Memo1");
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next())
            QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
    }

    // On a dark desktop palette every text of every window still stands out from the ground
    // it is drawn on, as far as it does on a light one (the running total's lime on the main
    // window's green is pale by design), whether the window sets the text's colour or the
    // palette gives it.
    void everyTextStandsOutOnADarkPalette()
    {
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        const QMap<QString, double> onLight = textContrasts();
        QVERIFY2(onLight.size() > 40, qPrintable(QString::number(onLight.size())));

        QPalette dark;
        dark.setColor(QPalette::Window, QColor(32, 32, 32));
        dark.setColor(QPalette::Button, QColor(48, 48, 48));
        dark.setColor(QPalette::Base, QColor(16, 16, 16));
        dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
            dark.setColor(role, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        const QMap<QString, double> onDark = textContrasts();
        QCOMPARE(onDark.keys(), onLight.keys());
        for (auto it = onDark.cbegin(); it != onDark.cend(); ++it)
            QVERIFY2(it.value() >= std::min(3.0, onLight[it.key()] * 0.9),
                     qPrintable(QStringLiteral("%1: contrast %2, %3 on a light palette")
                                    .arg(it.key())
                                    .arg(it.value())
                                    .arg(onLight[it.key()])));
    }

    // Qt's own texts that a pupil meets: every context menu of every window, opened as a
    // right click opens it, and a message box's button. The Spanish program's are Qt's English
    // ones, as always; no other language shows one of them.
    void qtsOwnTextsComeInTheLanguage()
    {
        const QStringList english = contextMenuTexts(Language::Spanish);
        QVERIFY2(english.contains(QStringLiteral("Select All")) &&
                     english.contains(QStringLiteral("Step up")),
                 qPrintable(english.join(u'|')));
        for (Language language :
             {Language::Catalan, Language::Valencian, Language::Galician, Language::Basque}) {
            const QStringList texts = contextMenuTexts(language);
            QCOMPARE(texts.size(), english.size());
            for (const QString &text : texts)
                QVERIFY2(!english.contains(text),
                         qPrintable(language::code(language) + QStringLiteral(": ") + text));
            QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
            QVERIFY(box.button(QMessageBox::Ok)->text() != QLatin1String("OK"));
            // The teacher's summary: a message's details, and Qt's own save dialog.
            box.setDetailedText(QStringLiteral("x"));
            QFileDialog save;
            save.setOption(QFileDialog::DontUseNativeDialog);
            save.setAcceptMode(QFileDialog::AcceptSave);
            QStringList shown;
            for (const QAbstractButton *button : box.findChildren<QAbstractButton *>())
                shown << button->text();
            for (const QLabel *label : save.findChildren<QLabel *>())
                shown << label->text();
            for (const QAbstractButton *button : save.findChildren<QAbstractButton *>())
                shown << button->text();
            for (const char *qt : {"Show Details...", "Look in:", "File &name:", "Files of type:",
                                   "&Save", "Cancel"})
                QVERIFY2(!shown.contains(QLatin1String(qt)),
                         qPrintable(language::code(language) + QStringLiteral(": ") + qt));
        }
        QVERIFY(language::use(Language::Valencian));
        QVERIFY(contextMenuTexts(Language::Valencian).contains(QStringLiteral("Suprimix")));
        language::use(Language::Spanish);
        QMessageBox spanish(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
        QCOMPARE(spanish.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    }

    // A text that is Spanish in all three translations was never marked for translation.
    void nothingThePupilReadsStaysSpanishEverywhere()
    {
        QMap<QString, QString> spanish;
        {
            const Windows windows(Language::Spanish);
            for (QWidget *window : windows.all())
                spanish.insert(textsOf(window));
        }
        QMap<QString, int> unchanged;
        for (Language language : {Language::Catalan, Language::Galician, Language::Basque}) {
            const Windows windows(language);
            QMap<QString, QString> texts;
            for (QWidget *window : windows.all())
                texts.insert(textsOf(window));
            QCOMPARE(texts.keys(), spanish.keys());
            for (auto it = texts.cbegin(); it != texts.cend(); ++it)
                if (it.value() == spanish.value(it.key()))
                    ++unchanged[it.key()];
        }
        int checked = 0;
        for (auto it = spanish.cbegin(); it != spanish.cend(); ++it) {
            const bool hasWords =
                it.value().contains(QRegularExpression(QStringLiteral("[a-z]{2}")));
            if (!hasWords || withoutMnemonic(it.value()) == QLatin1String("Tabelora"))
                continue;
            ++checked;
            QVERIFY2(unchanged.value(it.key()) < 3,
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(it.key(), it.value())));
        }
        // Captions, titles and accessible names of the windows, the cells and the tiles.
        QVERIFY2(checked > 2 * 114, qPrintable(QString::number(checked)));
    }

private:
    // The texts of every context menu the windows have, their submenus' included, without
    // mnemonics, one per menu entry. Each menu is opened by the event a right click sends, and
    // closed once its texts are read.
    static QStringList contextMenuTexts(Language language)
    {
        const Windows windows(language);
        QStringList texts;
        const auto read = [&texts](QMenu *menu, const auto &self) -> void {
            for (QAction *action : menu->actions()) {
                if (action->menu())
                    self(action->menu(), self);
                if (!action->isSeparator())
                    texts << withoutMnemonic(action->text());
            }
        };
        QList<QPointer<QWidget>> widgets; // the menus come and go among the children
        for (QWidget *window : windows.all())
            for (QWidget *widget : window->findChildren<QWidget *>())
                widgets << widget;
        for (QWidget *widget : widgets) {
            if (!widget)
                continue;
            const auto *label = qobject_cast<QLabel *>(widget);
            const bool offersMenu =
                qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
                qobject_cast<QPlainTextEdit *>(widget) ||
                (label && label->textInteractionFlags() != Qt::NoTextInteraction);
            if (!offersMenu || widget->contextMenuPolicy() != Qt::DefaultContextMenu)
                continue;
            QWidget *target = widget;
            if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
                target = area->viewport();
            QTimer::singleShot(0, [&] {
                if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                    read(menu, read);
                    menu->close();
                }
            });
            const QPoint at = target->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &event);
            QApplication::processEvents();
            if (auto *left = QApplication::activePopupWidget())
                left->close();
        }
        return texts;
    }

    // The contrast of every text in every window, made and shown with the application's
    // palette as it is, by window and control; an edit's by the colours what is typed takes.
    static QMap<QString, double> textContrasts()
    {
        QMap<QString, double> contrasts;
        const Windows windows(Language::Spanish);
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tabelora"),
                        QStringLiteral("Cannot create file"), QMessageBox::Ok);
        QList<QWidget *> all = windows.all();
        all << &box;
        for (QWidget *window : all) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window))
                return {};
            const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QString prefix = QLatin1String(window->metaObject()->className()) + u'/';
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                QString text;
                if (auto *label = qobject_cast<QLabel *>(widget); label && label->pixmap().isNull())
                    text = label->text();
                else if (auto *caption = qobject_cast<CaptionLabel *>(widget))
                    text = caption->caption();
                else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                    text = button->text();
                else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
                    text = edit->toPlainText();
                // Qt's own controls have no names: their texts or classes name them.
                QString key = prefix + widget->objectName();
                if (widget->objectName().isEmpty())
                    key += text.isEmpty() ? QLatin1String(widget->metaObject()->className()) : text;
                const QRect rect(widget->mapTo(window, QPoint()), widget->size());
                if (auto *edit = qobject_cast<QLineEdit *>(widget))
                    contrasts.insert(key, contrast(edit->palette().color(QPalette::Text),
                                                   edit->palette().color(QPalette::Base)));
                // The class table's texts are black, on its ground seen in its corner.
                if (qobject_cast<ClassTable *>(widget))
                    contrasts.insert(
                        key, contrast(Qt::black, shot.pixel(rect.topLeft() + QPoint(5, 5))));
                if (text.trimmed().isEmpty() || !widget->isVisibleTo(window))
                    continue;
                contrasts.insert(key, textContrast(shot, rect & shot.rect()));
            }
            window->hide();
        }
        return contrasts;
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "tst_translatedwindows.moc"
