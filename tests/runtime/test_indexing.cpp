#include "fixture.h"

#include <functional>

using namespace testing_runtime;

namespace
{
// An index definition over subscripts that the test keeps alive.
class Index
{
public:
    Index() { mclInitIndex(&m_def); }
    ~Index() { mclDestroyIndexDef(&m_def, 0); }
    Index(const Index&) = delete;
    Index& operator=(const Index&) = delete;

    Index& paren(std::vector<const mxArray*> subs) { return add(mclPAREN_INDEX, subs); }
    Index& brace(std::vector<const mxArray*> subs) { return add(mclBRACE_INDEX, subs); }
    mclIndexDef* def() { return &m_def; }

    Array read(const mxArray* a) { return Array(mclComplexRef(a, &m_def)); }
    // Assigns into the array that handle holds; returns whether the handle was replaced (the
    // old array is then destroyed here, as its owner would).
    bool assign(Array& handle, const mxArray* value)
    {
        mxArray* h = handle.get();
        m_def.target = &h;
        mclComplexAssign(&m_def, value, 1);
        m_def.target = nullptr;
        if (h == handle.get())
            return false;
        handle.reset(h);
        return true;
    }
    int count(mxArray* a)
    {
        m_def.target = &a;
        return mclGetNumberOfIndexedElements(&m_def);
    }

private:
    Index& add(int kind, std::vector<const mxArray*> subs)
    {
        std::vector<mxArray*> list;
        for (const mxArray* s : subs)
            list.push_back(const_cast<mxArray*>(s));
        mclAddIndex(&m_def, kind, static_cast<int>(list.size()), list.data());
        return *this;
    }
    mclIndexDef m_def;
};

Array colon()
{
    return Array(mlfCreateColonIndex());
}

// 3-by-4 with elements 1..12 in column-major order.
Array grid()
{
    return matrix({3, 4}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
}
} // namespace

TEST_F(RuntimeTest, ReadsFollowTheShapeRules)
{
    Array a = grid();
    Array c = colon();
    Array two = scalar(2);
    Array three = scalar(3);
    Array five = scalar(5);
    Array pair = row({1, 3});
    Array pairColumn = matrix({2, 1}, {1, 3});
    Array rowSource = row({10, 20, 30, 40});
    Array mask = logicalRow({1, 0, 1, 1});
    struct Case
    {
        const char* what;
        const mxArray* source;
        std::vector<const mxArray*> subs;
        std::vector<int> dims;
        std::vector<double> values;
    };
    const Case cases[] = {
        {"a(2,3)", a.get(), {two.get(), three.get()}, {1, 1}, {8}},
        {"a(5)", a.get(), {five.get()}, {1, 1}, {5}},
        {"a(:,2)", a.get(), {c.get(), two.get()}, {3, 1}, {4, 5, 6}},
        {"a(2,:)", a.get(), {two.get(), c.get()}, {1, 4}, {2, 5, 8, 11}},
        {"a(:) is a column", rowSource.get(), {c.get()}, {4, 1}, {10, 20, 30, 40}},
        {"row(column) keeps the source orientation",
         rowSource.get(),
         {pairColumn.get()},
         {1, 2},
         {10, 30}},
        {"matrix(row) takes the subscript shape", a.get(), {pair.get()}, {1, 2}, {1, 3}},
        {"matrix(column) takes the subscript shape", a.get(), {pairColumn.get()}, {2, 1}, {1, 3}},
        {"logical mask", rowSource.get(), {mask.get()}, {1, 3}, {10, 30, 40}},
        {"a(:,[1 3]) of the columns", a.get(), {c.get(), pair.get()}, {3, 2}, {1, 2, 3, 7, 8, 9}},
    };
    for (const Case& k : cases)
    {
        Index index;
        index.paren(k.subs);
        Array r = index.read(k.source);
        EXPECT_EQ(k.dims, dimsOf(r.get())) << k.what;
        EXPECT_EQ(k.values, realsOf(r.get())) << k.what;
    }
    Array one = scalar(1);
    Index trailing;
    trailing.paren({two.get(), three.get(), one.get()});
    EXPECT_EQ(std::vector<double>{8}, realsOf(trailing.read(a.get()).get()));
}

TEST_F(RuntimeTest, NdReadsAndTheLastSubscriptCoversTheRest)
{
    Array cube = matrix({2, 2, 2}, {1, 2, 3, 4, 5, 6, 7, 8});
    Array c = colon();
    Array two = scalar(2);
    Index page;
    page.paren({c.get(), c.get(), two.get()});
    Array p = page.read(cube.get());
    EXPECT_EQ((std::vector<int>{2, 2}), dimsOf(p.get()));
    EXPECT_EQ((std::vector<double>{5, 6, 7, 8}), realsOf(p.get()));
    Array three = scalar(3);
    Index folded;
    folded.paren({two.get(), three.get()}); // second subscript spans dimensions 2 and 3
    EXPECT_EQ(std::vector<double>{6}, realsOf(folded.read(cube.get()).get()));
}

TEST_F(RuntimeTest, ReadErrors)
{
    Array a = grid();
    Array zero = scalar(0);
    Array half = scalar(1.5);
    Array far = scalar(13);
    Array five = scalar(5);
    Array one = scalar(1);
    Array cell(mclCreateCellMatrix(1, 1));
    const std::pair<std::vector<const mxArray*>, std::string> cases[] = {
        {{zero.get()}, "Subscript indices must either be real positive integers or logicals."},
        {{half.get()}, "Subscript indices must either be real positive integers or logicals."},
        {{far.get()}, "Index exceeds matrix dimensions."},
        {{one.get(), five.get()}, "Index exceeds matrix dimensions."},
        {{cell.get()}, "Function 'subsindex' is not defined for values of class 'cell'."},
    };
    for (const auto& [subs, text] : cases)
    {
        Index index;
        index.paren(subs);
        EXPECT_EQ(text, errorOf([&] { index.read(a.get()); }));
    }
    Index brace;
    brace.brace({one.get()});
    EXPECT_EQ("Cell contents reference from a non-cell array object.",
              errorOf([&] { brace.read(a.get()); }));
}

TEST_F(RuntimeTest, AssignmentInPlaceKeepsTheHandle)
{
    Array a = grid();
    Array two = scalar(2);
    Array value = scalar(-1);
    Index index;
    index.paren({two.get(), two.get()});
    EXPECT_FALSE(index.assign(a, value.get()));
    EXPECT_EQ(-1, realsOf(a.get())[4]);
}

TEST_F(RuntimeTest, AssignmentPastTheEndGrows)
{
    // Appending a row to a k-by-4 parameter matrix, starting from the empty matrix.
    Array p(mclCreateDoubleMatrix(0, 0, mxREAL));
    Array c = colon();
    for (int k = 1; k <= 3; ++k)
    {
        Array next = scalar(k);
        Array rowValue = row({10.0 * k, 1, 2, 3});
        Index index;
        index.paren({next.get(), c.get()});
        EXPECT_TRUE(index.assign(p, rowValue.get())) << "growth replaces the array";
    }
    EXPECT_EQ((std::vector<int>{3, 4}), dimsOf(p.get()));
    EXPECT_EQ((std::vector<double>{10, 20, 30, 1, 1, 1, 2, 2, 2, 3, 3, 3}), realsOf(p.get()));

    Array v = row({1, 2});
    Array five = scalar(5);
    Array seven = scalar(7);
    Index linear;
    linear.paren({five.get()});
    EXPECT_TRUE(linear.assign(v, seven.get()));
    EXPECT_EQ((std::vector<double>{1, 2, 0, 0, 7}), realsOf(v.get()));
    Array column = matrix({2, 1}, {1, 2});
    linear.assign(column, seven.get());
    EXPECT_EQ((std::vector<int>{5, 1}), dimsOf(column.get()));

    Array a = grid();
    Array four = scalar(4);
    Array six = scalar(6);
    Index both;
    both.paren({four.get(), six.get()});
    both.assign(a, seven.get());
    EXPECT_EQ((std::vector<int>{4, 6}), dimsOf(a.get()));
    EXPECT_EQ(5, realsOf(a.get())[5]) << "old elements keep their row and column";
    EXPECT_EQ(7, realsOf(a.get())[23]);
    EXPECT_EQ("In an assignment  A(I) = B, a matrix A cannot be resized.",
              errorOf(
                  [&]
                  {
                      Index far;
                      Array at = scalar(100);
                      far.paren({at.get()});
                      far.assign(a, seven.get());
                  }));
}

TEST_F(RuntimeTest, AssignmentIntoMarkerArraysReplacesThem)
{
    Array fromMarker(mclGetUninitializedArray());
    Array two = scalar(2);
    Array value = scalar(9);
    Index index;
    index.paren({two.get()});
    EXPECT_TRUE(index.assign(fromMarker, value.get()));
    EXPECT_EQ((std::vector<double>{0, 9}), realsOf(fromMarker.get()));
    EXPECT_EQ(mxUNINITIALIZED_CLASS, mxGetClassID(mclGetUninitializedArray()));
    EXPECT_EQ(0, mxGetNumberOfElements(mclGetUninitializedArray()));
}

TEST_F(RuntimeTest, AssignmentShapesMustAgree)
{
    Array a = grid();
    Array c = colon();
    Array one = scalar(1);
    Array pair = row({1, 2});
    Array three = row({7, 8, 9});
    Array threeColumn = matrix({3, 1}, {7, 8, 9});
    struct Case
    {
        std::vector<const mxArray*> subs;
        const mxArray* value;
        std::string error;
    };
    const Case cases[] = {
        {{pair.get()},
         three.get(),
         "In an assignment  A(I) = B, the number of elements in B and I must be the same."},
        {{c.get(), one.get()}, pair.get(), "Subscripted assignment dimension mismatch."},
        {{c.get(), one.get()}, three.get(), ""}, // a row into a column: only extents count
        {{c.get(), one.get()}, threeColumn.get(), ""},
        {{pair.get(), pair.get()}, one.get(), ""},
    };
    for (const Case& k : cases)
    {
        Index index;
        index.paren(k.subs);
        EXPECT_EQ(k.error, errorOf([&] { index.assign(a, k.value); }));
    }
}

TEST_F(RuntimeTest, LogicalAndColonAssignment)
{
    Array a = row({1, 5, 2, 7});
    Array two = scalar(2);
    Array mask(mlfGt(a.get(), two.get()));
    Array zero = scalar(0);
    Index index;
    index.paren({mask.get()});
    index.assign(a, zero.get());
    EXPECT_EQ((std::vector<double>{1, 0, 2, 0}), realsOf(a.get()));
    Array c = colon();
    Index all;
    all.paren({c.get()});
    Array values = matrix({4, 1}, {4, 3, 2, 1});
    all.assign(a, values.get());
    EXPECT_EQ((std::vector<int>{1, 4}), dimsOf(a.get())) << "A(:) = B keeps the shape of A";
    EXPECT_EQ((std::vector<double>{4, 3, 2, 1}), realsOf(a.get()));
}

TEST_F(RuntimeTest, ClassesOnAssignment)
{
    Array s(mclCreateString("abc"));
    Array two = scalar(2);
    Array letter(mclCreateString("X"));
    Index index;
    index.paren({two.get()});
    index.assign(s, letter.get());
    char text[8];
    mclGetString(s.get(), text, sizeof text);
    EXPECT_STREQ("aXc", text);

    Array d = row({1, 2});
    Array z(mlfComplexScalar(0, 1));
    index.assign(d, z.get());
    EXPECT_TRUE(mxIsComplex(d.get()));
    EXPECT_EQ((std::vector<double>{0, 1}), imagsOf(d.get()));

    Array cell(mclCreateCellMatrix(1, 2));
    EXPECT_EQ("Conversion to cell from double is not possible.",
              errorOf([&] { index.assign(cell, two.get()); }));
    Array flags = logicalRow({1, 0});
    index.assign(flags, two.get());
    EXPECT_FALSE(mxIsLogical(flags.get())) << "a double stored into a logical array";
}

TEST_F(RuntimeTest, DeletionWithANullValue)
{
    Array c = colon();
    Array two = scalar(2);
    Array one = scalar(1);
    Array pair = row({1, 3});
    struct Case
    {
        const char* what;
        std::vector<const mxArray*> subs;
        std::vector<int> dims;
        std::vector<double> values;
        std::string error;
    };
    const Case cases[] = {
        {"a(:,2) = []", {c.get(), two.get()}, {3, 3}, {1, 2, 3, 7, 8, 9, 10, 11, 12}, ""},
        {"a([1 3],:) = []", {pair.get(), c.get()}, {1, 4}, {2, 5, 8, 11}, ""},
        {"a([1 3]) = [] gives a row", {pair.get()}, {1, 10}, {2, 4, 5, 6, 7, 8, 9, 10, 11, 12}, ""},
        {"a(:) = []", {c.get()}, {0, 0}, {}, ""},
        {"a(1,2) = []",
         {one.get(), two.get()},
         {},
         {},
         "A null assignment can have only one non-colon index."},
    };
    for (const Case& k : cases)
    {
        Array a = grid();
        Index index;
        index.paren(k.subs);
        EXPECT_EQ(k.error, errorOf([&] { index.assign(a, nullptr); })) << k.what;
        if (!k.error.empty())
            continue;
        EXPECT_EQ(k.dims, dimsOf(a.get())) << k.what;
        EXPECT_EQ(k.values, realsOf(a.get())) << k.what;
    }
    Array column = matrix({3, 1}, {1, 2, 3});
    Index index;
    index.paren({two.get()});
    index.assign(column, nullptr);
    EXPECT_EQ((std::vector<int>{2, 1}), dimsOf(column.get())) << "a column stays a column";
    Array far = scalar(9);
    Index beyond;
    beyond.paren({far.get()});
    EXPECT_EQ("Index of element to remove exceeds matrix dimensions.",
              errorOf([&] { beyond.assign(column, nullptr); }));
}

TEST_F(RuntimeTest, CellsAndCommaLists)
{
    Array one = scalar(1);
    Array three = scalar(3);
    Array cells(mlfCell(one.get(), three.get(), nullptr));
    EXPECT_EQ((std::vector<int>{1, 3}), dimsOf(cells.get()));
    Array two = scalar(2);
    Array value = row({4, 5});
    Index second;
    second.brace({two.get()});
    EXPECT_FALSE(second.assign(cells, value.get()));
    Array got = second.read(cells.get());
    EXPECT_EQ((std::vector<double>{4, 5}), realsOf(got.get()));

    Array c = colon();
    Index all;
    all.brace({c.get()});
    Array list = all.read(cells.get());
    EXPECT_TRUE(mclIsCommaList(list.get()));
    EXPECT_EQ(3, mxGetNumberOfElements(list.get()));
    mxArray* unpacked[3] = {};
    EXPECT_EQ(3, mclUnpackCommaList(unpacked, list.get(), 0, 1));
    EXPECT_EQ((std::vector<double>{4, 5}), realsOf(unpacked[1]));
    for (mxArray* u : unpacked)
        mxDestroyArray(u);

    Index paren;
    paren.paren({two.get()});
    Array sub = paren.read(cells.get());
    EXPECT_TRUE(mxIsCell(sub.get()));

    // c{2}(2) = 9 reaches into the cell's contents.
    Index nested;
    nested.brace({two.get()}).paren({two.get()});
    Array nine = scalar(9);
    nested.assign(cells, nine.get());
    Array inner = second.read(cells.get());
    EXPECT_EQ((std::vector<double>{4, 9}), realsOf(inner.get()));

    Array five = scalar(5);
    Index grow;
    grow.brace({five.get()});
    grow.assign(cells, nine.get());
    EXPECT_EQ((std::vector<int>{1, 5}), dimsOf(cells.get()));
    EXPECT_EQ(nullptr, mclGetCell(cells.get(), 3)) << "growth fills with empty cells";

    Array numbers = row({1, 2});
    EXPECT_EQ("Cell contents assignment to a non-cell array object.",
              errorOf([&] { second.assign(numbers, nine.get()); }));
    EXPECT_EQ(static_cast<void*>(mclGetCells(cells.get())), mclGetData(cells.get()));
}

TEST_F(RuntimeTest, MultiAssignDistributesAndTakesOver)
{
    Array cells(mclCreateCellMatrix(1, 2));
    Array range = row({1, 2, 3});
    Index index;
    index.brace({range.get()});
    mxArray* values[3] = {mlfScalar(1), mlfScalar(2), mlfScalar(3)};
    mxArray* h = cells.get();
    index.def()->target = &h;
    EXPECT_EQ(3, mclGetNumberOfIndexedElements(index.def()));
    mclMultiAssign(index.def(), values, 3);
    cells.reset(h == cells.get() ? cells.release() : h);
    for (mxArray* v : values)
        EXPECT_EQ(nullptr, v) << "every value is taken over";
    EXPECT_EQ(3, mxGetNumberOfElements(cells.get()));
    EXPECT_EQ(std::vector<double>{3}, realsOf(mclGetCell(cells.get(), 2)));

    mxArray* few[1] = {mlfScalar(1)};
    h = cells.get();
    EXPECT_EQ("Too many output arguments.", errorOf([&] { mclMultiAssign(index.def(), few, 1); }));
    EXPECT_NE(nullptr, few[0]) << "nothing is taken when the values do not suffice";
    mxDestroyArray(few[0]);

    Array numbers = row({0, 0});
    Index pair;
    Array both = row({1, 2});
    pair.paren({both.get()});
    mxArray* scalars[2] = {mlfScalar(7), mlfScalar(8)};
    h = numbers.get();
    pair.def()->target = &h;
    mclMultiAssign(pair.def(), scalars, 2);
    EXPECT_EQ((std::vector<double>{7, 8}), realsOf(numbers.get()));
}

TEST_F(RuntimeTest, CountsOfIndexedElements)
{
    Array a = grid();
    Array c = colon();
    Array pair = row({1, 2});
    Array mask = logicalRow({1, 0, 1, 1});
    struct Case
    {
        std::vector<const mxArray*> subs;
        int count;
    };
    const Case cases[] = {{{c.get(), pair.get()}, 6},
                          {{c.get()}, 12},
                          {{mask.get()}, 3},
                          {{pair.get(), mask.get()}, 6}};
    for (const Case& k : cases)
    {
        Index index;
        index.paren(k.subs);
        EXPECT_EQ(k.count, index.count(a.get()));
    }
}

TEST_F(RuntimeTest, CopiedDefinitionsAreIndependent)
{
    Array a = grid();
    Array two = scalar(2);
    Index original;
    original.paren({two.get()});
    mclIndexDef copy;
    mclCopyIndexDef(&copy, original.def());
    Array three = scalar(3);
    mxArray* subs[1] = {three.get()};
    mclAddIndex(&copy, mclPAREN_INDEX, 1, subs);
    EXPECT_EQ(std::vector<double>{2}, realsOf(original.read(a.get()).get()));
    EXPECT_EQ("Index exceeds matrix dimensions.",
              errorOf([&] { discard(mclComplexRef(a.get(), &copy)); }));
    mclDestroyIndexDef(&copy, 0);
}

TEST_F(RuntimeTest, SizeAndEnd)
{
    Array cube = matrix({2, 3, 4}, std::vector<double>(24, 0.0));
    mxArray* in[3] = {cube.get(), nullptr, nullptr};
    mxArray* out[3] = {};
    mlxSize(1, out, 1, in);
    EXPECT_EQ((std::vector<double>{2, 3, 4}), realsOf(out[0]));
    mxDestroyArray(out[0]);
    mlxSize(2, out, 1, in);
    EXPECT_EQ(std::vector<double>{2}, realsOf(out[0]));
    EXPECT_EQ(std::vector<double>{12}, realsOf(out[1]));
    mxDestroyArray(out[0]);
    mxDestroyArray(out[1]);
    Array three = scalar(3);
    Array five = scalar(5);
    in[1] = five.get();
    mlxSize(1, out, 2, in);
    EXPECT_EQ(std::vector<double>{1}, realsOf(out[0]));
    mxDestroyArray(out[0]);

    Array two = scalar(2);
    in[1] = two.get();
    in[2] = two.get();
    mlxEnd(1, out, 3, in);
    EXPECT_EQ(std::vector<double>{12}, realsOf(out[0])) << "end of the last subscript";
    mxDestroyArray(out[0]);
    in[2] = three.get();
    mlxEnd(1, out, 3, in);
    EXPECT_EQ(std::vector<double>{3}, realsOf(out[0]));
    mxDestroyArray(out[0]);
    Array zero = scalar(0);
    in[1] = zero.get();
    EXPECT_EQ("Dimension argument must be a positive integer scalar within indexing range.",
              errorOf([&] { mlxSize(1, out, 2, in); }));
}
