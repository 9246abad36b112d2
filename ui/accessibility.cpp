#include "ui/accessibility.h"

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/web_page.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vexo {

namespace {

// A description only where it adds to the name: Qt would otherwise repeat a
// tooltip that says the same as the name.
class Accessible : public QAccessibleWidget
{
public:
    Accessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        QString description = widget()->accessibleDescription();
        if (description.isEmpty())
            description = widget()->toolTip();
        return description == text(QAccessible::Name) ? QString() : description;
    }
};

// A caption says what it shows, carriage returns as line breaks; an empty
// one says nothing rather than its frame's caption.
class LabelAccessible : public Accessible
{
public:
    LabelAccessible(Label *label, QAccessible::Role role = QAccessible::StaticText)
        : Accessible(label, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return Accessible::text(t);
        const auto *label = static_cast<const Label *>(widget());
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        // The text shown: the caption with its carriage returns as line breaks.
        return label->buddy() ? withoutAccessKey(label->text()) : label->text();
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = Accessible::relations(match);
        QWidget *buddy = static_cast<const Label *>(widget())->buddy();
        if (buddy && (match & QAccessible::Labelled))
            found.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
        return found;
    }
};

// A picture is named by what it is set to say, never after its frame: a
// question's picture must not give its answer away, nor be "Previous Answer".
class PictureAccessible : public Accessible
{
public:
    explicit PictureAccessible(QWidget *widget) : Accessible(widget, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->accessibleName() : Accessible::text(t);
    }
};

// Lines and filled shapes are drawing, not content: they say nothing, where
// Qt would name them after their frame.
class DrawingAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;
    QString text(QAccessible::Text) const override { return QString(); }
};

// A link: activated by its press action, as by a click, Space or Enter.
class LinkAccessible : public LabelAccessible
{
public:
    explicit LinkAccessible(LinkLabel *link) : LabelAccessible(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            Q_EMIT static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *link = qobject_cast<LinkLabel *>(widget))
        return new LinkAccessible(link);
    if (auto *label = qobject_cast<Label *>(widget))
        return new LabelAccessible(label);
    if (qobject_cast<ImageBox *>(widget))
        return new PictureAccessible(widget);
    if (qobject_cast<LineControl *>(widget) || qobject_cast<ShapeBox *>(widget))
        return new DrawingAccessible(widget);
    if (qobject_cast<Announcer *>(widget))
        return new Accessible(widget, QAccessible::Notification);
    if (qobject_cast<Form *>(widget))
        return new Accessible(widget, widget->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                         : QAccessible::Window);
    return nullptr;
}

} // namespace

void ensureAccessibility()
{
    static const bool done = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(done);
}

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
#if defined(Q_OS_WASM)
    speakOnPage(text);
#elif QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(text);
    // A window that is not on screen has nobody to tell; shown with it later,
    // the notice would speak a stale verdict.
    if (window()->isVisible())
        show();
#endif
}

void Announcer::silence()
{
    hide();
    setAccessibleName(QString());
}

QString sentences(const QStringList &parts)
{
    QStringList spoken;
    for (QString part : parts) {
        part = part.simplified();
        if (part.isEmpty())
            continue;
        if (!QStringLiteral(".!?:;").contains(part.back()))
            part += QLatin1Char('.');
        spoken << part;
    }
    return spoken.join(QLatin1Char(' '));
}

QString spokenVerdict(bool right, const QStringList &wrong, const QString &score,
                      const QString &percent)
{
    QStringList parts = right ? QStringList{QStringLiteral("Correct!")} : wrong;
    parts << score << percent;
    return sentences(parts);
}

} // namespace vexo
