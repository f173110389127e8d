#include "runtime/runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace
{
struct RuntimeError : std::runtime_error
{
    RuntimeError(const std::string& text, bool oom) : std::runtime_error(text), outOfMemory(oom) {}
    bool outOfMemory;
};

void throwingHandler(const char* text, int isError)
{
    if (isError)
        throw RuntimeError(text, mclIsOutOfMemoryError());
}

class RuntimeArray : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mclSetCppErrorHandler(throwingHandler);
        live = mclLiveArrayCount();
    }
    void TearDown() override
    {
        mclResetLibraryAllocFcns();
        mclSetCppErrorHandler(nullptr);
        EXPECT_EQ(live, mclLiveArrayCount()) << "an array was leaked or destroyed twice";
    }
    long live = 0;
};

void* failingMalloc(std::size_t)
{
    return nullptr;
}
void* failingCalloc(std::size_t, std::size_t)
{
    return nullptr;
}
} // namespace

TEST_F(RuntimeArray, ShapesAndClasses)
{
    const int dims[3] = {2, 3, 4};
    mxArray* a = mclCreateNumericArray(3, dims, mxDOUBLE_CLASS, mxCOMPLEX);
    EXPECT_EQ(3, mxGetNumberOfDimensions(a));
    EXPECT_EQ(2, mxGetM(a));
    EXPECT_EQ(12, mxGetN(a));
    EXPECT_EQ(24, mxGetNumberOfElements(a));
    EXPECT_TRUE(mxIsComplex(a));
    EXPECT_EQ(0.0, mclGetPi(a)[23]);
    mxDestroyArray(a);

    const int trailing[4] = {2, 3, 1, 1};
    mxArray* b = mclCreateNumericArray(4, trailing, mxDOUBLE_CLASS, mxREAL);
    EXPECT_EQ(2, mxGetNumberOfDimensions(b)) << "trailing singleton dimensions are dropped";
    mxDestroyArray(b);

    const int none[2] = {0, 0};
    mxArray* u = mclCreateNumericArray(2, none, mxUNINITIALIZED_CLASS, mxREAL);
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(u));
    EXPECT_EQ(8, mxGetElementSize(u));
    mxDestroyArray(u);
}

TEST_F(RuntimeArray, StringsKeepTwoByteCharacters)
{
    mxArray* s = mclCreateString("abc");
    EXPECT_EQ(mxCHAR_CLASS, mxGetClassID(s));
    EXPECT_EQ(2, mxGetElementSize(s));
    EXPECT_EQ(1, mxGetM(s));
    EXPECT_EQ(3, mxGetN(s));
    char text[2];
    EXPECT_EQ(3, mclGetString(s, text, sizeof text)) << "the text is cut, never overrun";
    EXPECT_STREQ("a", text);
    mxDestroyArray(s);

    mxArray* empty = mclCreateString(nullptr);
    EXPECT_EQ(0, mxGetNumberOfElements(empty));
    mxDestroyArray(empty);
}

TEST_F(RuntimeArray, DuplicateIsDeepAndCellsOwnTheirElements)
{
    mxArray* cell = mclCreateCellMatrix(1, 2);
    mclSetCell(cell, 0, mlfScalar(4.0));
    mclSetCell(cell, 1, mclCreateString("x"));
    mclSetCommaList(cell, true);
    mxArray* copy = mclDuplicateArray(cell);
    EXPECT_TRUE(mclIsCommaList(copy));
    EXPECT_NE(mclGetCell(cell, 0), mclGetCell(copy, 0));
    mclGetPr(mclGetCell(copy, 0))[0] = 5.0;
    EXPECT_EQ(4.0, mclGetPr(mclGetCell(cell, 0))[0]);
    mclSetCell(copy, 1, nullptr); // destroys the replaced element
    mxDestroyArray(cell);
    mxDestroyArray(copy);
}

TEST_F(RuntimeArray, SharedArraysAreNeverDestroyed)
{
    mxArray* u = mclGetUninitializedArray();
    EXPECT_EQ(u, mclGetUninitializedArray());
    EXPECT_NE(u, mclGetUnassignedArray());
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(mclGetUnassignedArray()));
    mxDestroyArray(u);
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(mclGetUninitializedArray()));
    EXPECT_EQ(u, mclDuplicateArray(u));
    EXPECT_THROW(mclErrorIfUnassigned(mclGetUnassignedArray()), RuntimeError);
    mclErrorIfUnassigned(u);
}

TEST_F(RuntimeArray, BlocksHandedOverBelongToTheArray)
{
    mxArray* a = mclCreateDoubleMatrix(0, 0, mxREAL);
    auto* re = static_cast<double*>(mclMalloc(6 * sizeof(double)));
    for (int i = 0; i < 6; ++i)
        re[i] = i;
    mxSetM(a, 2);
    mxSetN(a, 3);
    mclSetPr(a, re);
    mclSetPi(a, static_cast<double*>(mclCalloc(6, sizeof(double))));
    EXPECT_TRUE(mxIsComplex(a));
    EXPECT_EQ(5.0, mclGetPr(a)[5]);
    mclSetPi(a, nullptr);
    EXPECT_FALSE(mxIsComplex(a));
    mxDestroyArray(a);
}

TEST_F(RuntimeArray, FailingAllocatorReportsOutOfMemory)
{
    mlfSetLibraryAllocFcns(failingCalloc, std::free, std::realloc, failingMalloc);
    try
    {
        mclCreateDoubleMatrix(3, 3, mxCOMPLEX);
        FAIL() << "the allocation failure was not reported";
    }
    catch (const RuntimeError& e)
    {
        EXPECT_TRUE(e.outOfMemory);
    }
    EXPECT_FALSE(mclIsOutOfMemoryError()) << "the condition ends with the report";
}

TEST_F(RuntimeArray, LastErrorAndWarnings)
{
    EXPECT_THROW(mclRaiseError("bad %d", 7), RuntimeError);
    EXPECT_STREQ("bad 7", mclGetLastError());
    mxArray* out[1] = {nullptr};
    mxArray* in[1] = {mclCreateString("next")};
    mlxLasterr(1, out, 1, in);
    EXPECT_STREQ("next", mclGetLastError());
    mxDestroyArray(in[0]);
    mxDestroyArray(out[0]);

    std::string longText(10000, 'x');
    EXPECT_THROW(mclRaiseError("%s", longText.c_str()), RuntimeError);
    EXPECT_EQ(4095u, std::string(mclGetLastError()).size()) << "long texts are cut";
}
