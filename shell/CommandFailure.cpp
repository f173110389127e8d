#include "shell/CommandFailure.h"

#include "matrix/badalloc.h"
#include "matrix/mwexcept.h"

#include <exception>
#include <new>
#include <vector>

namespace
{
// A word of a menu text and the number of spaces before it.
struct CMenuWord
{
    std::size_t nGap;
    std::string text;
};

std::vector<CMenuWord> MenuWords(std::string_view text)
{
    std::vector<CMenuWord> words;
    std::size_t nGap = 0;
    for (char c : text)
    {
        if (c == '&')
            continue;
        if (c == ' ')
        {
            ++nGap;
            continue;
        }
        if (words.empty() || nGap > 0)
            words.push_back({nGap, {}});
        words.back().text += c;
        nGap = 0;
    }
    return words;
}
} // namespace

void TakeCurrentFailure(CFailure& failure)
{
    try
    {
        try
        {
            throw;
        }
        catch (const std::bad_alloc& e)
        {
            failure = {true, e.what()};
        }
        catch (const std::exception& e)
        {
            failure = {false, e.what()};
        }
        catch (const mwBadAlloc& e)
        {
            // The run-time's own report of a failed allocation.
            failure = {true, e.Message() ? e.Message() : ""};
        }
        catch (const mwException& e)
        {
            failure = {false, e.Message() ? e.Message() : ""};
        }
    }
    catch (const std::bad_alloc&)
    {
        // The text did not fit in the memory left.
        failure.bOutOfMemory = true;
        failure.text.clear();
    }
}

std::string FailureMessage(std::string_view what, const CFailure& failure, std::string_view kept)
{
    std::string text(what);
    if (failure.bOutOfMemory)
        text += " was stopped because memory ran out.";
    else
        text += " was stopped by an error: " + failure.text;
    text += "\n\n";
    if (!kept.empty())
        text += std::string(kept) + " ";
    return text + "The program goes on. Save your work before you try again.";
}

std::string CommandSubject(std::string_view name)
{
    return "The command \"" + std::string(name) + "\"";
}

std::string CommandNameOfMenuText(std::string_view text)
{
    std::vector<CMenuWord> words = MenuWords(text);
    if (!words.empty() && words.back().text == "...")
        words.pop_back();
    // Menus show the shortcut letter in a column of its own, after a wide gap.
    if (words.size() > 1 && words.back().text.size() == 1 && words.back().nGap >= 2)
        words.pop_back();
    std::string name;
    for (const CMenuWord& word : words)
        name += (name.empty() ? "" : " ") + word.text;
    return name;
}
