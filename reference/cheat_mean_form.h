#pragma once

#include "app/form.h"

namespace vexo {

// The meanings listing: the single-letter meaning of every letter flag.
class CheatMeanForm : public Form
{
    Q_OBJECT
public:
    CheatMeanForm();
    void Form_Load() {}
};

} // namespace vexo
