#include "fuzz/fuzz_input.h"
#include "words/word_list.h"

#include <algorithm>
#include <vector>

using namespace vexo;

namespace {

// Some character occurs `times` times or more among the code units of `units`.
bool occursTimes(std::vector<char16_t> units, size_t times)
{
    std::sort(units.begin(), units.end());
    for (size_t i = 0; i + times <= units.size(); ++i) {
        if (units[i] == units[i + times - 1])
            return true;
    }
    return false;
}

void checkWord(const QString &word)
{
    std::vector<char16_t> all;
    for (const QChar ch : word)
        all.push_back(ch.unicode());
    // Places 5 and later are indices 4 and later.
    const std::vector<char16_t> late(all.begin() + std::min<size_t>(4, all.size()), all.end());
    const bool lateRepeat = occursTimes(late, 2);
    const bool thrice = occursTimes(all, 3);

    const int code = WordRejectCode(word);
    FUZZ_CHECK(code >= 0 && code <= 2, word);
    FUZZ_CHECK((code == 0) == (!lateRepeat && !thrice), word);
    FUZZ_CHECK((code == 2) == lateRepeat, word);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : fuzz::decodings(data, size))
        checkWord(text);
    return 0;
}
