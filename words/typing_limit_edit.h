#pragma once

#include <QLineEdit>

namespace vexo {

// A single-line text box in which typing, pasting and dropping stop at a
// number of characters, while the program may set a longer text. Enter is
// reported through enterPressed and never passed on.
class TypingLimitEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TypingLimitEdit(int typingLimit, QWidget *parent = nullptr);

    int typingLimit() const { return m_typingLimit; }

    // Sets the text without the typing limit; the change handlers run as usual.
    void setProgramText(const QString &text);

Q_SIGNALS:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class TypingLimitValidator;
    int m_typingLimit;
    qsizetype m_acceptedLength = 0;
    bool m_programChange = false;
};

// What a user edit leaves in a box that already held `previousLength`
// characters: a text longer than both the limit and the previous text loses
// the characters just inserted before `cursor`, from the end of the insertion.
// A surrogate pair is never split. Returns the new cursor position.
int fitToTypingLimit(QString &text, int cursor, qsizetype previousLength, int limit);

} // namespace vexo
