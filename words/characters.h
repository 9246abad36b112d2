#pragma once

#include <QString>
#include <QStringList>

namespace vexo {

// The characters of a text as the user sees them: an emoji or a letter with
// its accents is one (a grapheme cluster), whatever its code units. Each is
// one place of a hoist and one of a typing limit.
QStringList userCharacters(const QString &text);

} // namespace vexo
