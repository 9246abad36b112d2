#include "catalogue/flags.h"

#include <array>

namespace vexo {

namespace {

struct CatalogueEntry
{
    char16_t code;
    FlagCategoryCode category;
    const char *name;
};

// Every flag: its code, category and spoken name. The order is the one the
// listings, the score chart and the quiz pools follow; the answering pennant
// is a flag of no category.
constexpr std::array<CatalogueEntry, 58> Catalogue{{
    {u'A', CategoryLetter, "Alpha"},
    {u'B', CategoryLetter, "Bravo"},
    {u'C', CategoryLetter, "Charlie"},
    {u'D', CategoryLetter, "Delta"},
    {u'E', CategoryLetter, "Echo"},
    {u'F', CategoryLetter, "Foxtrot"},
    {u'G', CategoryLetter, "Golf"},
    {u'H', CategoryLetter, "Hotel"},
    {u'I', CategoryLetter, "India"},
    {u'J', CategoryLetter, "Juliet"},
    {u'K', CategoryLetter, "Kilo"},
    {u'L', CategoryLetter, "Lima"},
    {u'M', CategoryLetter, "Mike"},
    {u'N', CategoryLetter, "November"},
    {u'O', CategoryLetter, "Oscar"},
    {u'P', CategoryLetter, "Papa"},
    {u'Q', CategoryLetter, "Quebec"},
    {u'R', CategoryLetter, "Romeo"},
    {u'S', CategoryLetter, "Sierra"},
    {u'T', CategoryLetter, "Tango"},
    {u'U', CategoryLetter, "Uniform"},
    {u'V', CategoryLetter, "Victor"},
    {u'W', CategoryLetter, "Whiskey"},
    {u'X', CategoryLetter, "X-Ray"},
    {u'Y', CategoryLetter, "Yankee"},
    {u'Z', CategoryLetter, "Zulu"},
    {u'0', CategoryNumeral, "Zero"},
    {u'1', CategoryNumeral, "One"},
    {u'2', CategoryNumeral, "Two"},
    {u'3', CategoryNumeral, "Three"},
    {u'4', CategoryNumeral, "Four"},
    {u'5', CategoryNumeral, "Five"},
    {u'6', CategoryNumeral, "Six"},
    {u'7', CategoryNumeral, "Seven"},
    {u'8', CategoryNumeral, "Eight"},
    {u'9', CategoryNumeral, "Nine"},
    {u'!', CategorySubstitute, "1st Subst"},
    {u'@', CategorySubstitute, "2nd Subst"},
    {u'#', CategorySubstitute, "3rd Subst"},
    {u'$', CategorySubstitute, "4th Subst"},
    {u'}', CategoryOther, "Ans. Penn."},
    {u'|', CategoryNatoSpecial, "Corpen"},
    {u'{', CategoryNatoSpecial, "Designation"},
    {u'/', CategoryNatoSpecial, "Division"},
    {u':', CategoryNatoSpecial, "Emergency"},
    {u'&', CategoryNatoSpecial, "Flotilla"},
    {u';', CategoryNatoSpecial, "Formation"},
    {u'<', CategoryNatoSpecial, "Interrogative"},
    {u'=', CategoryNatoSpecial, "Negative"},
    {u'>', CategoryNatoSpecial, "Port"},
    {u'?', CategoryNatoSpecial, "Preparative"},
    {u'[', CategoryNatoSpecial, "Screen"},
    {u'\\', CategoryNatoSpecial, "Speed"},
    {u'%', CategoryNatoSpecial, "Squadron"},
    {u'^', CategoryNatoSpecial, "Starboard"},
    {u']', CategoryNatoSpecial, "Station"},
    {u'_', CategoryNatoSpecial, "Subdivision"},
    {u'`', CategoryNatoSpecial, "Turn"},
}};

// Category of each Latin-1 code unit, upper case as in the catalogue.
constexpr std::array<FlagCategoryCode, 256> CategoryTable = [] {
    std::array<FlagCategoryCode, 256> table{};
    for (const CatalogueEntry &entry : Catalogue)
        table[entry.code] = entry.category;
    return table;
}();

QString codesOf(FlagCategoryCode category)
{
    QString codes;
    for (const CatalogueEntry &entry : Catalogue) {
        if (entry.category == category)
            codes += QChar(entry.code);
    }
    return codes;
}

} // namespace

QString upperPerChar(const QString &text)
{
    QString result = text;
    for (QChar &ch : result)
        ch = ch.toUpper();
    return result;
}

QString lowerPerChar(const QString &text)
{
    QString result = text;
    for (QChar &ch : result)
        ch = ch.toLower();
    return result;
}

QString FlagName(const QString &code)
{
    if (code.size() != 1 || code.at(0).unicode() > 255)
        return code;
    const QChar upper = code.at(0).toUpper();
    for (const CatalogueEntry &entry : Catalogue) {
        if (upper.unicode() == entry.code)
            return QString::fromLatin1(entry.name);
    }
    return code;
}

int FlagCategory(QChar ch)
{
    // Beyond Latin-1 some characters case-map onto ASCII letters (the Kelvin
    // sign, dotted capital I); none of them is a flag.
    if (ch.unicode() > 255)
        return CategoryOther;
    const char16_t upper = ch.toUpper().unicode();
    return upper > 255 ? CategoryOther : CategoryTable[upper];
}

int FlagCategory(const QString &code)
{
    return code.isEmpty() ? CategoryOther : FlagCategory(code.at(0));
}

int FlagPictureId(QChar ch, bool asNatoNumeral)
{
    if (ch.unicode() > 255)
        return ch.unicode();
    const int id = ch.toLower().unicode();
    if (asNatoNumeral && FlagCategory(ch) == CategoryNumeral)
        return id - 28;
    return id;
}

int FlagPictureId(const QString &code, bool asNatoNumeral)
{
    return code.isEmpty() ? 0 : FlagPictureId(code.at(0), asNatoNumeral);
}

const QString &LetterCodes()
{
    static const QString codes = codesOf(CategoryLetter);
    return codes;
}

const QString &NumeralCodes()
{
    static const QString codes = codesOf(CategoryNumeral);
    return codes;
}

const QString &SubstituteCodes()
{
    static const QString codes = codesOf(CategorySubstitute);
    return codes;
}

const QString &NatoSpecialCodes()
{
    static const QString codes = codesOf(CategoryNatoSpecial);
    return codes;
}

const QStringList &NatoSpecialNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (QChar code : NatoSpecialCodes())
            list << FlagName(QString(code));
        return list;
    }();
    return names;
}

QString NatoSpecialCode(int entry)
{
    if (entry < 1 || entry > NatoSpecialCodes().size())
        return QString();
    return NatoSpecialCodes().mid(entry - 1, 1);
}

} // namespace vexo
