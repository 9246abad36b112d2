#include "catalogue/svg_document.h"

namespace vexo {

std::unique_ptr<SvgDocument> parseSvg(const QByteArray &data)
{
#ifdef VEXO_SVG_QTSVG
    return parseSvgWithQtSvg(data);
#else
    return parseSvgWithNanoSvg(data);
#endif
}

} // namespace vexo
