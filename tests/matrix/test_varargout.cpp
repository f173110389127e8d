// Variable output lists: single-output mode, targets, errors and storage growth.
#include "matrix_fixture.h"
#include "values.h"

using namespace matrix_values;

namespace
{
using OutputLists = MatrixTest;

// Calls size through a list as the size wrapper does.
mwMatrix sizeThrough(mwOutputList list, const mwMatrix& x)
{
    const int nargout = list.NumberOfOutputs();
    mwSlots<mxArray*> outs(nargout);
    for (int i = 0; i < nargout; ++i)
        outs[i] = nullptr;
    mxArray* in[1] = {x.GetData()};
    mlxSize(nargout, outs.Data(), 1, in);
    list.Fill(nargout, outs.Data());
    return list.First();
}
} // namespace

TEST_F(OutputLists, TheDefaultListAsksForOneOutput)
{
    const mwOutputList list;
    EXPECT_EQ(1, list.NumberOfOutputs());
    const mwMatrix s = sizeThrough(mwOutputList(), matrixOf(2, 3, {}));
    EXPECT_EQ((std::vector<double>{2, 3}), realsOf(s));
    EXPECT_EQ(1, s.GetRef()->Count()) << "the list's destruction left the result alone";

    mwOutputList uninitialized;
    mxArray* none[1] = {nullptr};
    uninitialized.Fill(1, none);
    EXPECT_FALSE(uninitialized.First().IsInitialized());
}

TEST_F(OutputLists, TargetsReceiveOutputsInOrder)
{
    mwMatrix a, b, c;
    mwMatrix x = rowOf({0, 0, 0});
    mwSubMatrix part = x(2);
    const mwOutputList list(a, part, c);
    EXPECT_EQ(3, list.NumberOfOutputs());
    const mwMatrix first = sizeThrough(list, matrixOf(4, 5, {}));
    EXPECT_EQ(first.GetRef(), a.GetRef()) << "the result is the first target's value";
    EXPECT_EQ(std::vector<double>{4}, realsOf(a));
    EXPECT_EQ((std::vector<double>{0, 5, 0}), realsOf(x));
    EXPECT_EQ(std::vector<double>{1}, realsOf(c));

    mwOutputList short_(a, b, c);
    mxArray* two[2] = {mlfScalar(1), mlfScalar(2)};
    EXPECT_EQ("Too many output arguments.",
              messageOf<mwRuntimeError>([&] { short_.Fill(2, two); }));
    EXPECT_EQ(std::vector<double>{1}, realsOf(a)) << "targets before the failing one are assigned";
    EXPECT_EQ(std::vector<double>{2}, realsOf(b));
    EXPECT_EQ(nullptr, two[1]);
}

TEST_F(OutputLists, AMultiOutputTargetNeverClearsSlotsBeyondTheBuffer)
{
    mwMatrix x = rowOf({0, 0, 0});
    mwSubMatrix part = x(rowOf({1, 2, 3}));
    mwMatrix first;
    mwOutputList list(first, mwOutputTarget(part, 3));
    EXPECT_EQ(4, list.NumberOfOutputs());
    mxArray* outs[3] = {mlfScalar(1), mlfScalar(2), mlfScalar(3)}; // one output short
    EXPECT_EQ("Too many output arguments.", messageOf<mwRuntimeError>([&] { list.Fill(3, outs); }));
    EXPECT_EQ(nullptr, outs[0]);
    EXPECT_NE(nullptr, outs[1]) << "values the part could not use stay with the caller";
    mxDestroyArray(outs[1]);
    mxDestroyArray(outs[2]);
}

TEST_F(OutputLists, StorageGrowsPastTenTargets)
{
    mwMatrix targets[11];
    mwOutputList list(targets[0], targets[1], targets[2], targets[3], targets[4], targets[5],
                      targets[6], targets[7], targets[8], targets[9]);
    EXPECT_EQ(10, list.Capacity());
    list.AddTarget(targets[10]);
    EXPECT_EQ(20, list.Capacity());
    EXPECT_EQ(11, list.NumberOfOutputs());
    EXPECT_EQ(0, list.AddTarget(mwNoOutputTarget));
    const mwOutputList stopped(targets[0], mwNoOutputTarget, targets[1]);
    EXPECT_EQ(1, stopped.Count());
    const mwOutputList extended(stopped, targets[2]);
    EXPECT_EQ(2, extended.NumberOfOutputs());
}

TEST_F(OutputLists, DistributingACellNeedsEnoughElements)
{
    mwMatrix a, b;
    mwOutputList list(a, b);
    mxArray* cell = mclCreateCellMatrix(1, 1);
    mclSetCell(cell, 0, mlfScalar(3));
    list.SetCell(mwMatrix(cell, 1));
    EXPECT_EQ("Too many output arguments.",
              messageOf<mwRuntimeError>([&] { list.DistributeCell(); }));
    EXPECT_FALSE(a.IsInitialized()) << "nothing is assigned";

    mwOutputList one(a);
    mxArray* cells = mclCreateCellMatrix(1, 2);
    mclSetCell(cells, 0, mlfScalar(5));
    one.SetCell(mwMatrix(cells, 1));
    EXPECT_EQ(std::vector<double>{5}, realsOf(one.DistributeCell()));
}
