// What the user is told when a command or an event handler ends by an exception: memory
// that ran out (std::bad_alloc) or another failure (a standard exception or one of the
// matrix layer's). The program goes on after the message, so that the user can save.
#pragma once

#include <string>
#include <string_view>
#include <utility>

// Why work was stopped.
struct CFailure
{
    bool bOutOfMemory = false;
    std::string text; // the exception's own text
};

// Called in a handler of the exception in flight: when it is a std::bad_alloc, another
// standard exception or an mwException, fills failure; any other exception is thrown on.
// Throws nothing of its own: when the exception's text cannot be copied, memory ran out,
// and that is the failure.
void TakeCurrentFailure(CFailure& failure);

// Runs work and returns true. When it ends by std::bad_alloc, another standard exception
// or an mwException, returns false with the failure; any other exception passes on.
// The work is called as it is passed, not wrapped: the guard of every event takes no
// memory before its try, and none while the work succeeds.
template <class Work> bool RunCatchingFailure(Work&& work, CFailure& failure)
{
    try
    {
        std::forward<Work>(work)();
        return true;
    }
    catch (...)
    {
        TakeCurrentFailure(failure);
    }
    return false;
}

// The message for a failure of what, the subject of the sentence (`The command "Open Raw
// Response File"` or `Drawing the window "Speaker Response"`): that it was stopped because
// memory ran out, or by the error the exception names, and what the user can do now.
// kept, when given, is a sentence on what the failure left as it was ("The window stays
// open."), told before the program goes on.
std::string FailureMessage(std::string_view what, const CFailure& failure,
                           std::string_view kept = {});

// The subject of the message for a command: `The command "<name>"`.
std::string CommandSubject(std::string_view name);

// A command's name from its menu text: without the mnemonic marks, the trailing "...",
// the shortcut letter standing in its own column, and doubled spaces.
// "Save As Raw Response File    &Z  ..." gives "Save As Raw Response File".
std::string CommandNameOfMenuText(std::string_view text);
