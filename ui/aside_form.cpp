#include "ui/aside_form.h"

#include "ui/mode_window.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace vexo {

bool AsideForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_passingKeys = false;
    return Form::event(event);
}

void AsideForm::keyPressEvent(QKeyEvent *event)
{
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (event->key() == Qt::Key_Escape && plain && !m_passingKeys) {
        event->accept();
        unload();
        return;
    }
    ModeWindow *drill = ModeWindow::current();
    QWidget *answer = drill ? drill->answerControl() : nullptr;
    const bool typed = plain && !event->text().isEmpty() && event->text().at(0).isPrint();
    if (!answer || !(typed || m_passingKeys)) {
        Form::keyPressEvent(event);
        return;
    }
    m_passingKeys = true;
    drill->bringToFront();
    drill->focusAnswer();
    // Whole, the key's place on the keyboard included: the drill may read it.
    QKeyEvent passed(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                     event->nativeVirtualKey(), event->nativeModifiers(), event->text(),
                     event->isAutoRepeat(), event->count());
    QCoreApplication::sendEvent(answer, &passed);
    event->accept();
}

} // namespace vexo
