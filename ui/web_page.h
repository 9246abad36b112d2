#pragma once

#include <QString>

namespace vexo {

// The web page a build for the browser runs in; elsewhere these do nothing.

// Speaks a text through the page's live region, which a screen reader reads
// once, as it changes: Qt's web platform has no announcements of its own.
void speakOnPage(const QString &text);

// The scale that makes a window of this outer size in logical pixels fill a
// touch screen's page (a phone's, a tablet's); 1 where a mouse points, as a
// desktop browser zooms by itself. Asked before the application exists.
double pageScaleFor(double width, double height);

} // namespace vexo
