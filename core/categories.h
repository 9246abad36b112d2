#pragma once

#include <QString>

#include <array>

namespace vexo {

// Ticked state of the five category boxes of the flag quiz window.
struct CategoryBoxes
{
    bool letters = false;
    bool numPennants = false;
    bool substitutes = false;
    bool natoSpecials = false;
    bool numberFlags = false;

    bool none() const
    {
        return !(letters || numPennants || substitutes || natoSpecials || numberFlags);
    }
    bool all() const
    {
        return letters && numPennants && substitutes && natoSpecials && numberFlags;
    }
    bool operator==(const CategoryBoxes &) const = default;
    bool onlyNatoSpecials() const
    {
        return natoSpecials && !letters && !numPennants && !substitutes && !numberFlags;
    }
};

// Captions of the five category labels of the flag quiz window, in the order
// letters, numeral pennants, substitutes, NATO specials, NATO numerals; the
// flags listing names its frames with them.
inline const std::array<QString, 5> &CategoryCaptions()
{
    static const std::array<QString, 5> captions{
        QStringLiteral("ICS &Letters"), QStringLiteral("ICS Numeral &Pennants"),
        QStringLiteral("&Substitutes"), QStringLiteral("&NATO Signal Flags"),
        QStringLiteral("NATO Numeral &Flags")};
    return captions;
}

} // namespace vexo
