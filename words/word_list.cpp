#include "words/word_list.h"

#include "core/random.h"
#include "core/shared_state.h"

#include <QFile>
#include <QHash>

namespace vexo {

const QStringList &WordList()
{
    static const QStringList words = [] {
        QFile file(QStringLiteral(":/words/list"));
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }();
    return words;
}

QString WordById(int id)
{
    const QStringList &words = WordList();
    if (id < 1 || id > words.size())
        return QString();
    return words.at(id - 1);
}

int RandomWordId()
{
    return randomBelow(shared().WordCount) + 1;
}

int WordRejectCode(const QString &word)
{
    // Index i stands for place i + 1. A character's second occurrence at place
    // 6 or later with an earlier one at place 5 or later is code 2.
    QHash<QChar, int> seen;
    for (qsizetype i = 4; i < word.size(); ++i) {
        for (qsizetype j = i + 1; j < word.size(); ++j) {
            if (word.at(i) == word.at(j))
                return 2;
        }
    }
    for (const QChar ch : word) {
        if (++seen[ch] > 2)
            return 1;
    }
    return 0;
}

} // namespace vexo
