#include "words/typing_limit_edit.h"

#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

namespace vexo {

int fitToTypingLimit(QString &text, int cursor, qsizetype previousLength, int limit)
{
    const qsizetype allowed = std::max<qsizetype>(limit, previousLength);
    qsizetype excess = text.size() - allowed;
    if (excess <= 0)
        return cursor;
    if (cursor < excess || cursor > text.size()) {
        // No insertion ends at the cursor (an undo, say): keep the front.
        text.truncate(allowed);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        return int(std::min<qsizetype>(cursor, text.size()));
    }
    if (cursor - excess > 0 && text.at(cursor - excess - 1).isHighSurrogate())
        ++excess;
    text.remove(cursor - excess, excess);
    return int(cursor - excess);
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
            pos = fitToTypingLimit(input, pos, m_edit->m_acceptedLength, m_edit->m_typingLimit);
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
            [this](const QString &text) { m_acceptedLength = text.size(); });
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
