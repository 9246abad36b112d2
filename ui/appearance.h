#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace vexo {

// The light grey of every window and control.
inline const QColor WindowGrey(192, 192, 192);
// Focus frames and selected entries: navy, clear against the grey and white.
inline const QColor FocusColour(0, 0, 128);
// Links: blue, 6.5:1 against the grey.
inline const QColor LinkColour(0, 0, 192);

// Registers the compiled-in fonts once; safe to call often.
void ensureFonts();

// A font of the given point size at 96 DPI, sized in pixels so that text
// keeps the proportions of the twips layout whatever the screen reports.
QFont layoutFont(const QString &family, double points, bool bold = false);

// The 8-point sans serif the layouts were drawn for.
QFont defaultFont();

// The program's one palette: grey windows, white fields, navy selection.
const QPalette &lightPalette();

// Sets the program's style and palette once, for every window, list, popup
// and tooltip; safe to call often.
void ensureAppearance();

// Grey background, white text fields, the layout font, visible focus.
void applyFormAppearance(QWidget *form);

} // namespace vexo
