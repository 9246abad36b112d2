#pragma once

#include "ui/form.h"

namespace vexo {

// A window the learner keeps open beside the drill: a listing or the score
// chart. It takes the focus when opened, so it can be read and left with
// Escape; a character typed in it is an answer, passed to the drill.
class AsideForm : public Form
{
    Q_OBJECT
public:
    using Form::Form;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Set once a key has gone to the drill; keys that follow it before the
    // drill's window is active go the same way, Enter included.
    bool m_passingKeys = false;
};

} // namespace vexo
