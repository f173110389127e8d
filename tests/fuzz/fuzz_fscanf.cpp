// Text reading of the run-time: two lines dropped with fgetl, then fscanf with one of the
// readers' formats over arbitrary bytes. Errors are exceptions; nothing may crash or leak.
#include "runtime/runtime.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace
{
void throwingHandler(const char* text, int isError)
{
    if (isError)
        throw std::runtime_error(text);
}

void drop(mxArray* a)
{
    mxDestroyArray(a);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* formats[] = {"%g, %g", "%g, %g, %g", "%d", "%s", "%5g%c", "%x %*g"};
    if (size == 0)
        return 0;
    mclSetCppErrorHandler(throwingHandler);
    const std::string path = "/tmp/morvane_fuzz_fscanf_" + std::to_string(::getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);

    mxArray* name = mclCreateString(path.c_str());
    mxArray* format = mclCreateString(formats[data[0] % 6]);
    mxArray* fid = nullptr;
    try
    {
        mxArray* in[2] = {name, format};
        mlxFopen(1, &fid, 1, in);
        drop(mlfFgetl(fid));
        drop(mlfFgetl(fid));
        mxArray* out[2] = {nullptr, nullptr};
        in[0] = fid;
        mlxFscanf(2, out, 2, in);
        drop(out[0]);
        drop(out[1]);
    }
    catch (const std::exception&)
    {
    }
    mclCloseAllFiles();
    drop(fid);
    drop(name);
    drop(format);
    std::remove(path.c_str());
    return 0;
}
