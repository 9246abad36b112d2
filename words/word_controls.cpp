#include "words/word_controls.h"

#include "ui/controls.h"
#include "ui/twips.h"

#include <QPushButton>

namespace vexo {

Hoist buildHoist(QWidget *form, double firstTopTwips)
{
    Hoist hoist{};
    for (int i = 0; i < HoistSize; ++i) {
        auto *box = new ImageBox(form);
        box->setObjectName(elementName("Image1", i));
        box->setGeometry(twipsRect(120, firstTopTwips + 600 * i, 1575, 735));
        box->setAccessibleName(QStringLiteral("Flag %1").arg(i + 1));
        hoist[i] = box;
    }
    return hoist;
}

LineControl *buildHalyard(QWidget *form)
{
    auto *line = new LineControl(form);
    line->setObjectName(QStringLiteral("Line1"));
    line->setLineTwips(120, 0, 120, 7440);
    // Drawn behind the flags, as a halyard is.
    line->lower();
    return line;
}

void hideHoist(const Hoist &hoist)
{
    for (ImageBox *box : hoist)
        box->hide();
}

void showInHoist(const Hoist &hoist, int index, int pictureId)
{
    if (index < 0 || index >= HoistSize)
        return;
    hoist[index]->setPicture(pictureId);
    hoist[index]->show();
}

} // namespace vexo
