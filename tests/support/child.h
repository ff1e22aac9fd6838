#pragma once

#include <QObject>
#include <QtGlobal>

// A control of a window by the object name its layout gives it. A missing one ends the test
// run with the name, so a renamed control cannot pass as a null pointer.
template <typename T>
T *child(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s called %s", qPrintable(window.objectName()),
               T::staticMetaObject.className(), name);
    return found;
}
