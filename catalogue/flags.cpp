#include "catalogue/flags.h"

#include <array>

namespace vexo {

namespace {

struct NamedCode
{
    char16_t code;
    const char *name;
};

// In the order FlagName tests the codes.
constexpr std::array<NamedCode, 58> Catalogue{{
    {u'A', "Alpha"},       {u'B', "Bravo"},     {u'C', "Charlie"},     {u'D', "Delta"},
    {u'E', "Echo"},        {u'F', "Foxtrot"},   {u'G', "Golf"},        {u'H', "Hotel"},
    {u'I', "India"},       {u'J', "Juliet"},    {u'K', "Kilo"},        {u'L', "Lima"},
    {u'M', "Mike"},        {u'N', "November"},  {u'O', "Oscar"},       {u'P', "Papa"},
    {u'Q', "Quebec"},      {u'R', "Romeo"},     {u'S', "Sierra"},      {u'T', "Tango"},
    {u'U', "Uniform"},     {u'V', "Victor"},    {u'W', "Whiskey"},     {u'X', "X-Ray"},
    {u'Y', "Yankee"},      {u'Z', "Zulu"},      {u'0', "Zero"},        {u'1', "One"},
    {u'2', "Two"},         {u'3', "Three"},     {u'4', "Four"},        {u'5', "Five"},
    {u'6', "Six"},         {u'7', "Seven"},     {u'8', "Eight"},       {u'9', "Nine"},
    {u'!', "1st Subst"},   {u'@', "2nd Subst"}, {u'#', "3rd Subst"},   {u'$', "4th Subst"},
    {u'}', "Ans. Penn."},  {u'|', "Corpen"},    {u'{', "Designation"}, {u'/', "Division"},
    {u':', "Emergency"},   {u'&', "Flotilla"},  {u';', "Formation"},   {u'<', "Interrogative"},
    {u'=', "Negative"},    {u'>', "Port"},      {u'?', "Preparative"}, {u'[', "Screen"},
    {u'\\', "Speed"},      {u'%', "Squadron"},  {u'^', "Starboard"},   {u']', "Station"},
    {u'_', "Subdivision"}, {u'`', "Turn"},
}};

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
    for (const NamedCode &entry : Catalogue) {
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
    const char16_t c = ch.toLower().unicode();
    if (c >= u'0' && c <= u'9')
        return CategoryNumeral;
    if (c >= u'a' && c <= u'z')
        return CategoryLetter;
    switch (c) {
    case u'!':
    case u'#':
    case u'$':
    case u'@':
        return CategorySubstitute;
    case u'%':
    case u'&':
    case u'/':
    case u':':
    case u';':
    case u'<':
    case u'=':
    case u'>':
    case u'?':
    case u'[':
    case u'\\':
    case u']':
    case u'^':
    case u'_':
    case u'`':
    case u'{':
    case u'|':
        return CategoryNatoSpecial;
    default:
        return CategoryOther;
    }
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

const QString &NatoSpecialCodes()
{
    static const QString codes = QStringLiteral("|{/:&;<=>?[\\%^]_`");
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
