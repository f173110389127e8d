// Collects the failed checks reported while it lives, for tests that expect (or rule out)
// a particular report.
#pragma once

#include "graph/Assert.h"

#include <string>
#include <vector>

struct CheckReport
{
    std::string expression;
    std::string file;
};

class AssertionCapture
{
public:
    AssertionCapture() : m_Previous(mclSetAssertionHandler(&Collect)) { Reports().clear(); }
    ~AssertionCapture() { mclSetAssertionHandler(m_Previous); }
    AssertionCapture(const AssertionCapture&) = delete;
    AssertionCapture& operator=(const AssertionCapture&) = delete;

    const std::vector<CheckReport>& reports() const { return Reports(); }
    void clear() { Reports().clear(); }
    bool reported(const std::string& expression) const
    {
        for (const CheckReport& r : Reports())
            if (r.expression == expression)
                return true;
        return false;
    }

private:
    mclAssertionHandlerFcn m_Previous;

    static std::vector<CheckReport>& Reports()
    {
        static std::vector<CheckReport> reports;
        return reports;
    }
    static void Collect(const char* expression, const char* file, int)
    {
        Reports().push_back({expression, file});
    }
};
