#include "document/TextLines.h"

#include <algorithm>

CTextLines::CIterator::CIterator(const std::string* pText, std::size_t nStart)
    : m_pText(pText), m_nStart(nStart)
{
    const std::string& text = *m_pText;
    if (m_nStart >= text.size())
    {
        m_nStart = m_nNext = text.size();
        return;
    }
    std::size_t end = text.find('\n', m_nStart);
    m_nNext = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos)
        end = text.size();
    if (end > m_nStart && text[end - 1] == '\r')
        --end;
    m_Line = std::string_view(text).substr(m_nStart, end - m_nStart);
}

CTextLines::CIterator& CTextLines::CIterator::operator++()
{
    return *this = CIterator(m_pText, m_nNext);
}

CTextLines::CIterator CTextLines::CIterator::operator++(int)
{
    const CIterator before = *this;
    ++*this;
    return before;
}

CTextLines::CTextLines(std::string text) : m_strText(std::move(text))
{
    // Every line feed ends a line; what follows the last one is a line when there is any.
    m_nLines = std::size_t(std::count(m_strText.begin(), m_strText.end(), '\n'));
    if (!m_strText.empty() && m_strText.back() != '\n')
        ++m_nLines;
}

void CTextLines::clear()
{
    m_strText = std::string();
    m_nLines = 0;
}
