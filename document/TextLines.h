// The lines of a text held whole in one buffer, walked in order as views into it. Reading
// a file thus costs its size and little more, whatever its lines hold: a string or even a
// view kept for each line would cost 16 to 40 bytes for every empty line of one byte.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

class CTextLines
{
public:
    // A line of the text, and the way to the next. It points into the text: it is valid
    // while the CTextLines it came from lives and is not moved or assigned to.
    class CIterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = const std::string_view&;

        CIterator() = default;
        const std::string_view& operator*() const { return m_Line; }
        const std::string_view* operator->() const { return &m_Line; }
        CIterator& operator++();
        CIterator operator++(int);
        // Iterators of the same text are equal at the same line.
        bool operator==(const CIterator& other) const { return m_nStart == other.m_nStart; }

    private:
        friend class CTextLines;
        CIterator(const std::string* pText, std::size_t nStart);

        const std::string* m_pText = nullptr;
        std::size_t m_nStart = 0; // where the line starts in the text; its size at the end
        std::size_t m_nNext = 0;  // where the next line starts
        std::string_view m_Line;
    };

    CTextLines() = default;
    // The text split at each line feed, a carriage return before it dropped. A last line
    // without line feed counts when it is not empty; nothing follows the last line feed.
    explicit CTextLines(std::string text);

    std::size_t size() const { return m_nLines; }
    bool empty() const { return m_nLines == 0; }
    CIterator begin() const { return CIterator(&m_strText, 0); }
    CIterator end() const { return CIterator(&m_strText, m_strText.size()); }
    // Lets the text go; no line is left.
    void clear();

private:
    std::string m_strText;
    std::size_t m_nLines = 0;
};
