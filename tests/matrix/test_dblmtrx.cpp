// mwMatrix and MatrixRef: construction, sharing, assignment, copy on write, conversions.
#include "matrix_fixture.h"

#include <climits>
#include <cmath>
#include <limits>
#include <numeric>

namespace
{
using MatrixValue = MatrixTest;

mwMatrix row(std::initializer_list<double> values)
{
    std::vector<double> v(values);
    return mwMatrix(1, static_cast<int>(v.size()), v.data(), nullptr, 1);
}

// A comma list of the values 1..n, as a cell subscript yields it.
mwMatrix commaList(int n)
{
    mxArray* list = mclCreateCellMatrix(1, n);
    for (int i = 0; i < n; ++i)
        mclSetCell(list, i, mlfScalar(i + 1));
    mclSetCommaList(list, true);
    return mwMatrix(list, 1);
}

int countOf(const mwMatrix& m)
{
    return m.GetRef()->Count();
}
} // namespace

TEST_F(MatrixValue, DefaultAndNullArrayAreUninitializedEmpty)
{
    const mwMatrix byDefault;
    const mwMatrix fromNull(nullptr, 1);
    for (const mwMatrix* m : {&byDefault, &fromNull})
    {
        EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(m->GetData()));
        EXPECT_FALSE(m->IsInitialized());
        EXPECT_TRUE(m->IsEmpty());
        EXPECT_EQ(1, m->GetRef()->Owns());
    }
    EXPECT_TRUE(assertions().empty());
}

TEST_F(MatrixValue, AssigningUninitializedWarnsOnceAndStillAssigns)
{
    mwMatrix target(5.0);
    const mwMatrix source(nullptr, 1);
    target = source;
    EXPECT_EQ(source.GetRef(), target.GetRef());
    ASSERT_EQ(1u, printed().size()) << "one print call per warning";
    EXPECT_EQ("WARNING: Reference to uninitialized variable\n", printed()[0]);

    mwMatrix output(5.0);
    output.AssignOutput(source);
    EXPECT_EQ(mxDOUBLE_CLASS, mxGetClassID(output.GetData())) << "the real empty matrix";
    EXPECT_EQ(0, output.Size(1));
    EXPECT_EQ(0, output.Size(2));
}

TEST_F(MatrixValue, AssignOutputCases)
{
    const mwMatrix value(2.0);
    mwMatrix target(1.0);
    target.AssignOutput(mwNotSupplied);
    EXPECT_EQ(1.0, static_cast<double>(target)) << "not supplied changes nothing";
    target.AssignOutput(value);
    EXPECT_EQ(value.GetRef(), target.GetRef());
}

TEST_F(MatrixValue, SelfAssignmentKeepsCounts)
{
    mwMatrix a(1.0);
    const mwMatrix b(a);
    EXPECT_EQ(2, countOf(a));
    a = a;
    a.Share(a);
    a.Assign(a);
    EXPECT_EQ(2, countOf(a));
    EXPECT_TRUE(printed().empty());
}

TEST_F(MatrixValue, AssignmentRefusesUnassignedAndCommaLists)
{
    mwMatrix target(7.0);
    const mwMatrix unassigned(mwUnassigned);
    try
    {
        target = unassigned;
        FAIL() << "an unassigned value was assigned";
    }
    catch (const mwRuntimeError& e)
    {
        EXPECT_STREQ(mclGetLastError(), e.Message());
    }
    const mwMatrix list = commaList(2);
    try
    {
        target = list;
        FAIL() << "a comma list was assigned";
    }
    catch (const mwRuntimeError& e)
    {
        EXPECT_STREQ("Illegal right hand side in assignment. Too many elements.", e.Message());
    }
    EXPECT_EQ(7.0, static_cast<double>(target)) << "the target is unchanged";
}

TEST_F(MatrixValue, CommaListsUnpackToTheirLastElement)
{
    const mwMatrix list = commaList(3);
    mwMatrix target;
    target.AssignCell(list);
    EXPECT_EQ(3.0, static_cast<double>(target));
    EXPECT_NE(nullptr, mclGetCell(list.GetData(), 2)) << "other holders keep the whole list";

    mwMatrix shown;
    shown.AssignAndDisplay(commaList(2));
    EXPECT_EQ(2.0, static_cast<double>(shown));
    ASSERT_EQ(1u, printed().size());
    EXPECT_EQ(0u, printed()[0].find("ans =")) << printed()[0];

    mwMatrix untouched(4.0);
    untouched.AssignCell(mwMatrix());
    untouched.AssignAndDisplay(mwMatrix());
    EXPECT_EQ(4.0, static_cast<double>(untouched));
}

