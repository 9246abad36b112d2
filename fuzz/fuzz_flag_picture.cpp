#include "catalogue/flag_pictures.h"
#include "catalogue/flags.h"
#include "fuzz/fuzz_input.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>

using namespace vexo;

namespace {

void checkPicture(int id, const QString &input)
{
    const bool has = HasFlagPicture(id);
    const QSize size = FlagPictureSize(id);
    const QPixmap picture = FlagPicture(id, 1.0);
    FUZZ_CHECK(picture.isNull() != has, input);
    FUZZ_CHECK(size.isEmpty() != has, input);
    if (!has)
        return;
    FUZZ_CHECK(picture.deviceIndependentSize().toSize() == size, input);
    static const std::array<QSize, 4> classes{QSize(45, 38), QSize(46, 38), QSize(90, 30),
                                              QSize(68, 45)};
    FUZZ_CHECK(std::find(classes.begin(), classes.end(), size) != classes.end(), input);
}

void checkCode(QChar ch, const QString &input)
{
    const QString code(ch);
    const int category = FlagCategory(ch);
    for (const bool asNato : {false, true}) {
        const int id = FlagPictureId(ch, asNato);
        FUZZ_CHECK(FlagPictureId(code, asNato) == id, input);
        checkPicture(id, input);
        // Every flag code has its picture, and a space has the gap between words.
        if (category != CategoryOther || ch == u'}' || ch == u' ')
            FUZZ_CHECK(HasFlagPicture(id), input);
        if (category == CategoryLetter)
            FUZZ_CHECK(id == FlagPictureId(ch.toLower(), asNato), input);
        if (category == CategoryNumeral)
            FUZZ_CHECK(id == ch.unicode() - (asNato ? 28 : 0), input);
    }
}

// A picture stretched to a size picked by the input: null exactly when there
// is nothing to draw or no ratio to draw it for, else that many logical
// pixels. The few sizes and ratios keep the picture cache small.
void checkStretched(int id, const uint8_t *data, size_t size, const QString &input)
{
    if (size < 3)
        return;
    static constexpr std::array<int, 5> sides{-1, 0, 1, 45, 90};
    const QSize stretched(sides[data[0] % sides.size()], sides[data[1] % sides.size()]);
    const qreal ratio = data[2] % 3;
    const QPixmap picture = FlagPicture(id, stretched, ratio);
    FUZZ_CHECK(picture.isNull() == (!HasFlagPicture(id) || stretched.isEmpty() || ratio <= 0),
               input);
    if (!picture.isNull())
        FUZZ_CHECK(picture.deviceIndependentSize().toSize() == stretched, input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_flag_picture";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    for (const QString &text : fuzz::decodings(data, size)) {
        FUZZ_CHECK(FlagPictureId(text) == (text.isEmpty() ? 0 : FlagPictureId(text.at(0))), text);
        for (const QChar ch : text.left(64))
            checkCode(ch, text);
    }
    // Ids straight from the input, negative ones included; the small range
    // keeps the renderer cache bounded.
    if (size >= 2) {
        const int id = qint16(data[0] | (data[1] << 8));
        const QString input = QString::number(id);
        checkPicture(id, input);
        checkStretched(id, data + 2, size - 2, input);
    }
    return 0;
}
