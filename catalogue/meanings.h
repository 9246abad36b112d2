#pragma once

#include <QString>

namespace vexo {

// Single-letter meaning of a letter flag or substitute, compared after upper-
// casing; every other text (digits, NATO codes, empty, longer texts) gives "".
QString FlagMeaning(const QString &code);

// Meaning of a flag as a racing signal, compared after upper-casing; "" for
// every flag that is none.
QString RaceMeaning(const QString &code);

// The codes of the racing signals, the answering pennant first.
const QString &RaceSignalCodes();

} // namespace vexo
