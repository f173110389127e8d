// Menu commands as the display-free code sees them: an enabled and checked state per
// command id, and objects that handle some commands themselves (a design window's view and
// document) before the application's own table is asked.
#pragma once

#include <optional>

// Enabled and checked state of a menu command.
struct CCommandState
{
    bool bEnabled = false;
    bool bChecked = false;
};

class ICommandTarget
{
public:
    virtual ~ICommandTarget() = default;
    // The state of command id when this target handles it; nothing when it does not, so
    // that the next target is asked.
    virtual std::optional<CCommandState> GetCommandState(int id) = 0;
    // Runs command id; called only for a command whose state this target gave as enabled.
    virtual void OnCommand(int id) = 0;
};
