#pragma once

#include "ui/aside_form.h"

#include <array>

namespace vexo {

class Frame;
class ImageBox;
class Label;

// The flags listing: every flag of the categories being practised, with its
// picture, a short label and a tooltip, in one frame per category.
class CheatForm : public AsideForm
{
    Q_OBJECT
public:
    static constexpr int ImageCount = 70;

    enum FrameIndex { Letters, NumPennants, Substitutes, NatoFlags, NatoNumerals, FrameCount };

    CheatForm();
    // Rebuilds the whole listing from the mode and the flag quiz's boxes.
    void Form_Load();

private:
    // The controls, named as the window's design names them; tests find them
    // by those names.
    Frame *LettersFrame;
    Frame *NumPennantFrm;
    Frame *SubFrame;
    Frame *NATOFlagsFrame;
    Frame *NATONumFrame;
    std::array<ImageBox *, ImageCount> FlagImg{};
    std::array<Label *, ImageCount> Label1{};

    // Results of the last build, in twips: each frame's top and height, and
    // the window's height including its title bar and borders.
    std::array<double, FrameCount> frameTop{};
    std::array<double, FrameCount> frameHeight{};
    std::array<bool, FrameCount> framePlaced{};
    double formHeight = 0;
    double formWidth = 5300;

private:
    std::array<Frame *, FrameCount> frames() const
    {
        return {LettersFrame, NumPennantFrm, SubFrame, NATOFlagsFrame, NATONumFrame};
    }
};

} // namespace vexo
