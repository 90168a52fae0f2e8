// The menu bar's keyboard: Alt and the access keys while no drop-down is
// open, and the keys and mouse moves that an open drop-down leaves to the bar.

#include "action.h"
#include "actiontarget.h"
#include "menubar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace platform {
namespace {

constexpr Qt::KeyboardModifiers kModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The upper-case letter or digit of a key, 0 for any other key.
char keyChar(const QKeyEvent& k) {
    const int key = k.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<char>(key);
    return 0;
}

} // namespace

bool MenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (m_open && watched == m_open)
        return dropDownFilter(m_open, event);
    return barKeyFilter(watched, event);
}

bool MenuBar::barKeyFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress) {
        m_altArmed = false;
        if (m_keyboardMode && !m_open)
            setKeyboardMode(false);
        return false;
    }
    if (type == QEvent::WindowDeactivate && watched == window()) {
        m_altArmed = false;
        if (m_keyboardMode && !m_open)
            setKeyboardMode(false);
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != window() || QApplication::activePopupWidget())
        return false;
    // Act once per key, where it is delivered first.
    if (w != firstReceiver(window()))
        return false;

    auto* k = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = k->modifiers() & kModifiers;
    const char letter = keyChar(*k);
    const int accessIndex = indexOfAccessKey(letter);

    if (type == QEvent::ShortcutOverride) {
        // Keep these keys from Qt's shortcut map and from the actions.
        if (m_keyboardMode || (mods == Qt::AltModifier && accessIndex >= 0)) {
            k->accept();
            return true;
        }
        return false;
    }
    if (type == QEvent::KeyRelease) {
        if (k->key() == Qt::Key_Alt && m_altArmed && !k->isAutoRepeat()) {
            // Alt pressed and released alone: into keyboard mode, or out.
            const bool enter = !m_keyboardMode;
            setKeyboardMode(enter, 0);
            return true;
        }
        return false;
    }
    if (k->key() == Qt::Key_Alt) {
        if (!k->isAutoRepeat())
            m_altArmed = (mods & ~Qt::AltModifier) == Qt::NoModifier;
        return m_keyboardMode;
    }
    m_altArmed = false;
    if (mods == Qt::AltModifier && accessIndex >= 0) {
        openMenu(accessIndex, true);
        return true;
    }
    if (!m_keyboardMode)
        return false;
    switch (k->key()) {
    case Qt::Key_Left: // the arrows move as they point: item order runs leftwards
        setKeyboardMode(true, wrap(m_current + 1));
        break;
    case Qt::Key_Right:
        setKeyboardMode(true, wrap(m_current - 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
        openMenu(m_current, true);
        break;
    case Qt::Key_Escape:
        setKeyboardMode(false);
        break;
    default:
        if (!(mods & Qt::ControlModifier) && accessIndex >= 0)
            openMenu(accessIndex, true);
        break;
    }
    // In keyboard mode every key belongs to the menus.
    return true;
}

bool MenuBar::dropDownFilter(QMenu* menu, QEvent* event) {
    const Item& item = m_items[static_cast<std::size_t>(openIndex())];
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = k->modifiers() & kModifiers;
        switch (k->key()) {
        case Qt::Key_Left:
            openMenu(wrap(m_current + 1), true);
            return true;
        case Qt::Key_Right:
            openMenu(wrap(m_current - 1), true);
            return true;
        case Qt::Key_Escape:
            m_steppingBack = true;
            menu->hide();
            m_steppingBack = false;
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A disabled item is chosen too: its command refreshes and stops.
            for (const Entry& e : item.entries) {
                if (e.client == menu->activeAction() && !e.client->isEnabled()) {
                    choose(e.action);
                    return true;
                }
            }
            return false;
        default:
            break;
        }
        const char letter = keyChar(*k);
        if (letter == 0 || (mods & Qt::ControlModifier))
            return false;
        for (const Entry& e : item.entries) {
            if (e.accessKey == letter) {
                choose(e.action);
                return true;
            }
        }
        return true; // no such access key here: the key is spent on the menu
    }
    case QEvent::MouseMove: {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const QPoint onBar = mapFromGlobal(global);
        const int i = rect().contains(onBar) ? itemAt(onBar) : -1;
        if (i >= 0 && i != m_current) {
            openMenu(i, false);
            return true;
        }
        // The mouse never highlights a disabled item.
        QAction* under = menu->actionAt(menu->mapFromGlobal(global));
        if (under && !under->isEnabled()) {
            if (menu->activeAction())
                menu->setActiveAction(nullptr);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        // A click on the open item closes the menu and must not reopen it.
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const QPoint onBar = mapFromGlobal(global);
        if (!menu->rect().contains(menu->mapFromGlobal(global)) && rect().contains(onBar) &&
            itemAt(onBar) == m_current)
            menu->setAttribute(Qt::WA_NoMouseReplay);
        return false;
    }
    default:
        return false;
    }
}

} // namespace platform
