#pragma once

#include "ui/controls.h"

#include <QPointer>
#include <QWidget>

namespace vexo {

// Every window exists once. Touching a window that does not exist yet creates
// it and runs its Form_Load; a window is registered before its Form_Load runs,
// so a load handler that reaches back to its own window finds it.
template <class W>
class WindowSlot
{
public:
    static W &get()
    {
        if (!s_instance) {
            W *created = new W;
            s_instance = created;
            created->Form_Load();
        }
        return *s_instance;
    }
    static W *existing() { return s_instance.data(); }

private:
    static inline QPointer<W> s_instance;
};

template <class W>
W &getWindow()
{
    return WindowSlot<W>::get();
}

// The window if it exists, without creating it.
template <class W>
W *existingWindow()
{
    return WindowSlot<W>::existing();
}

// A control of a window by the name its design gives it ("AnswerBox",
// "Image1_3"), for tools and tests that drive the windows as a user does.
// A name the window does not have is the caller's fault: it stops the program.
template <class T = QWidget>
T *control(const QWidget &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name));
    return found;
}

// Element `index` of a control array ("Image1", 3).
template <class T = QWidget>
T *control(const QWidget &window, const char *array, int index)
{
    return control<T>(window, elementName(array, index));
}

} // namespace vexo
