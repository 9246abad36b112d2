#include "catalogue/svg_document.h"

#include <memory>

#define NANOSVG_IMPLEMENTATION
#define NANOSVGRAST_IMPLEMENTATION
#include <nanosvg.h>
#include <nanosvgrast.h>

namespace vexo {

namespace {

class NanoSvgDocument : public SvgDocument
{
public:
    explicit NanoSvgDocument(NSVGimage *image) : m_image(image, nsvgDelete) {}

    QImage render(QSize pixels) const override
    {
        if (pixels.isEmpty())
            return QImage();
        QImage image(pixels, QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        const std::unique_ptr<NSVGrasterizer, void (*)(NSVGrasterizer *)> rasterizer(
            nsvgCreateRasterizer(), nsvgDeleteRasterizer);
        if (!rasterizer)
            return QImage();
        nsvgRasterizeXY(rasterizer.get(), m_image.get(), 0, 0,
                        float(pixels.width()) / m_image->width,
                        float(pixels.height()) / m_image->height, image.bits(), pixels.width(),
                        pixels.height(), int(image.bytesPerLine()));
        // nanosvg writes straight (not premultiplied) RGBA.
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

private:
    std::unique_ptr<NSVGimage, void (*)(NSVGimage *)> m_image;
};

} // namespace

std::unique_ptr<SvgDocument> parseSvgWithNanoSvg(const QByteArray &data)
{
    // nanosvg parses in place, from a text that ends in a zero.
    QByteArray text = data;
    NSVGimage *image = nsvgParse(text.data(), "px", 96.0f);
    if (!image)
        return nullptr;
    if (!image->shapes || image->width <= 0 || image->height <= 0) {
        nsvgDelete(image);
        return nullptr;
    }
    return std::make_unique<NanoSvgDocument>(image);
}

} // namespace vexo
