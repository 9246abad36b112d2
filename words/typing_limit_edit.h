#pragma once

#include <QLineEdit>

namespace vexo {

// A single-line text box in which typing, pasting and dropping stop at a
// number of characters, as the user counts them, while the program may set a
// longer text. Enter is reported through enterPressed and never passed on.
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
    QString m_accepted;
    // The selection before the edit under way, in code units.
    qsizetype m_selectionStart = 0;
    qsizetype m_selectionLength = 0;
    bool m_programChange = false;
};

// What a user edit leaves of `text` in a box that held `previous`, with the
// given selection: the characters the edit kept may stay, however many, but
// what it typed or pasted only as far as `limit` characters all told; the
// rest of that goes, from its end. Characters are counted as the user sees
// them (userCharacters). Returns the new cursor position.
int fitToTypingLimit(QString &text, int cursor, const QString &previous, qsizetype selectionStart,
                     qsizetype selectionLength, int limit);

} // namespace vexo
