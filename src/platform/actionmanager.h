#pragma once

// Owns the program's actions and answers their shortcut keys. Keys are
// caught before any control sees them, in every ordinary window of the
// program; an action that runs uses its key up, a disabled one passes it on to
// the control.

#include "action.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace platform {

class ActionManager : public QObject {
    Q_OBJECT
public:
    // The actions of core::kActions, owned by this manager, which belongs to
    // `mainWindow`.
    explicit ActionManager(QWidget* mainWindow);
    ~ActionManager() override;

    const std::vector<Action*>& actions() const { return m_actions; }
    Action* action(std::size_t index) const { return m_actions.at(index); }
    QWidget* mainWindow() const { return m_mainWindow; }

    // The first action whose shortcut is `shortcut`, or nullptr.
    Action* findByShortcut(std::uint16_t shortcut) const;

    // Runs the first action with that shortcut. True when it ran: the key is
    // used up.
    bool dispatchShortcut(std::uint16_t shortcut);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Action*> m_actions;
    QPointer<QWidget> m_mainWindow;
};

} // namespace platform
