#include "app/colours.h"

#include <QEvent>

namespace colours {

namespace {
class ReadableToolTips : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->windowType() == Qt::ToolTip)
                widget->setPalette(withReadableToolTips(widget->palette()));
        }
        return false;
    }
};
} // namespace

void keepToolTipsReadable(QObject *application)
{
    application->installEventFilter(new ReadableToolTips(application));
}

} // namespace colours
