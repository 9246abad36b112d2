#include "catalogue/flag_pictures.h"

#include "catalogue/svg_document.h"

#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QXmlStreamReader>

#include <memory>
#include <unordered_map>

namespace vexo {

namespace {

std::shared_ptr<SvgDocument> parseResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return parseSvg(file.readAll());
}

QString picturePath(int id)
{
    return QStringLiteral(":/flags/%1").arg(id);
}

// Each picture is parsed once, when it is first drawn.
SvgDocument *document(int id)
{
    static QHash<int, std::shared_ptr<SvgDocument>> documents;
    auto it = documents.constFind(id);
    if (it == documents.constEnd())
        it = documents.insert(id, parseResource(picturePath(id)));
    return it->get();
}

// The size the picture's root element declares, read without parsing the
// whole picture; empty when there is no such picture.
QSize declaredSize(int id)
{
    static QHash<int, QSize> sizes;
    if (auto it = sizes.constFind(id); it != sizes.constEnd())
        return *it;
    QSize size;
    QFile file(picturePath(id));
    if (file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        }
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            size = QSize(attributes.value(QLatin1String("width")).toInt(),
                         attributes.value(QLatin1String("height")).toInt());
        }
    }
    sizes.insert(id, size);
    return size;
}

QPixmap render(const SvgDocument &svg, QSize size, qreal ratio)
{
    QPixmap pixmap = QPixmap::fromImage(svg.render(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// An icon drawn at whatever size is asked, when it is asked. Only the parsed
// picture is kept: the sizes the window system copies for a window's icon
// cost memory only while they are copied.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(std::shared_ptr<SvgDocument> svg) : m_svg(std::move(svg)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, render(*m_svg, rect.size(), ratio));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return render(*m_svg, size, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return render(*m_svg, size, scale);
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
    std::shared_ptr<SvgDocument> m_svg;
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
    SvgDocument *svg = id > 0 && !size.isEmpty() ? document(id) : nullptr;
    if (!svg || devicePixelRatio <= 0)
        return QPixmap();
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
    const Key key{id, size.width(), size.height(), qRound64(devicePixelRatio * 1000)};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, render(*svg, size, devicePixelRatio)).first;
    return it->second;
}

QIcon SvgIcon(const QString &resourcePath)
{
    static QHash<QString, QIcon> icons;
    if (auto it = icons.constFind(resourcePath); it != icons.constEnd())
        return *it;
    std::shared_ptr<SvgDocument> svg = parseResource(resourcePath);
    const QIcon icon = svg ? QIcon(new SvgIconEngine(std::move(svg))) : QIcon();
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
