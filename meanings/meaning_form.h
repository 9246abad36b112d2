#pragma once

#include "meanings/meaning_window.h"

namespace vexo {

// The flag meanings quiz, mode 3: a letter flag, its meaning picked from a list
// and confirmed with Enter or the "Enter" button.
class MeaningForm : public MeaningQuizWindow
{
    Q_OBJECT
public:
    // The widest of the mode windows, for its meanings' list.
    static constexpr double ClientWidthTwips = 4515;

    MeaningForm();
    // Fills the answer list with the prompt and the 26 meanings, and shows
    // the first flag.
    void Form_Load();

private:
    QPushButton *Go;

protected:
    void afterPreviousShown() override;

private:
    void Go_Click();
};

} // namespace vexo
