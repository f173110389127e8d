// Matrix printing to a stream: the layouts, the coefficient trace, and values that used to
// stop the printing.
#include "matrix_fixture.h"
#include "values.h"

#include <sstream>

using namespace matrix_values;

namespace
{
using Printing = MatrixTest;

std::string printedText(const mwMatrix& m, int precision = 6)
{
    std::ostringstream out;
    out.precision(precision);
    out << m;
    return out.str();
}
} // namespace

TEST_F(Printing, StreamLayouts)
{
    EXPECT_EQ("  [\n    1.50000  -2.25000 ;\n    3.00000   4.00000\n  ]\n\n",
              printedText(matrixOf(2, 2, {1.5, 3, -2.25, 4})));
    EXPECT_EQ("[]", printedText(matrixOf(0, 3, {})));
    EXPECT_EQ("'it''s'", printedText(mwMatrix("it's")));
    EXPECT_EQ("  [\n    1.500\n  ]\n\n", printedText(mwMatrix(1.5), 4));
    EXPECT_EQ("", printedText(mwMatrix()));
    EXPECT_NE(std::string(), messageOf<mwRuntimeError>([] { printedText(mwUnassigned); }));
}

TEST_F(Printing, CoefficientRowsNeverStopTheTrace)
{
    for (const std::vector<double>& row : std::vector<std::vector<double>>{
             {1.0, -9.999996, 0.5}, {-10, 2, 1}, {100, -100, 0.5}, {-0.0, -1e-300, 1e300}})
    {
        std::ostringstream trace;
        EXPECT_NO_THROW(trace << "*p_mwCoeff = " << rowOf(row));
        EXPECT_EQ(0u, trace.str().find("*p_mwCoeff = "));
    }
    EXPECT_EQ("  [\n  -10.00000   1.50000\n  ]\n\n", printedText(rowOf({-9.999996, 1.5})));
}

TEST_F(Printing, CellsPrintThroughTheStreamAndTheHandlerComesBack)
{
    mxArray* cell = mclCreateCellMatrix(1, 2);
    mclSetCell(cell, 0, mlfScalar(5));
    mclSetCell(cell, 1, mclCreateString("dB"));
    const mwMatrix c(cell, 1);
    const mwPrintHandler before = mwGetPrintHandler();
    EXPECT_EQ("    [5]    'dB'\n\n", printedText(c));
    EXPECT_EQ(before, mwGetPrintHandler());
    EXPECT_TRUE(printed().empty()) << "nothing went to the print handler";
}

TEST_F(Printing, ThreeDimensionalPages)
{
    const int dims[3] = {1, 1, 2};
    mxArray* a = mclCreateNumericArray(3, dims, mxDOUBLE_CLASS, mxREAL);
    mclGetPr(a)[0] = 1;
    mclGetPr(a)[1] = 2;
    const std::string page = "  [\n         %\n  ]\n\n";
    EXPECT_EQ("[\n(:,:,1) = \n  [\n         1\n  ]\n\n(:,:,2) = \n  [\n         2\n  ]\n\n]\n",
              printedText(mwMatrix(a, 1)));
}