TEST_F(MatrixValue, EveryOwnedArrayIsDestroyedExactlyOnce)
{
    {
        mwMatrix a(1.0);
        EXPECT_EQ(m_live + 1, mclLiveArrayCount());
        mwMatrix b(a);
        mwMatrix c;
        EXPECT_EQ(m_live + 2, mclLiveArrayCount());
        c.Share(b);
        EXPECT_EQ(m_live + 1, mclLiveArrayCount()) << "copies share; c's own array went away";
        c.MakeUnique();
        EXPECT_EQ(m_live + 2, mclLiveArrayCount());
        EXPECT_NE(a.GetData(), c.GetData());
        EXPECT_EQ(2, countOf(a));
        mwMatrix* heap = a.Clone(1, 1);
        delete heap;
        b = mwMatrix("text");
    }
    EXPECT_EQ(m_live, mclLiveArrayCount());

    // Handles of the markers never destroy the run-time's shared arrays.
    const int markerCount = countOf(mwNotSupplied);
    {
        mwMatrix x(mwNotSupplied), y(mwUnassigned), z(mwUninitialized);
        z.SetNotSupplied();
    }
    EXPECT_EQ(markerCount, countOf(mwNotSupplied));
    EXPECT_EQ(mclGetUninitializedArray(), mwNotSupplied.GetData());
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(mwUnassigned.GetData()));
}

TEST_F(MatrixValue, ReleaseDataGivesTheArrayAwayOrADuplicate)
{
    mwMatrix sole(3.0);
    mxArray* a = sole.ReleaseData();
    EXPECT_EQ(nullptr, sole.GetData());
    EXPECT_EQ(nullptr, sole.GetRef());
    EXPECT_EQ(3.0, mclGetPr(a)[0]);
    mxDestroyArray(a);
    EXPECT_EQ(nullptr, sole.ReleaseData());

    try
    {
        mwMatrix copy(sole);
        FAIL() << "a handle without record was copied";
    }
    catch (const mwLogicError& e)
    {
        EXPECT_STREQ("Null matrix data.", e.Message());
        EXPECT_STREQ("dblmtrx", e.File());
        EXPECT_EQ(670, e.Line());
    }

    mwMatrix shared(4.0);
    const mwMatrix other(shared);
    mxArray* d = shared.ReleaseData();
    EXPECT_NE(shared.GetData(), d);
    EXPECT_EQ(shared.GetRef(), other.GetRef());
    EXPECT_EQ(2, countOf(other));
    mxDestroyArray(d);
}

TEST_F(MatrixValue, RecordFreedWithHoldersThrowsOrReportsButNeverFrees)
{
    MatrixRef* ref = MatrixRef::Create(mlfScalar(1.0), 1);
    ref->AddRef();
    try
    {
        MatrixRef::Free(ref, MatrixRef::OnFault::Throw);
        FAIL() << "no exception";
    }
    catch (const mwLogicError& e)
    {
        EXPECT_STREQ("Deleting matrix with nonzero reference count = 2.", e.Message());
        EXPECT_STREQ("mtrxref", e.File());
        EXPECT_EQ(127, e.Line());
    }
    // The destructor path, while an exception unwinds the stack: a report, no termination.
    struct Holder
    {
        MatrixRef* ref;
        ~Holder() { MatrixRef::Free(ref, MatrixRef::OnFault::Report); }
    };
    try
    {
        Holder holder{ref};
        throw std::runtime_error("unwinding");
    }
    catch (const std::runtime_error&)
    {
    }
    ASSERT_EQ(1u, assertions().size());
    EXPECT_EQ("Deleting matrix with nonzero reference count = 2.", assertions()[0].expression);
    EXPECT_EQ("mtrxref", assertions()[0].source);
    EXPECT_EQ(127, assertions()[0].line);
    EXPECT_EQ(1.0, mclGetPr(ref->Array())[0]) << "the record and its array are still held";
    ref->Release(2);
    MatrixRef::Free(ref, MatrixRef::OnFault::Throw);
}

TEST_F(MatrixValue, RecordAllocationFailureDestroysTheOwnedArray)
{
    mxArray* a = mlfScalar(1.0);
    mlfSetLibraryAllocFcns(failingCalloc, std::free, failingRealloc, failingMalloc);
    EXPECT_THROW(MatrixRef::Create(a, 1), mwBadAlloc);
    mclResetLibraryAllocFcns();
    EXPECT_EQ(m_live, mclLiveArrayCount()) << "the array went with the failed record";
}

