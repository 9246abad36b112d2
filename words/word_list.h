#pragma once

#include <QString>
#include <QStringList>

namespace vexo {

// The built-in word list, ids 1 to its size in list order.
const QStringList &WordList();

// The entry with this id, or an empty text for an id outside the list.
QString WordById(int id);

// A uniformly drawn id, 1 to WordCount.
int RandomWordId();

// 0 when the word can be asked; 2 when a character repeats with both places at
// 5 or later (one place 5 or later, the other 6 or later); 1 when a character
// occurs more than twice.
int WordRejectCode(const QString &word);

} // namespace vexo
