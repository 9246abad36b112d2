#include "catalogue/svg_document.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vexo {

namespace {

class QtSvgDocument : public SvgDocument
{
public:
    explicit QtSvgDocument(const QByteArray &data) : m_renderer(data) {}
    bool isValid() const { return m_renderer.isValid(); }

    QImage render(QSize pixels) const override
    {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        return image;
    }

private:
    // render() is const to its callers; the renderer keeps no state across it.
    mutable QSvgRenderer m_renderer;
};

} // namespace

std::unique_ptr<SvgDocument> parseSvgWithQtSvg(const QByteArray &data)
{
    auto document = std::make_unique<QtSvgDocument>(data);
    if (!document->isValid())
        return nullptr;
    return document;
}

} // namespace vexo
