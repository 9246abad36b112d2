#pragma once

#include "app/mode_switch.h"
#include "core/random.h"
#include "core/shared_state.h"
#include "ui/controls.h"
#include "ui/windows.h"
#include "words/word_list.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

namespace vexo::test {

// Every test starts from a fresh run with a fixed seed and the C number format,
// the word list counted as start-up counts it.
inline void freshRun(quint64 seed = 1)
{
    QLocale::setDefault(QLocale::c());
    resetSharedState();
    shared().WordCount = qint32(WordList().size());
    seedRandom(seed);
}

// The window, created if need be, shown and active as a user finds it.
template <class W>
W *openWindow()
{
    W *window = &getWindow<W>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("%s did not become active", qPrintable(window->objectName()));
    return window;
}

// Closes every window but About, as closing the flag quiz does, and lets
// them go.
inline void closeWindows()
{
    UnloadAllButAbout();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The picture ids of a word window's twelve boxes, top down; 0 for a gap.
inline QList<int> hoistIds(const QWidget &window)
{
    QList<int> ids;
    for (int i = 0; i < 12; ++i) {
        const ImageBox *box = control<ImageBox>(window, "Image1", i);
        ids << (box->isVisibleTo(box->parentWidget()) ? box->pictureId() : 0);
    }
    return ids;
}

} // namespace vexo::test
