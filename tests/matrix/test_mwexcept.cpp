// The exception tree: texts and their ownership, kinds and advice, chaining, Throw, the
// formatter and the report of operator<<.
#include "matrix_fixture.h"

#include <memory>
#include <sstream>

namespace
{
using Exceptions = MatrixTest;

const char* const kAdvice = "Please report this error to the run-time's vendor.";

std::string report(const mwException& e)
{
    std::ostringstream out;
    out << e;
    return out.str();
}
} // namespace

TEST_F(Exceptions, CopiesOwnTheirTexts)
{
    auto source = std::make_unique<mwDomainError>("bad index", 12, "somefile");
    const mwDomainError copy(*source);
    EXPECT_NE(source->Message(), copy.Message());
    source.reset();
    EXPECT_STREQ("bad index", copy.Message());
    EXPECT_STREQ("somefile", copy.File());
    EXPECT_EQ(12, copy.Line());

    static const char message[] = "static";
    const mwException borrowed(message, 3, nullptr, 0);
    const mwException borrowedCopy(borrowed);
    EXPECT_EQ(message, borrowedCopy.Message()) << "texts given with owns 0 are not copied";

    mwException assigned("old", 1, "x");
    assigned = copy;
    assigned = assigned;
    EXPECT_STREQ("bad index", assigned.Message());
    EXPECT_NE(copy.Message(), assigned.Message());
    const mwException nulls(nullptr, 0, nullptr);
    const mwException nullCopy(nulls);
    EXPECT_EQ(nullptr, nullCopy.Message());
}

TEST_F(Exceptions, KindsAndAdvice)
{
    struct Case
    {
        std::unique_ptr<mwException> e;
        const char* kind;
        const char* advice;
    };
    Case cases[] = {
        {std::make_unique<mwException>("m"), nullptr, nullptr},
        {std::make_unique<mwLogicError>("m", 1, "f"), "LogicError", kAdvice},
        {std::make_unique<mwSubclassResponsibility>("m", 1, "f"), "LogicError", kAdvice},
        {std::make_unique<mwRuntimeError>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwBadAlloc>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwRangeError>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwDomainError>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwOverflowError>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwIllegalOperation>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwUndefVar>("m", 1, "f"), "RuntimeError", nullptr},
        {std::make_unique<mwChainError>(mwException("m")), "RuntimeError", nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(typeid(*c.e).name());
        EXPECT_STREQ(c.kind, c.e->Kind());
        EXPECT_STREQ(c.advice, c.e->Advice());
    }
}

TEST_F(Exceptions, ChainErrorStandsInForItsInnerException)
{
    const mwDomainError inner("inner text", 41, "innerfile");
    const mwChainError bare(inner);
    EXPECT_STREQ("inner text", bare.Message());
    EXPECT_STREQ("innerfile", bare.File());
    EXPECT_EQ(41, bare.Line());

    const mwChainError withFile(inner, nullptr, 0, "own");
    EXPECT_STREQ("own", withFile.File());
    EXPECT_EQ(0, withFile.Line()) << "its own line once its own file is set";
    EXPECT_STREQ("inner text", withFile.Message());

    const mwChainError copy(withFile);
    EXPECT_STREQ("inner text", copy.Message());
}

TEST_F(Exceptions, ThrowThroughABaseReferenceKeepsTheClassAndRecordsTheMessage)
{
    const mwRangeError range("reallog10() with complex result.", 5, "matmtxif");
    const mwException& base = range;
    try
    {
        base.Throw();
    }
    catch (const mwRangeError& e)
    {
        EXPECT_STREQ("reallog10() with complex result.", e.Message());
        EXPECT_STREQ("reallog10() with complex result.", mclGetLastError());
    }
    catch (...)
    {
        FAIL() << "thrown as another class";
    }
    EXPECT_THROW(mwException(nullptr).Throw(), mwException);
    EXPECT_STREQ("", mclGetLastError()) << "a null message records an empty text";
}

TEST_F(Exceptions, BadAllocNeverAllocates)
{
    mlfSetLibraryAllocFcns(failingCalloc, std::free, failingRealloc, failingMalloc);
    const mwBadAlloc e("ignored text", 9, "handler");
    const mwBadAlloc copy(e);
    EXPECT_STREQ("A memory allocation request failed.", e.Message());
    EXPECT_EQ(e.Message(), copy.Message()) << "the static text is shared, not copied";
    try
    {
        copy.Throw();
    }
    catch (const mwBadAlloc& thrown)
    {
        EXPECT_EQ(e.Message(), thrown.Message());
        EXPECT_EQ(9, thrown.Line());
    }
}

TEST_F(Exceptions, SubclassResponsibilityCutsLongNames)
{
    const mwSubclassResponsibility shortName("Print");
    EXPECT_STREQ("Subclass must implement this function: Print", shortName.Message());
    const mwSubclassResponsibility longName("ThisFunctionNameIsMuchTooLongToFit");
    EXPECT_STREQ("Subclass must implement this function: ThisFunctionNameIsMuc",
                 longName.Message());
}

TEST_F(Exceptions, FormatterIsBounded)
{
    EXPECT_STREQ("No message\n", mwFormatMessage(nullptr));
    EXPECT_STREQ("Matrix is 2-by-1.", mwFormatMessage("Matrix is %d-by-%d.", 2, 1));
    const std::string longText(10000, 'x');
    const std::string cut = mwFormatMessage("%s!", longText.c_str());
    EXPECT_EQ(4095u, cut.size());
    EXPECT_EQ(std::string(4095, 'x'), cut);
}

TEST_F(Exceptions, Report)
{
    struct Case
    {
        std::unique_ptr<mwException> e;
        const char* expected;
    };
    Case cases[] = {
        {std::make_unique<mwLogicError>("Null matrix data.", 670, "dblmtrx"),
         "LogicError\nException!  File: dblmtrx, Line: 670\n    Null matrix data.\n"
         "Please report this error to the run-time's vendor.\n"},
        {std::make_unique<mwRuntimeError>("oops", 3, nullptr),
         "RuntimeError\nException!  File: No File Info., Line: 3\n    oops\n"},
        {std::make_unique<mwException>(nullptr),
         "Exception!  File: No File Info., Line: 0\n    No message\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, report(*c.e));
}
