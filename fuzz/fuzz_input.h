#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vexo::fuzz {

// The same bytes read three ways: UTF-8 gives whole characters (invalid
// sequences become U+FFFD), Latin-1 gives every control character and 128 to
// 255, raw UTF-16 code units give lone surrogates and anything up to 0xFFFF.
inline QList<QString> decodings(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const auto length = static_cast<qsizetype>(size);
    QString units(length / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < units.size(); ++i)
        units[i] = QChar(char16_t(data[2 * i] | (data[2 * i + 1] << 8)));
    return {QString::fromUtf8(bytes, length), QString::fromLatin1(bytes, length), units};
}

// Code units in hex, so a report shows exactly what went in.
inline QByteArray describe(const QString &text)
{
    QByteArray out = "\"";
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit >= 0x20 && unit < 0x7F && unit != u'\\' && unit != u'"')
            out += char(unit);
        else
            out += "\\u" + QByteArray::number(unit, 16).rightJustified(4, '0');
    }
    return out + "\"";
}

[[noreturn]] inline void fail(const char *condition, const char *file, int line,
                              const QString &input)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  input: %s\n", file, line, condition,
                 describe(input).constData());
    std::abort();
}

} // namespace vexo::fuzz

// Aborts, so libFuzzer keeps the input as a crash; `input` is the text under test.
#define FUZZ_CHECK(condition, input)                                                               \
    ((condition) ? void() : vexo::fuzz::fail(#condition, __FILE__, __LINE__, (input)))
