#include "action.h"

#include "actionmanager.h"
#include "actiontarget.h"
#include "memo.h"

#include <QWidget>

namespace platform {
namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

Action::Action(const core::ActionDef& def, ActionManager* manager)
    : QObject(manager), m_def(def), m_manager(manager), m_enabled(def.enabledAtStart) {
    setObjectName(QString::fromLatin1(def.name));
}

QString Action::caption() const {
    return fromView(m_def.caption);
}

QString Action::category() const {
    return fromView(m_def.category);
}

QString Action::hint() const {
    return fromView(m_def.hint);
}

void Action::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

void Action::update() {
    if (!core::isEditCommand(m_def.command)) {
        setEnabled(core::commandEnabled(m_def.command, nullptr, false));
        return;
    }
    Memo* edit = findEditTarget(m_manager->mainWindow());
    if (!edit) {
        setEnabled(core::commandEnabled(m_def.command, nullptr, false));
        return;
    }
    const EditControlView view(*edit);
    // Only paste asks the clipboard, which on X11 is a round trip to its owner.
    const bool clip = m_def.command == core::Command::Paste && clipboardHasText();
    setEnabled(core::commandEnabled(m_def.command, &view, clip));
}

bool Action::execute() {
    update();
    if (!m_enabled)
        return false;
    if (m_onExecute)
        m_onExecute();
    else
        runStandard();
    return true;
}

void Action::runStandard() {
    using core::Command;
    if (m_def.command == Command::Exit) {
        if (QWidget* main = m_manager->mainWindow())
            main->close();
        return;
    }
    // The program has no help system, so help on help has nothing to open.
    if (m_def.command == Command::About)
        return;
    Memo* edit = findEditTarget(m_manager->mainWindow());
    if (!edit)
        return;
    switch (m_def.command) {
    case Command::Cut:
        edit->cut();
        break;
    case Command::Copy:
        edit->copy();
        break;
    case Command::Paste:
        edit->paste();
        break;
    case Command::SelectAll:
        edit->selectAll();
        break;
    case Command::Undo:
        edit->undo();
        break;
    case Command::Delete:
        edit->clearSelection();
        break;
    case Command::Exit:
    case Command::About:
        break;
    }
}

} // namespace platform
