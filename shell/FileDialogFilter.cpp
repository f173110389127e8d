#include "shell/FileDialogFilter.h"

#include <sstream>
#include <vector>

namespace
{
std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string WithoutTrailingBrackets(const std::string& description)
{
    const std::string trimmed = Trim(description);
    const auto open = trimmed.rfind('(');
    if (!trimmed.empty() && trimmed.back() == ')' && open != std::string::npos)
        return Trim(trimmed.substr(0, open));
    return trimmed;
}

std::string Patterns(const std::string& field)
{
    std::string patterns;
    std::istringstream words(field);
    for (std::string word; std::getline(words, word, ';');)
    {
        const std::string pattern = Trim(word);
        if (!pattern.empty())
            patterns += (patterns.empty() ? "" : " ") + pattern;
    }
    return patterns;
}
} // namespace

std::string ToQtFileFilter(const std::string& filter)
{
    std::vector<std::string> fields;
    std::istringstream in(filter);
    for (std::string field; std::getline(in, field, '|');)
        fields.push_back(field);
    std::string result;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2)
    {
        const std::string patterns = Patterns(fields[i + 1]);
        if (patterns.empty())
            continue;
        if (!result.empty())
            result += ";;";
        result += WithoutTrailingBrackets(fields[i]) + " (" + patterns + ")";
    }
    return result.empty() ? "All Files (*)" : result;
}
