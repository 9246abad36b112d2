#include "words/typing_limit_edit.h"

#include "words/characters.h"

#include <QKeyEvent>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

namespace vexo {

namespace {

qsizetype characterCount(QStringView text)
{
    return userCharacters(text.toString()).size();
}

// The nearest boundary between two user characters at or before (or after) `position`.
qsizetype boundary(const QString &text, qsizetype position, bool after)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(position);
    if (finder.isAtBoundary())
        return position;
    return after ? finder.toNextBoundary() : finder.toPreviousBoundary();
}

} // namespace

int fitToTypingLimit(QString &text, int cursor, const QString &previous, qsizetype selectionStart,
                     qsizetype selectionLength, int limit)
{
    if (characterCount(text) <= limit)
        return cursor;
    // The edit inserted text between what it kept of the previous text at
    // the front and at the back: around the selection it typed or pasted
    // over, or else around what the two texts do not share.
    const QString keptFront = previous.left(selectionStart);
    const QString keptBack = previous.mid(selectionStart + selectionLength);
    qsizetype front = 0;
    qsizetype back = 0;
    if (selectionLength > 0 && text.size() >= keptFront.size() + keptBack.size() &&
        text.startsWith(keptFront) && text.endsWith(keptBack)) {
        front = keptFront.size();
        back = keptBack.size();
    } else {
        const qsizetype shorter = std::min(text.size(), previous.size());
        while (front < shorter && text.at(front) == previous.at(front))
            ++front;
        while (back < shorter - front &&
               text.at(text.size() - 1 - back) == previous.at(previous.size() - 1 - back))
            ++back;
    }
    front = boundary(text, front, false);
    const qsizetype insertionEnd = boundary(text, text.size() - back, true);
    const qsizetype kept = characterCount(QStringView(text).left(front)) +
                           characterCount(QStringView(text).mid(insertionEnd));
    QStringList inserted = userCharacters(text.mid(front, insertionEnd - front));
    qsizetype excess = characterCount(text) - std::max<qsizetype>(limit, kept);
    while (excess-- > 0 && !inserted.isEmpty())
        inserted.removeLast();
    const QString insertion = inserted.join(QString());
    text = text.left(front) + insertion + text.mid(insertionEnd);
    const qsizetype end = front + insertion.size();
    return int(cursor >= insertionEnd ? cursor - (insertionEnd - end)
                                      : std::min<qsizetype>(cursor, end));
}

// Runs on every change of the box, user edits and setText alike; only the
// former are held to the limit.
class TypingLimitValidator : public QValidator
{
public:
    explicit TypingLimitValidator(TypingLimitEdit *edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString &input, int &pos) const override
    {
        if (!m_edit->m_programChange)
            pos = fitToTypingLimit(input, pos, m_edit->m_accepted, m_edit->m_selectionStart,
                                   m_edit->m_selectionLength, m_edit->m_typingLimit);
        return Acceptable;
    }

private:
    TypingLimitEdit *m_edit;
};

TypingLimitEdit::TypingLimitEdit(int typingLimit, QWidget *parent)
    : QLineEdit(parent), m_typingLimit(typingLimit)
{
    setValidator(new TypingLimitValidator(this));
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_accepted = text; });
    // The selection an edit types or pastes over is known before the edit.
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        m_selectionStart = hasSelectedText() ? selectionStart() : 0;
        m_selectionLength = selectionLength();
    });
}

void TypingLimitEdit::setProgramText(const QString &text)
{
    m_programChange = true;
    setText(text);
    m_programChange = false;
}

void TypingLimitEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vexo
