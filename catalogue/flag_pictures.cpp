#include "catalogue/flag_pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <memory>
#include <unordered_map>

// Resources of a static library must be registered by name, outside any namespace.
static void initPictureResources()
{
    Q_INIT_RESOURCE(flags);
    Q_INIT_RESOURCE(icons);
}

namespace vexo {

namespace {

void initResources()
{
    static const bool done = (initPictureResources(), true);
    Q_UNUSED(done);
}

QSvgRenderer *renderer(int id)
{
    static QHash<int, std::shared_ptr<QSvgRenderer>> renderers;
    auto it = renderers.constFind(id);
    if (it != renderers.constEnd())
        return it->get();
    initResources();
    const QString path = QStringLiteral(":/flags/%1").arg(id);
    std::shared_ptr<QSvgRenderer> svg;
    if (QFile::exists(path)) {
        svg = std::make_shared<QSvgRenderer>(path);
        if (!svg->isValid())
            svg.reset();
    }
    renderers.insert(id, svg);
    return svg.get();
}

// The size the picture's root element declares, read without parsing the
// whole picture; empty when there is no such picture.
QSize declaredSize(int id)
{
    static QHash<int, QSize> sizes;
    if (auto it = sizes.constFind(id); it != sizes.constEnd())
        return *it;
    initResources();
    QSize size;
    QFile file(QStringLiteral(":/flags/%1").arg(id));
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            size = QSize(attributes.value(QLatin1String("width")).toInt(),
                         attributes.value(QLatin1String("height")).toInt());
        }
        if (size.isEmpty() && renderer(id))
            size = renderer(id)->defaultSize();
    }
    sizes.insert(id, size);
    return size;
}

qreal effectiveRatio(qreal devicePixelRatio)
{
    if (devicePixelRatio > 0)
        return devicePixelRatio;
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap render(QSvgRenderer &svg, QSize size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// An icon drawn at whatever size is asked, when it is asked. Only the parsed
// picture is kept: the sizes the window system copies for a window's icon
// cost memory only while they are copied.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(std::shared_ptr<QSvgRenderer> svg) : m_svg(std::move(svg)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        m_svg->render(painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return render(*m_svg, size, 1.0);
    }
    // The sizes handed to the window system with every new window. A 256-pixel
    // one would add about 2 ms before the first window appears; desktops draw
    // large icons from the installed theme icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }
    QIconEngine *clone() const override { return new SvgIconEngine(m_svg); }
    QString key() const override { return QStringLiteral("vexo-svg"); }

private:
    std::shared_ptr<QSvgRenderer> m_svg;
};

} // namespace

bool HasFlagPicture(int id)
{
    return !FlagPictureSize(id).isEmpty();
}

QSize FlagPictureSize(int id)
{
    return id > 0 ? declaredSize(id) : QSize();
}

QPixmap FlagPicture(int id, qreal devicePixelRatio)
{
    return FlagPicture(id, FlagPictureSize(id), devicePixelRatio);
}

QPixmap FlagPicture(int id, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer *svg = id > 0 ? renderer(id) : nullptr;
    if (!svg || size.isEmpty())
        return QPixmap();
    const qreal ratio = effectiveRatio(devicePixelRatio);
    struct Key
    {
        int id;
        int width;
        int height;
        qint64 ratio;
        bool operator==(const Key &) const = default;
    };
    struct KeyHash
    {
        size_t operator()(const Key &k) const
        {
            return qHashMulti(0, k.id, k.width, k.height, k.ratio);
        }
    };
    static std::unordered_map<Key, QPixmap, KeyHash> cache;
    const Key key{id, size.width(), size.height(), qRound64(ratio * 1000)};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, render(*svg, size, ratio)).first;
    return it->second;
}

QIcon SvgIcon(const QString &resourcePath)
{
    static QHash<QString, QIcon> icons;
    if (auto it = icons.constFind(resourcePath); it != icons.constEnd())
        return *it;
    initResources();
    auto svg = std::make_shared<QSvgRenderer>(resourcePath);
    const QIcon icon = svg->isValid() ? QIcon(new SvgIconEngine(std::move(svg))) : QIcon();
    icons.insert(resourcePath, icon);
    return icon;
}

const QList<int> &FlagPictureIds()
{
    static const QList<int> ids = [] {
        QList<int> result;
        for (int id = 1; id < 256; ++id) {
            if (HasFlagPicture(id))
                result.append(id);
        }
        return result;
    }();
    return ids;
}

} // namespace vexo
