#include "catalogue/flag_pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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

} // namespace

bool HasFlagPicture(int id)
{
    return id > 0 && renderer(id) != nullptr;
}

QSize FlagPictureSize(int id)
{
    QSvgRenderer *svg = id > 0 ? renderer(id) : nullptr;
    return svg ? svg->defaultSize() : QSize();
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
    QSvgRenderer svg(resourcePath);
    QIcon icon;
    if (svg.isValid()) {
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(render(svg, QSize(side, side), 1.0));
    }
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
