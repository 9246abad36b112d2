#include "words/characters.h"

#include <QTextBoundaryFinder>

namespace vexo {

QStringList userCharacters(const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        characters << text.mid(start, end - start);
        start = end;
    }
    return characters;
}

} // namespace vexo
