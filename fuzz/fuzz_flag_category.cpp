#include "catalogue/flags.h"
#include "fuzz/fuzz_input.h"

using namespace vexo;

namespace {

// The classes written out as plain character lists, to check the lookup against.
int categoryByList(QChar ch)
{
    const char16_t unit = ch.unicode();
    if (unit >= u'0' && unit <= u'9')
        return CategoryNumeral;
    if ((unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z'))
        return CategoryLetter;
    if (QStringLiteral("!#$@").contains(ch))
        return CategorySubstitute;
    if (NatoSpecialCodes().contains(ch))
        return CategoryNatoSpecial;
    return CategoryOther;
}

void checkCategory(const QString &text)
{
    const int category = FlagCategory(text);
    FUZZ_CHECK(category >= CategoryOther && category <= CategoryNatoSpecial, text);
    FUZZ_CHECK(category == (text.isEmpty() ? CategoryOther : FlagCategory(text.at(0))), text);
    if (!text.isEmpty())
        FUZZ_CHECK(category == categoryByList(text.at(0)), text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::checkTextsAndCharacters(data, size, checkCategory);
    return 0;
}
