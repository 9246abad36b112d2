#include "catalogue/flags.h"
#include "catalogue/meanings.h"
#include "fuzz/fuzz_input.h"

using namespace vexo;

namespace {

void checkMeaning(const QString &text)
{
    const QString meaning = FlagMeaning(text);
    FUZZ_CHECK(FlagMeaning(text) == meaning, text);
    if (text.size() != 1) {
        FUZZ_CHECK(meaning.isEmpty(), text);
        return;
    }
    // Only letter flags and substitutes have a meaning, and each has one.
    const int category = FlagCategory(text);
    const bool hasMeaning = category == CategoryLetter || category == CategorySubstitute;
    FUZZ_CHECK(meaning.isEmpty() != hasMeaning, text);
    if (category == CategoryLetter) {
        FUZZ_CHECK(FlagMeaning(upperPerChar(text)) == meaning, text);
        FUZZ_CHECK(FlagMeaning(lowerPerChar(text)) == meaning, text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::checkTextsAndCharacters(data, size, checkMeaning);
    return 0;
}
