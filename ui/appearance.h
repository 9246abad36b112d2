#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace vexo {

// The light grey of every window and control.
inline const QColor WindowGrey(192, 192, 192);

// Registers the compiled-in fonts once; safe to call often.
void ensureFonts();

// A font of the given point size at 96 DPI, sized in pixels so that text
// keeps the proportions of the twips layout whatever the screen reports.
QFont layoutFont(const QString &family, double points, bool bold = false);

// The 8-point sans serif the layouts were drawn for.
QFont defaultFont();

// Grey background, white text fields, the layout font.
void applyFormAppearance(QWidget *form);

} // namespace vexo