TEST_F(MatrixValue, SizesAndDimensions)
{
    const mwMatrix m(2, 3, mwMatrix::kOnes);
    EXPECT_EQ(1, m.Size(3));
    EXPECT_EQ(3, m.Size(2));
    mwMatrix gone(1.0);
    mxDestroyArray(gone.ReleaseData());
    EXPECT_EQ(0, gone.Size(1));
    EXPECT_EQ(0, gone.NumberOfElements());

    const int dims3[3] = {2, 3, 4};
    const mwMatrix cube(mclCreateNumericArray(3, dims3, mxDOUBLE_CLASS, mxREAL), 1);
    int out[3] = {-1, -1, -1};
    EXPECT_EQ(3, cube.GetDimensions(out, 2));
    EXPECT_EQ(2, out[0]);
    EXPECT_EQ(12, out[1]);
    EXPECT_EQ(-1, out[2]);
    EXPECT_EQ(2, m.GetDimensions(out, 3));
    EXPECT_EQ((std::vector<int>{2, 3, 1}), std::vector<int>(out, out + 3));

    const mwMatrix zeroByThree(0, 3, mwMatrix::kZeros);
    EXPECT_FALSE(zeroByThree.IsEmpty()) << "only a matrix with every extent 0 is empty";
    EXPECT_TRUE(mwMatrix(0, 0, mwMatrix::kZeros).IsEmpty());
}

TEST_F(MatrixValue, ConversionToDouble)
{
    EXPECT_EQ(0.0, static_cast<double>(mwMatrix(0, 5, mwMatrix::kOnes)));
    EXPECT_EQ(7.0, static_cast<double>(mwMatrix(7)));
    EXPECT_EQ(3.0, static_cast<double>(mwMatrix(3.0, 1e-20))) << "tiny imaginary parts ignored";
    EXPECT_EQ(65.0, static_cast<double>(mwMatrix("A"))) << "characters read as 16-bit integers";
    try
    {
        (void)static_cast<double>(mwMatrix(2, 1, mwMatrix::kOnes));
        FAIL();
    }
    catch (const mwDomainError& e)
    {
        EXPECT_STREQ("Only 1-by-1 matrices can be cast to doubles. Matrix is 2-by-1.", e.Message());
        EXPECT_EQ(607, e.Line());
    }
    try
    {
        (void)static_cast<double>(mwMatrix(3.0, 1.0));
        FAIL();
    }
    catch (const mwDomainError& e)
    {
        EXPECT_STREQ("Only non-complex matrices can be cast to doubles.", e.Message());
        EXPECT_EQ(614, e.Line());
    }
    mxArray* cell = mclCreateCellMatrix(1, 1);
    try
    {
        (void)static_cast<double>(mwMatrix(cell, 1));
        FAIL();
    }
    catch (const mwLogicError& e)
    {
        EXPECT_EQ(644, e.Line());
    }
}

TEST_F(MatrixValue, ElementAccessChecksTheRange)
{
    double re[6] = {1, 2, 3, 4, 5, 6};
    double im[6] = {-1, -2, -3, -4, -5, -6};
    const mwMatrix m(2, 3, re, im, 1);
    struct Case
    {
        int index;
        bool valid;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{6, true}, Case{7, false}})
    {
        SCOPED_TRACE(c.index);
        if (c.valid)
        {
            double imag = 0.0;
            EXPECT_EQ(re[c.index - 1], m.RealElement(c.index));
            EXPECT_EQ(re[c.index - 1], m.Element(&imag, c.index));
            EXPECT_EQ(im[c.index - 1], imag);
            continue;
        }
        try
        {
            m.RealElement(c.index);
            FAIL();
        }
        catch (const mwDomainError& e)
        {
            EXPECT_EQ(std::string(mwFormatMessage("Index (%d) out of range (1:6).", c.index)),
                      e.Message());
            EXPECT_EQ(702, e.Line());
        }
        EXPECT_THROW(m.Element(nullptr, c.index), mwDomainError);
    }
    double imag = 9.0;
    EXPECT_EQ(1.0, mwMatrix(1.0).Element(&imag, 1));
    EXPECT_EQ(0.0, imag) << "a real matrix has imaginary parts 0";
}

