#pragma once

#include "app/random.h"
#include "app/shared_state.h"

#include <QLocale>

namespace vexo::test {

// Every test starts from a fresh run with a fixed seed and the C number format.
inline void freshRun(quint64 seed = 1)
{
    QLocale::setDefault(QLocale::c());
    resetSharedState();
    seedRandom(seed);
}

} // namespace vexo::test
