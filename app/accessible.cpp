#include "app/accessible.h"

#include "app/blankcell.h"
#include "app/captionlabel.h"
#include "app/gauge.h"
#include "tiles/animatedcorvalia.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

// A caption: its name says what it counts and the figure, "Total aciertos: 57".
class CaptionInterface : public QAccessibleWidget
{
public:
    explicit CaptionInterface(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString caption = static_cast<const CaptionLabel *>(widget())->caption().trimmed();
        const QString name = widget()->accessibleName();
        if (name.isEmpty() || caption.isEmpty())
            return name.isEmpty() ? caption : name;
        //: A counter as a screen reader says it: what it counts, then the figure.
        return QCoreApplication::translate("accessible", "%1: %2").arg(name, caption);
    }
};

class GaugeInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit GaugeInterface(QWidget *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QStringLiteral("%1 %").arg(gauge()->percentDone());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return gauge()->percentDone(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const TGauge *gauge() const { return static_cast<const TGauge *>(widget()); }
};

QString described(const QWidget *control)
{
    const auto *window = dynamic_cast<const accessible::Describing *>(control->window());
    return window ? window->describe(control) : QString();
}

// A cell of the table: its name says where it is, what stands on it and, after a
// correction, whether that was right.
class CellInterface : public QAccessibleWidget
{
public:
    explicit CellInterface(QWidget *cell) : QAccessibleWidget(cell, QAccessible::Cell) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString now = described(widget());
            return now.isEmpty() ? QAccessibleWidget::text(t) : now;
        }
        return QAccessibleWidget::text(t);
    }
};

// A tile: an item that takes the board's focus and is selected while picked up.
class TileInterface : public QAccessibleWidget
{
public:
    explicit TileInterface(QWidget *tile) : QAccessibleWidget(tile, QAccessible::ListItem) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto *tile = static_cast<const TAnimatedCorvalia *>(widget());
        s.focusable = true;
        s.focused = tile->focusMark();
        s.selectable = true;
        s.selected = tile->pickedMark();
        return s;
    }
    // Where the tile is now: in the tray, on a cell, or on its way.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            const QString now = described(widget());
            return now.isEmpty() ? QAccessibleWidget::text(t) : now;
        }
        return QAccessibleWidget::text(t);
    }
};

class AnnouncerInterface : public QAccessibleWidget
{
public:
    explicit AnnouncerInterface(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer *>(widget())->told();
        return QAccessibleWidget::text(t);
    }
};

// Qt asks for each class of an object, from its own up to QObject, until one answers.
QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CaptionLabel"))
        return new CaptionInterface(widget);
    if (className == QLatin1String("TGauge"))
        return new GaugeInterface(widget);
    if (className == QLatin1String("TAnimatedCorvalia"))
        return new TileInterface(widget);
    if (className == QLatin1String("BlankCell"))
        return new CellInterface(widget);
    if (className == QLatin1String("PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("Announcer"))
        return new AnnouncerInterface(widget);
    return nullptr;
}

void changed(QWidget *control, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, what);
    QAccessible::updateAccessibility(&event);
}

} // namespace

namespace accessible {

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

bool listening()
{
    return QAccessible::isActive();
}

void nameChanged(QWidget *control)
{
    changed(control, QAccessible::NameChanged);
}

void descriptionChanged(QWidget *control)
{
    changed(control, QAccessible::DescriptionChanged);
}

void selected(QWidget *control)
{
    changed(control, QAccessible::SelectionAdd);
}

} // namespace accessible

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    resize(0, 0);
    hide();
}

void Announcer::say(const QString &sentence)
{
    if (!QAccessible::isActive() || sentence.isEmpty())
        return;
    if (pending_.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::tell, Qt::QueuedConnection);
    pending_.append(sentence);
}

// The notification "shows" again for every message, which is what a reader speaks it on.
void Announcer::tell()
{
    told_ = pending_.join(QLatin1Char(' '));
    pending_.clear();
    changed(this, QAccessible::NameChanged);
    changed(this, QAccessible::ObjectShow);
}
