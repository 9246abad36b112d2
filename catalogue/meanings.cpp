#include "catalogue/meanings.h"

#include <array>

namespace vexo {

namespace {

struct Meaning
{
    char16_t code;
    const char *text;
};

const std::array<Meaning, 30> Meanings{{
    {u'A', "I have a diver down; keep well clear at slow speed."},
    {u'B', "I am taking in, or discharging, or carrying dangerous goods."},
    {u'C', "Yes (affirmative or \"The significance of the previous group should be read in the "
           "affirmative\")."},
    {u'D', "Keep clear of me; I am maneuvering with difficulty."},
    {u'E', "I am altering my course to starboard."},
    {u'F', "I am disabled; communicate with me."},
    {u'G', "I require a pilot. When made by fishing vessels operating in close proximity on the "
           "fishing grounds it means: \"I am hauling nets\"."},
    {u'H', "I have a pilot on board."},
    {u'I', "I am altering my course to port."},
    {u'J', "I am on fire and have dangerous cargo on board: keep well clear of me, or I am leaking "
           "dangerous cargo."},
    {u'K', "I wish to communicate with you."},
    {u'L', "You should stop your vessel instantly."},
    {u'M', "My vessel is stopped and making no way through the water."},
    {u'N', "No (negative or \"The significance of the previous group should be read in the "
           "negative\")."},
    {u'O', "Man overboard."},
    {u'P', "In harbor: All persons should report on board as the vessel is about to proceed to "
           "sea. At sea: \"My nets have come fast upon an obstruction\"."},
    {u'Q', "My vessel is \"healthy\" and I request free pratique."},
    {u'R', "(Flag has no meaning by itself)"},
    {u'S', "I am operating astern propulsion."},
    {u'T', "Keep clear of me; I am engaged in pair trawling."},
    {u'U', "You are running into danger."},
    {u'V', "I require assistance."},
    {u'W', "I require medical assistance."},
    {u'X', "Stop carrying out your intentions and watch for my signals."},
    {u'Y', "I am dragging my anchor."},
    {u'Z', "I require a tug. When made by fishing vessels operating in close proximity on the "
           "fishing grounds it means: \"I am shooting nets\"."},
    {u'!', "Repeat the 1st flag in the message"},
    {u'@', "Repeat the 2nd flag in the message"},
    {u'#', "Repeat the 3rd flag in the message"},
    {u'$', "Repeat the 4th flag in the message"},
}};

// Meanings of the flags used as racing signals, in the order the race quiz
// draws them.
const std::array<Meaning, 13> RaceSignals{{
    {u'}', "Postponement"},
    {u'B', "Protest"},
    {u'C', "Change of course while racing"},
    {u'I', "Prep / Round the ends"},
    {u'L', "Notice to competitors: come within hail/follow me"},
    {u'M', "New mark/Round me"},
    {u'N', "Abandoned"},
    {u'P', "Preparatory"},
    {u'S', "Shortened course"},
    {u'X', "Individual recall"},
    {u'Y', "Life jacket"},
    {u'Z', "Prep / % penalty start rule"},
    {u'!', "General recall"},
}};

// The text of a one-character code in a table, compared after upper-casing.
template <std::size_t N>
QString lookUp(const std::array<Meaning, N> &table, const QString &code)
{
    if (code.size() != 1 || code.at(0).unicode() > 255) // U+0131 and U+017F upper-case to I and S
        return QString();
    const char16_t upper = code.at(0).toUpper().unicode();
    for (const Meaning &entry : table) {
        if (upper == entry.code)
            return QString::fromLatin1(entry.text);
    }
    return QString();
}

} // namespace

QString FlagMeaning(const QString &code)
{
    return lookUp(Meanings, code);
}

QString RaceMeaning(const QString &code)
{
    return lookUp(RaceSignals, code);
}

const QString &RaceSignalCodes()
{
    static const QString codes = [] {
        QString list;
        for (const Meaning &entry : RaceSignals)
            list += QChar(entry.code);
        return list;
    }();
    return codes;
}

} // namespace vexo
