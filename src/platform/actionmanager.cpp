#include "actionmanager.h"

#include "actiontarget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

ActionManager::ActionManager(QWidget* mainWindow) : QObject(mainWindow), m_mainWindow(mainWindow) {
    for (const core::ActionDef& def : core::kActions)
        m_actions.push_back(new Action(def, this));
    qApp->installEventFilter(this);
}

ActionManager::~ActionManager() {
    qApp->removeEventFilter(this);
}

Action* ActionManager::findByShortcut(std::uint16_t shortcut) const {
    if (shortcut == core::kNoShortcut)
        return nullptr;
    for (Action* a : m_actions)
        if (a->shortcut() == shortcut)
            return a;
    return nullptr;
}

bool ActionManager::dispatchShortcut(std::uint16_t shortcut) {
    Action* a = findByShortcut(shortcut);
    return a && a->execute();
}

bool ActionManager::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    // Keys reach a QWindow first and then its widgets: act once, on the
    // widget that has the focus, before it sees the key. A key passed on and
    // then ignored travels up to the parents; those are not the focus widget.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_mainWindow || !m_mainWindow->isEnabled())
        return false;
    if (widget != firstReceiver(widget->window()))
        return false;
    // An open drop-down owns the keyboard; it is no window of the program.
    if (widget->window()->windowType() == Qt::Popup)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const std::uint16_t shortcut = shortcutOf(*key);
    if (!findByShortcut(shortcut))
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claim the key from Qt's own shortcut map, so that it arrives as a
        // key press, which decides.
        key->accept();
        return true;
    }
    if (dispatchShortcut(shortcut)) {
        key->accept();
        return true;
    }
    return false;
}

} // namespace platform
