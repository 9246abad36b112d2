#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

namespace vexo {

// A parsed SVG picture, drawn at any size. Qt's SVG module draws the
// pictures where the build has it, nanosvg where not (Windows); the build
// holds one or both.
class SvgDocument
{
public:
    virtual ~SvgDocument() = default;
    // The whole picture stretched to `pixels`, on a transparent ground, as
    // premultiplied ARGB.
    virtual QImage render(QSize pixels) const = 0;
};

// The build's renderer; nullptr for data that holds no picture.
std::unique_ptr<SvgDocument> parseSvg(const QByteArray &data);

std::unique_ptr<SvgDocument> parseSvgWithQtSvg(const QByteArray &data);
std::unique_ptr<SvgDocument> parseSvgWithNanoSvg(const QByteArray &data);

} // namespace vexo
