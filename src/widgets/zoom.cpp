#include "widgets/zoom.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace quib {

bool KeypadKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && (static_cast<QKeyEvent *>(event)->modifiers() & Qt::KeypadModifier)) {
        event->accept(); // delivered as a key press, not as a shortcut
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void fitwindow(QWidget *window)
{
    if (window->isMaximized() || window->isFullScreen())
        return;
    // A view that was just resized (a new zoom) has only posted its layout
    // requests: let the layouts take its size in before asking for the hint,
    // or the window would follow one step late.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QSize size = window->sizeHint();
    if (QScreen *screen = window->screen()) {
        // Before the window is first shown its frame is unknown: leave room
        // for a title bar and borders.
        QSize frame = window->frameGeometry().size() - window->geometry().size();
        if (!window->isVisible() || frame.isEmpty())
            frame = frame.expandedTo(QSize(16, 48));
        size = size.boundedTo(screen->availableGeometry().size() - frame);
    }
    window->resize(size.expandedTo(window->minimumSizeHint()));
}

} // namespace quib
