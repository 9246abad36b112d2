#pragma once

#include <QPointer>

#include <functional>
#include <utility>

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
            if (std::function<void(W &)> prepare = std::exchange(s_prepare, {}))
                prepare(*created);
        }
        return *s_instance;
    }
    static W *existing() { return s_instance.data(); }
    static void prepare(std::function<void(W &)> step)
    {
        if (s_instance)
            step(*s_instance);
        else
            s_prepare = std::move(step);
    }

private:
    static inline QPointer<W> s_instance;
    static inline std::function<void(W &)> s_prepare;
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

// Runs `step` on the window now if it exists, or right after its Form_Load
// when it is first created: a window nobody has opened yet costs nothing at
// start, and ends up as if it had been built then.
template <class W>
void prepareWindow(std::function<void(W &)> step)
{
    WindowSlot<W>::prepare(std::move(step));
}

} // namespace vexo
