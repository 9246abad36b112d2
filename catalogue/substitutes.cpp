#include "catalogue/substitutes.h"

#include "catalogue/flags.h"

#include <array>

namespace vexo {

QString AddSubstitutes(const QString &text)
{
    // Substitute n repeats the flag at place n of its run.
    const QString &substitutes = SubstituteCodes();
    std::array<bool, 4> used{};
    QString output = text;
    const qsizetype length = text.size();

    // Categories are computed once; all tests look at the input, never the output.
    QList<int> category(length);
    for (qsizetype i = 0; i < length; ++i)
        category[i] = FlagCategory(text.at(i));

    for (qsizetype i = 1; i < length; ++i) {
        const int cat = category[i];
        if (cat < CategoryNumeral || cat > CategorySubstitute)
            continue;
        // Spaces take up places in a run but never end it.
        qsizetype runStart = 0;
        for (qsizetype j = i - 1; j >= 0; --j) {
            if (text.at(j) != QLatin1Char(' ') && category[j] != cat) {
                runStart = j + 1;
                break;
            }
        }
        for (qsizetype k = runStart; k < i; ++k) {
            if (text.at(k) != text.at(i))
                continue;
            const qsizetype place = k - runStart + 1;
            if (place <= 4 && !used[place - 1]) {
                output[i] = substitutes.at(place - 1);
                used[place - 1] = true;
            }
        }
    }
    return output;
}

} // namespace vexo
