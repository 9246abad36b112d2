#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace vexo {

enum FlagCategoryCode : int {
    CategoryOther = 0,
    CategoryNumeral = 1,
    CategoryLetter = 2,
    CategorySubstitute = 3,
    CategoryNatoSpecial = 4,
};

// Case mapping one code unit at a time, so a text never changes its length
// (QString::toUpper turns "ß" into "SS").
QString upperPerChar(const QString &text);
QString lowerPerChar(const QString &text);

// Spoken name of a flag code ("a" and "A" give "Alpha"); any text that is no
// flag code, the empty one and longer ones included, comes back unchanged.
QString FlagName(const QString &code);

// 0 other, 1 numeral, 2 letter, 3 substitute, 4 NATO special; judged on the
// first character. Empty texts and characters above 255 are "other".
int FlagCategory(const QString &code);
int FlagCategory(QChar ch);

// Bitmap id of a flag code's picture: the lower-cased character code, minus 28
// for a digit shown as a NATO numeral flag. 0 for an empty code.
int FlagPictureId(const QString &code, bool asNatoNumeral = false);
int FlagPictureId(QChar ch, bool asNatoNumeral = false);

// The codes of each category in the catalogue's order: the 26 letters A to
// Z, the numerals 0 to 9, the substitutes !@#$ (1st to 4th) and the 17 NATO
// specials (names alphabetical: Corpen ... Turn).
const QString &LetterCodes();
const QString &NumeralCodes();
const QString &SubstituteCodes();
const QString &NatoSpecialCodes();

// The NATO special-flag code of a 1-based list entry, or an empty text.
QString NatoSpecialCode(int entry);

// The names of the NATO special flags in that order, as the lists offer them.
const QStringList &NatoSpecialNames();

} // namespace vexo
