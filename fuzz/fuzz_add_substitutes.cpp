#include "catalogue/flags.h"
#include "catalogue/substitutes.h"
#include "fuzz/fuzz_input.h"

#include <algorithm>
#include <array>

using namespace vexo;

namespace {

constexpr std::array<char16_t, 4> Substitutes{u'!', u'@', u'#', u'$'};

bool isSubstitute(QChar ch)
{
    return std::find(Substitutes.begin(), Substitutes.end(), ch.unicode()) != Substitutes.end();
}

void checkHoist(const QString &input)
{
    const QString output = AddSubstitutes(input);
    FUZZ_CHECK(output.size() == input.size(), input);
    FUZZ_CHECK(AddSubstitutes(input) == output, input);
    if (input.size() < 2)
        FUZZ_CHECK(output == input, input);

    std::array<int, 4> written{};
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (output.at(i) == input.at(i))
            continue;
        FUZZ_CHECK(isSubstitute(output.at(i)), input);
        const int category = FlagCategory(input.at(i));
        FUZZ_CHECK(category == CategoryNumeral || category == CategoryLetter ||
                       category == CategorySubstitute,
                   input);
        // A substitute stands for a flag already flown earlier in the hoist.
        FUZZ_CHECK(input.left(i).contains(input.at(i)), input);
        const auto slot = std::find(Substitutes.begin(), Substitutes.end(), output.at(i).unicode());
        ++written[slot - Substitutes.begin()];
    }
    for (size_t n = 0; n < Substitutes.size(); ++n) {
        const QChar code(Substitutes[n]);
        FUZZ_CHECK(written[n] <= 1, input);
        if (!input.contains(code))
            FUZZ_CHECK(output.count(code) <= 1, input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : fuzz::decodings(data, size))
        checkHoist(text);
    return 0;
}
