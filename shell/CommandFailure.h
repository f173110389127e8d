// What the user is told when a command or an event handler ends by an exception: memory
// that ran out (std::bad_alloc) or another failure (a standard exception or one of the
// matrix layer's). The program goes on after the message, so that the user can save.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Why work was stopped.
struct CFailure
{
    bool bOutOfMemory = false;
    std::string text; // the exception's own text
};

// Runs work and returns true. When it ends by std::bad_alloc, another standard exception
// or an mwException, returns false with the failure; any other exception passes on.
bool RunCatchingFailure(const std::function<void()>& work, CFailure& failure);

// The message for a failure of what, the subject of the sentence (`The command "Open Raw
// Response File"` or `Drawing the window "Speaker Response"`): that it was stopped because
// memory ran out, or by the error the exception names, and what the user can do now.
std::string FailureMessage(std::string_view what, const CFailure& failure);

// The subject of the message for a command: `The command "<name>"`.
std::string CommandSubject(std::string_view name);

// A command's name from its menu text: without the mnemonic marks, the trailing "...",
// the shortcut letter standing in its own column, and doubled spaces.
// "Save As Raw Response File    &Z  ..." gives "Save As Raw Response File".
std::string CommandNameOfMenuText(std::string_view text);
