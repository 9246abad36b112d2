#include "ui/web_page.h"

#include <algorithm>
#include <utility>

#ifdef Q_OS_WASM
#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include <emscripten/bind.h>
#include <emscripten/val.h>
#endif

namespace vexo {

#ifdef Q_OS_WASM

using emscripten::val;

void speakOnPage(const QString &text)
{
    val region = val::global("document").call<val>("getElementById", std::string("vexo-verdict"));
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

namespace {

// The object a page element of Qt's stands for: Qt names the element after
// the object names (class names where there are none) from the application
// down, joined by dots.
QObject *objectNamed(const QString &id)
{
    QStringList path = id.split(QLatin1Char('.'));
    if (path.isEmpty() || path.takeFirst() != QLatin1String("QApplication"))
        return nullptr;
    QObject *found = nullptr;
    for (const QString &name : std::as_const(path)) {
        QObjectList candidates;
        if (found) {
            candidates = found->children();
        } else {
            for (QWidget *window : QApplication::topLevelWidgets())
                candidates << window;
        }
        const auto match = std::find_if(candidates.cbegin(), candidates.cend(), [&](QObject *o) {
            const QString own = o->objectName();
            return (own.isEmpty() ? QLatin1String(o->metaObject()->className()) : own) == name;
        });
        if (match == candidates.cend())
            return nullptr;
        found = *match;
    }
    return found;
}

// Qt's page elements carry a control's name as their text, and a role only
// for buttons, check boxes and text: the role, name and description that a
// screen reader reads for the element of this id, as the desktop gives them.
val describeElement(const std::string &id)
{
    val description = val::object();
    QObject *object = objectNamed(QString::fromStdString(id));
    QAccessibleInterface *accessible =
        object ? QAccessible::queryAccessibleInterface(object) : nullptr;
    if (!accessible)
        return description;
    // The ARIA roles of those Qt's elements lack.
    static const std::pair<QAccessible::Role, const char *> roles[] = {
        {QAccessible::ComboBox, "combobox"}, {QAccessible::Graphic, "img"},
        {QAccessible::Grouping, "group"},    {QAccessible::Link, "link"},
        {QAccessible::Window, "region"},     {QAccessible::List, "list"},
        {QAccessible::ListItem, "listitem"}};
    const auto role = std::find_if(std::cbegin(roles), std::cend(roles), [&](const auto &entry) {
        return entry.first == accessible->role();
    });
    if (role != std::cend(roles))
        description.set("role", std::string(role->second));
    const QString name = accessible->text(QAccessible::Name);
    const QString more = accessible->text(QAccessible::Description);
    // A drop-down is named by what it is for; its text is the entry shown.
    if (accessible->role() == QAccessible::ComboBox && !more.isEmpty()) {
        description.set("label", more.toStdString());
        description.set("value", name.toStdString());
    } else {
        if (!name.isEmpty())
            description.set("label", name.toStdString());
        if (!more.isEmpty())
            description.set("description", more.toStdString());
    }
    return description;
}

} // namespace

EMSCRIPTEN_BINDINGS(vexo_page)
{
    emscripten::function("vexoDescribeElement", &describeElement);
}

#else

void speakOnPage(const QString &) {}

double pageScaleFor(double, double)
{
    return 1;
}

#endif

} // namespace vexo
