#pragma once

#include <QString>

namespace vexo {

// Rewrites a hoist so that a flag repeating an earlier one of its run is shown
// by the substitute for that place (1st to 4th). Same length out as in; each
// substitute is written at most once per call.
QString AddSubstitutes(const QString &text);

} // namespace vexo