TEST_F(MatrixValue, BlockConstructorsAndCopies)
{
    const int ints[4] = {1, -2, 3, -4};
    const unsigned short shorts[4] = {1, 65535, 3, 4};
    double out[4];
    mwMatrix(2, 2, ints, nullptr).CopyRealTo(out);
    EXPECT_EQ(-4.0, out[3]);
    mwMatrix(2, 2, shorts, shorts).CopyRealTo(out);
    EXPECT_EQ(65535.0, out[1]);
    EXPECT_TRUE(mxIsComplex(mwMatrix(2, 2, shorts, shorts).GetData()));

    auto* given = static_cast<double*>(mclMalloc(2 * sizeof(double)));
    given[0] = 1.5;
    given[1] = -2.5;
    const mwMatrix handed(1, 2, given, nullptr, 0);
    EXPECT_EQ(given, mclGetPr(handed.GetData())) << "copy 0 hands the block over";

    double truncated[4] = {1.9, -1.9, std::nan(""), 1e20};
    int ints2[4];
    mwMatrix(1, 4, truncated, nullptr, 1).CopyIntTo(ints2);
    EXPECT_EQ((std::vector<int>{1, -1, 0, INT_MAX}), std::vector<int>(ints2, ints2 + 4));

    double re[2], im[2] = {7, 7};
    handed.CopyComplexTo(re, im);
    EXPECT_EQ(-2.5, re[1]);
    EXPECT_EQ(7.0, im[0]) << "a real matrix leaves im untouched";

    mwMatrix* clone = mwMatrix(1.0, 2.0).Clone(0, 1);
    EXPECT_EQ(0.0, mclGetPr(clone->GetData())[0]) << "an unselected real block reads as 0";
    EXPECT_EQ(2.0, mclGetPi(clone->GetData())[0]);
    delete clone;
}

TEST_F(MatrixValue, MakeComplexKeepsExistingImaginaryParts)
{
    mwMatrix real = row({1, 2});
    real.MakeComplex();
    ASSERT_TRUE(mxIsComplex(real.GetData()));
    EXPECT_EQ(0.0, mclGetPi(real.GetData())[1]);
    mwMatrix complex(1.0, 5.0);
    complex.MakeComplex();
    EXPECT_EQ(5.0, mclGetPi(complex.GetData())[0]);
}

TEST_F(MatrixValue, ConstructorByKind)
{
    struct Case
    {
        int kind;
        double first;
        double sum; // NaN: not checked (random kinds)
    };
    const Case cases[] = {{mwMatrix::kEye, 1, 3},       {mwMatrix::kOnes, 1, 9},
                          {mwMatrix::kZeros, 0, 0},     {mwMatrix::kRand, NAN, NAN},
                          {mwMatrix::kRandn, NAN, NAN}, {mwMatrix::kMagic, 8, 45}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        const mwMatrix m(3, 3, c.kind);
        EXPECT_EQ(3, m.Size(1));
        EXPECT_EQ(3, m.Size(2));
        const double* pr = mclGetPr(m.GetData());
        if (!std::isnan(c.sum))
        {
            EXPECT_EQ(c.first, pr[0]);
            EXPECT_EQ(c.sum, std::accumulate(pr, pr + 9, 0.0));
        }
    }
    const mwMatrix negative(-1, 3, mwMatrix::kOnes);
    EXPECT_EQ(mxDOUBLE_CLASS, mxGetClassID(negative.GetData()));
    EXPECT_EQ(0, negative.Size(2));
    EXPECT_EQ(nullptr, mwMatrix(2, 2, 6).GetRef()) << "an unknown kind makes no record";
    EXPECT_THROW(mwMatrix(65536, 65536, mwMatrix::kZeros), mwRuntimeError)
        << "more elements than the run-time can count";
}

TEST_F(MatrixValue, MatchesValue)
{
    struct Case
    {
        mwMatrix m;
        double v;
        int all;
        int expected;
    };
    const Case cases[] = {
        {row({2, 2}), 2, 5, 5},
        {row({2, 3}), 2, 1, 0},
        {row({2, 3}), 3, 0, 1},
        {row({2, 3}), 4, 0, 0},
        {mwMatrix(0, 0, mwMatrix::kZeros), 0, 1, 0},
        {mwMatrix("ab"), 97, 0, 0}, // no real block
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.m.MatchesValue(c.v, c.all)) << c.v << " " << c.all;
}

TEST_F(MatrixValue, CompanionFunctions)
{
    EXPECT_EQ(std::numeric_limits<double>::epsilon(), static_cast<double>(eps()));
    const mwMatrix e = empty();
    EXPECT_EQ(mxDOUBLE_CLASS, mxGetClassID(e.GetData()));
    EXPECT_TRUE(e.IsEmpty());
    warning(mwMatrix("careful"));
    EXPECT_EQ((std::vector<std::string>{"WARNING: careful\n"}), printed());
    warning();
    EXPECT_EQ(1u, printed().size()) << "no message, no warning";
}
