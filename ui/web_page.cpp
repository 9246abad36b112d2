#include "ui/web_page.h"

#include <algorithm>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

namespace vexo {

#ifdef Q_OS_WASM

using emscripten::val;

void speakOnPage(const QString &text)
{
    val region =
        val::global("document").call<val>("getElementById", std::string("vexo-verdict"));
    if (region.isNull() || region.isUndefined())
        return;
    // Emptied first, so that a verdict worded as the last one is read too.
    region.set("textContent", std::string());
    region.set("textContent", text.toStdString());
}

double pageScaleFor(double width, double height)
{
    const val window = val::global("window");
    const bool touch =
        window.call<val>("matchMedia", std::string("(pointer: coarse)"))["matches"].as<bool>();
    if (!touch)
        return 1;
    const double fit = std::min(window["innerWidth"].as<double>() / width,
                                window["innerHeight"].as<double>() / height);
    // Never so small that it cannot be read, nor larger than a finger needs.
    return std::clamp(fit, 0.75, 2.5);
}

#else

void speakOnPage(const QString &) {}

double pageScaleFor(double, double)
{
    return 1;
}

#endif

} // namespace vexo
