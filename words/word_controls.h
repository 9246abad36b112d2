#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <array>

class QPushButton;
class QWidget;

namespace vexo {

class ImageBox;
class Label;
class LineControl;

// The row of picture boxes both word windows hang their flags in.
inline constexpr int HoistSize = 12;
using Hoist = std::array<ImageBox *, HoistSize>;

// Image1_0 .. Image1_11 at left 120, top firstTop + 600 × index twips, each of
// design size 1575 × 735; hidden boxes keep their place as gaps.
Hoist buildHoist(QWidget *form, double firstTopTwips);

// Line1, the halyard the flags hang from, down the window's left edge.
LineControl *buildHalyard(QWidget *form);

void hideHoist(const Hoist &hoist);

// Shows picture `pictureId` in box `index` at the picture's own size.
void showInHoist(const Hoist &hoist, int index, int pictureId);

} // namespace vexo
