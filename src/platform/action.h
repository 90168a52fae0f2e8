#pragma once

// A command object: caption, shortcut, category, hint and enabled state, a
// refresh that finds the command's target and sets the state from it, and the
// command itself. Menu items and shortcut keys are its clients.

#include "commands.h"

#include <QObject>
#include <QString>

#include <functional>

namespace platform {

class ActionManager;

class Action : public QObject {
    Q_OBJECT
public:
    Action(const core::ActionDef& def, ActionManager* manager);

    core::Command command() const { return m_def.command; }
    QString caption() const;
    std::uint16_t shortcut() const { return m_def.shortcut; }
    QString category() const;
    QString hint() const;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Looks for the target and sets the enabled state from it.
    void update();

    // Refreshes, and runs unless that left the action disabled. True when it
    // ran.
    bool execute();

    // A handler of the program's own, run in place of the standard behaviour.
    void setOnExecute(std::function<void()> handler) { m_onExecute = std::move(handler); }

signals:
    void enabledChanged(bool enabled);

private:
    void runStandard();

    const core::ActionDef& m_def;
    ActionManager* m_manager;
    bool m_enabled;
    std::function<void()> m_onExecute;
};

} // namespace platform
