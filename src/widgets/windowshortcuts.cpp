#include "widgets/windowshortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

// Watches the controls of one window. A text box accepts the shortcut
// override of its editing keys, which keeps the key from the window's
// shortcuts; for a key the window uses, the override is answered here,
// unaccepted, so the shortcut runs.
class ShortcutPriority : public QObject {
public:
    explicit ShortcutPriority(QWidget* window) : QObject(window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        return isWindowShortcut(QKeySequence(key->keyCombination()));
    }

private:
    bool isWindowShortcut(const QKeySequence& keys) const
    {
        QList<QAction*> actions = m_window->findChildren<QAction*>();
        actions += m_window->actions();
        for (const QAction* action : actions) {
            if (action->shortcuts().contains(keys))
                return true;
        }
        for (const QShortcut* shortcut : m_window->findChildren<QShortcut*>()) {
            if (shortcut->keys().contains(keys))
                return true;
        }
        return false;
    }

    QWidget* m_window;
};

} // namespace

void giveWindowShortcutsPriority(QWidget* window)
{
    auto* priority = new ShortcutPriority(window);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(priority);
}
