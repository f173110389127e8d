// Captures what the matrix layer prints while it lives.
#pragma once

#include "matrix/matrix.h"

#include <string>

class CPrintCapture
{
public:
    CPrintCapture() : m_previous(mwGetPrintHandler())
    {
        Text().clear();
        mwSetPrintHandler(&Append);
    }
    ~CPrintCapture() { mwSetPrintHandler(m_previous); }
    CPrintCapture(const CPrintCapture&) = delete;
    CPrintCapture& operator=(const CPrintCapture&) = delete;

    static std::string& Text()
    {
        static std::string text;
        return text;
    }

private:
    static void Append(const char* text) { Text() += text; }

    mwPrintHandler m_previous;
};
