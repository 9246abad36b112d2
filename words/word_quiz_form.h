#pragma once

#include "app/mode_window.h"

namespace vexo {

// The word quiz, mode 1: a word of the list spelt in flags, typed back.
class WordQuizForm : public ModeWindow
{
    Q_OBJECT
public:
    WordQuizForm();
    void Form_Load() {}

    // Start-up's share of the first word: shows CurrentWordCoded, empties the
    // score labels.
    void prepareFirstWord();
};

} // namespace vexo
