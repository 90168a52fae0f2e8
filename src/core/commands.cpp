#include "commands.h"

namespace core {

bool commandEnabled(Command command, const EditControl* target, bool clipboardHasText) {
    if (!isEditCommand(command))
        return true;
    if (target == nullptr || !target->focused())
        return false;
    switch (command) {
    case Command::Cut:
    case Command::Copy:
    case Command::Delete:
        return target->selectionLength() > 0;
    case Command::Paste:
        return clipboardHasText;
    case Command::SelectAll:
        return target->textLength() > 0;
    case Command::Undo:
        return target->canUndo();
    case Command::Exit:
    case Command::About:
        break;
    }
    return true;
}

} // namespace core
