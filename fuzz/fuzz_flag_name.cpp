#include "catalogue/flags.h"
#include "fuzz/fuzz_input.h"

#include <QSet>

using namespace vexo;

namespace {

// Every flag code is printable ASCII, so these are all the names there are.
QSet<QString> catalogueNames()
{
    QSet<QString> names;
    for (char16_t unit = 0x21; unit < 0x7F; ++unit) {
        const QString code(QChar{unit});
        if (FlagName(code) != code)
            names.insert(FlagName(code));
    }
    return names;
}

const QSet<QString> &names()
{
    static const QSet<QString> all = catalogueNames();
    return all;
}

void checkName(const QString &text)
{
    const QString name = FlagName(text);
    FUZZ_CHECK(FlagName(text) == name, text);
    // Named are exactly the single codes with a category, and the answering pennant.
    const bool isCode =
        text.size() == 1 && (FlagCategory(text) != CategoryOther || text == QLatin1String("}"));
    FUZZ_CHECK((name != text) == isCode, text);
    if (!isCode)
        return;
    FUZZ_CHECK(names().contains(name), text);
    FUZZ_CHECK(text.at(0).unicode() < 0x7F, text);
    FUZZ_CHECK(FlagName(upperPerChar(text)) == name && FlagName(lowerPerChar(text)) == name, text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // 26 letters, 10 digits, 4 substitutes, the answering pennant, 17 NATO flags.
    if (names().size() != 58) {
        std::fprintf(stderr, "the catalogue has %lld names, not 58\n",
                     static_cast<long long>(names().size()));
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::checkTextsAndCharacters(data, size, checkName);
    return 0;
}
