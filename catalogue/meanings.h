#pragma once

#include <QString>

namespace vexo {

// Single-letter meaning of a letter flag or substitute, compared after upper-
// casing; every other text (digits, NATO codes, empty, longer texts) gives "".
QString FlagMeaning(const QString &code);

} // namespace vexo
