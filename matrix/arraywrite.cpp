#include "matrix/arraywrite.h"

#include "matrix/handler.h"
#include "matrix/libinit.h"
#include "matrix/mwexcept.h"
#include "runtime/handlers.h"
#include "runtime/printarray.h"

namespace
{
mwLibraryInit g_init;

std::ostream* g_printStream = nullptr;

// Puts the previous print handler and stream back however the printing ends.
class StreamHandlerScope
{
public:
    explicit StreamHandlerScope(std::ostream& out)
        : m_handler(mwGetPrintHandler()), m_stream(g_printStream)
    {
        g_printStream = &out;
        mwSetPrintHandler(mwStreamPrintHandler);
    }
    ~StreamHandlerScope()
    {
        mwSetPrintHandler(m_handler);
        g_printStream = m_stream;
    }
    StreamHandlerScope(const StreamHandlerScope&) = delete;
    StreamHandlerScope& operator=(const StreamHandlerScope&) = delete;

private:
    mwPrintHandler m_handler;
    std::ostream* m_stream;
};

int precisionOf(const std::ostream& out)
{
    const std::streamsize p = out.precision();
    return p < 1 ? 1 : (p > 1000 ? 1000 : static_cast<int>(p));
}
} // namespace

void mwStreamPrintHandler(const char* text)
{
    if (g_printStream && text)
        *g_printStream << text;
}

void mwMatrix::Print(std::ostream& out) const
{
    mclErrorIfUnassigned(GetData());
    const mxArray* a = GetData();
    if (!a || mxGetClassID(a) == mxUNINITIALIZED_CLASS || mxGetClassID(a) == mxUNKNOWN_CLASS)
        return;
    if (mxIsCell(a))
    {
        try
        {
            StreamHandlerScope scope(out);
            mclPrintArray(a, "");
        }
        catch (const mwException& e)
        {
            throw mwException(e.Message(), e.Line(), e.File());
        }
        return;
    }
    out << mclFormatArray(a, precisionOf(out));
}

void mwMatrix::Print2D(std::ostream& out) const
{
    const mxArray* a = GetData();
    if (a && mxGetClassID(a) != mxUNINITIALIZED_CLASS)
        out << mclFormatPage(a, precisionOf(out));
}

std::ostream& operator<<(std::ostream& out, const mwMatrix& m)
{
    m.Print(out);
    return out;
}
