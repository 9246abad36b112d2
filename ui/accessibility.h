#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace vexo {

// Tells screen readers what the program's own controls are: windows as
// frames and dialogs, captions as labels that say what they show (never
// their frame's caption), links as links that open, pictures as graphics;
// and no description that only repeats the name. Safe to call often.
void ensureAccessibility();

// Has the screen reader speak a text once, whatever has the focus: through
// Qt's announcement where Qt has one (6.8 on); before that, as a notification
// that appears, which the Linux screen reader speaks as it shows. Nothing to
// see: it has no size. (Qt 6.4 reports a changed name or description without
// the new text, so a screen reader cannot speak those.) A verdict is spoken
// when given, never again when its window comes back: silence() takes the
// notification away as the window hides.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text);
    void silence();
};

// Parts of a spoken text as sentences: each ends in a stop unless it ends in
// punctuation of its own, and empty parts are left out.
QString sentences(const QStringList &parts);

// What a screen reader says after an answer: "Correct!" or the sentences that
// say what was wrong, then the score and the per cent.
QString spokenVerdict(bool right, const QStringList &wrong, const QString &score,
                      const QString &percent);

} // namespace vexo
