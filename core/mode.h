#pragma once

#include <optional>

namespace vexo {

// The program's modes, in the order of the mode selector's entries.
enum class Mode { FlagQuiz, WordQuiz, ShowFlags, FlagMeanings, RaceMeanings };

inline constexpr int ModeCount = static_cast<int>(Mode::RaceMeanings) + 1;

// The selector entry of a mode.
constexpr int entryOf(Mode mode)
{
    return static_cast<int>(mode);
}

// The mode of a selector entry; nothing for an entry outside the table.
constexpr std::optional<Mode> modeAt(int entry)
{
    if (entry < 0 || entry >= ModeCount)
        return std::nullopt;
    return static_cast<Mode>(entry);
}

} // namespace vexo
