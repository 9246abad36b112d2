#pragma once

#include "ui/aside_form.h"

class QScrollArea;

namespace vexo {

class Label;

// The meanings listing: the single-letter meaning of every letter flag.
class CheatMeanForm : public AsideForm
{
    Q_OBJECT
public:
    CheatMeanForm();
    // Lists "A" to "Z" with their meanings and grows the window to show them all.
    void Form_Load();

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    QScrollArea *Scroller;
    Label *Meanings;

private:
    void fitToText();
};

// The meanings listing text: one line per letter, each ending in a carriage return.
QString MeaningsListing();

} // namespace vexo
