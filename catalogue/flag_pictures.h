#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vexo {

// The one place that turns a picture id into a picture. Pictures are SVG
// resources rendered for a device pixel ratio (the ratio of the screen the
// picture is shown on) and cached, so each is rendered once per size and
// ratio. An id outside the set gives a null pixmap and an empty size, and so
// does a ratio of 0 or less.

bool HasFlagPicture(int id);

// Natural size in logical pixels (45 x 38, 46 x 38, 90 x 30 or 68 x 45).
QSize FlagPictureSize(int id);

QPixmap FlagPicture(int id, qreal devicePixelRatio);

// Stretched to `size` logical pixels, rendered at that size rather than scaled.
QPixmap FlagPicture(int id, QSize size, qreal devicePixelRatio);

// An icon drawn from an SVG resource, at the usual icon sizes.
QIcon SvgIcon(const QString &resourcePath);

// The ids of every picture in the set, ascending.
const QList<int> &FlagPictureIds();

} // namespace vexo
