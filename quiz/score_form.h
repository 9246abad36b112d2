#pragma once

#include "ui/aside_form.h"

#include <array>

class QRadioButton;

namespace vexo {

class ImageBox;
class Label;
class LineControl;
class ShapeBox;

// Chart scale for the largest per-flag total: one grid division stands for
// `factor` answers (a power of two) and one answer is `blockwidth` twips.
struct ScoreScale
{
    qint64 factor = 1;
    qint64 blockwidth = 300;
};
ScoreScale ScoreScaleFor(qint64 maxTotal);

// Icon resource id of the grade shown for the overall score.
int GradeIconId(double percent, qint32 asked);

// Per-flag chart of right and wrong answers of the flag quiz, on two pages.
class ScoreForm : public AsideForm
{
    Q_OBJECT
public:
    static constexpr int RowCount = 70;

    ScoreForm();
    void Form_Load();
    void Redraw() { Form_Load(); }
    void drawBars(const QString &letter, int &Index);
    // Selects page 0 (letters and substitutes) or 1 (numbers and NATO).
    void selectPage(int page);

private:
    // The scale of the last drawing, and the controls, named as the window's
    // design names them; tests find the controls by those names.
    qint64 blockwidth = 300;
    qint64 factor = 1;
    qint64 barWidth = 300;

    std::array<ImageBox *, RowCount> FlagImg{};
    std::array<ShapeBox *, RowCount> Bar{};
    std::array<ShapeBox *, RowCount> WrongBar{};
    std::array<LineControl *, 11> Line1{}; // indices 1 to 10
    std::array<Label *, 3> Legend{};
    std::array<QRadioButton *, 2> Option1{};
    Label *RightLabel;
    Label *WrongLabel;
    std::array<ShapeBox *, 2> Shape1{};

private:
    void Option1_Click(int Index);
    int m_iconId = 0;
};

} // namespace vexo
