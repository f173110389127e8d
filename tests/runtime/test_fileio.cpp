// Text files: identifiers, lines, the repeating read format that stops quietly, formatted
// writing to files and to the print handler, disp and error.
#include "library_test.h"
#include "tests/support/CommaLocale.h"
#include "tests/support/NonRegularFiles.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <unistd.h>

using namespace libtest;

namespace
{
class TextFiles : public Library
{
protected:
    void SetUp() override
    {
        Library::SetUp();
        dir_ = std::filesystem::temp_directory_path() /
               ("morvane_fileio_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        Library::TearDown();
        std::filesystem::remove_all(dir_);
    }

    std::string write(const std::string& name, const std::string& content)
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    Array open(const std::string& path, const char* mode = nullptr)
    {
        Array name = text(path.c_str());
        if (!mode)
            return call(mlxFopen, {name.get()});
        return call(mlxFopen, {name.get(), text(mode).get()});
    }

    // All numbers fscanf reads from the content after two header lines.
    std::vector<double> scanAfterHeader(const std::string& content, const char* format)
    {
        Array fid = open(write("points.txt", content));
        Array(mlfFgetl(fid.get()));
        Array(mlfFgetl(fid.get()));
        Array d = call(mlxFscanf, {fid.get(), text(format).get()});
        call(mlxFclose, {fid.get()});
        EXPECT_TRUE(mxIsEmpty(d.get()) || mxGetN(d.get()) == 1) << "one column";
        return reals(d.get());
    }

    std::filesystem::path dir_;
};
} // namespace

TEST_F(TextFiles, OpenFailureGivesMinusOneAndAMessage)
{
    mxArray* out[2] = {nullptr, nullptr};
    Array name = text((dir_ / "missing.txt").string().c_str());
    mxArray* in[1] = {name.get()};
    mlxFopen(2, out, 1, in);
    Array fid(out[0]), message(out[1]);
    EXPECT_LE(reals(fid.get())[0], 0.0);
    EXPECT_FALSE(mclText(message.get()).empty());
    EXPECT_THROW(open(write("x.txt", ""), "rq"), RuntimeError);
    EXPECT_THROW(Array(mlfFgetl(fid.get())), RuntimeError) << "reading from -1 raises";
    EXPECT_THROW(call(mlxFclose, {scalar(99).get()}), RuntimeError);
}

TEST_F(TextFiles, OpeningForReadingRefusesWhatIsNoRegularFileWithoutWaiting)
{
    const std::vector<std::string> paths = MakeNonRegularFiles(dir_.string());
    for (const std::string& path : paths)
        for (const char* mode : {"r", "rt", "r+"})
        {
            double fid = 0.0;
            std::string message;
            ASSERT_TRUE(ReturnsWithoutWaiting(
                [&]
                {
                    mxArray* out[2] = {nullptr, nullptr};
                    Array name = text(path.c_str());
                    Array permission = text(mode);
                    mxArray* in[2] = {name.get(), permission.get()};
                    mlxFopen(2, out, 2, in);
                    Array id(out[0]), said(out[1]);
                    fid = reals(id.get())[0];
                    message = mclText(said.get());
                },
                paths))
                << path << " " << mode;
            EXPECT_EQ(fid, -1.0) << path << " " << mode;
            EXPECT_EQ(message, "Not a regular file.") << path << " " << mode;
        }
}

TEST_F(TextFiles, LinesComeWithoutTheirEndsAndMinusOneAtTheEnd)
{
    Array fid = open(write("lines.txt", "first\r\n\nlast"));
    EXPECT_GE(reals(fid.get())[0], 3.0);
    EXPECT_EQ("first", mclText(Array(mlfFgetl(fid.get())).get()));
    Array blank(mlfFgetl(fid.get()));
    EXPECT_TRUE(mxIsChar(blank.get()));
    EXPECT_TRUE(mxIsEmpty(blank.get()));
    EXPECT_EQ("last", mclText(Array(mlfFgetl(fid.get())).get()));
    Array end(mlfFgetl(fid.get()));
    EXPECT_FALSE(mxIsChar(end.get()));
    EXPECT_EQ(-1.0, reals(end.get())[0]);
    EXPECT_EQ(0.0, reals(call(mlxFclose, {fid.get()}).get())[0]);
    EXPECT_THROW(call(mlxFclose, {fid.get()}), RuntimeError) << "closed twice";
}

TEST_F(TextFiles, RepeatingFormatStopsQuietlyAtTheFirstMismatch)
{
    const std::string header = "Title 1 2\nFreq, dB\n";
    const struct
    {
        const char* what;
        std::string body;
        const char* format;
        std::vector<double> want;
    } cases[] = {
        {"two columns", "100, -3\n200, 6\n", "%g, %g", {100, -3, 200, 6}},
        {"no blank after the comma", "100,-3\n200,6", "%g, %g", {100, -3, 200, 6}},
        {"a text third line", "More header\n100, -3\n", "%g, %g", {}},
        {"three columns read as two", "100, -3, 45\n200, 6, 90\n", "%g, %g", {100, -3}},
        {"two columns read as three", "100, -3\n200, 6\n", "%g, %g, %g", {100, -3}},
        {"blank before the comma", "100 , -3\n", "%g, %g", {100}},
        {"exponents and signs", "+1.5e3, -.25\n1E-2,7.\n", "%g, %g", {1500, -0.25, 0.01, 7}},
        {"stops inside a point", "100, -3\n200, x\n", "%g, %g", {100, -3, 200}},
        {"three columns",
         "1000, 0, 90\n1000, 20, 180\n",
         "%g, %g, %g",
         {1000, 0, 90, 1000, 20, 180}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, scanAfterHeader(header + c.body, c.format)) << c.what;
}

TEST_F(TextFiles, ScanningKnowsNonFiniteNumbersIntegersTextAndSizes)
{
    const std::vector<double> special = scanAfterHeader("a\nb\nInf, -inf\nNaN, 2\n", "%g, %g");
    ASSERT_EQ(4u, special.size());
    EXPECT_EQ(std::numeric_limits<double>::infinity(), special[0]);
    EXPECT_EQ(-std::numeric_limits<double>::infinity(), special[1]);
    EXPECT_TRUE(std::isnan(special[2]));
    EXPECT_EQ(std::vector<double>({12, 3}), scanAfterHeader("a\nb\n12 3.5", "%d"));

    Array fid = open(write("mixed.txt", "abc def\n1 2 3 4 5 6 7\n"));
    Array word = call(mlxFscanf, {fid.get(), text("%s").get(), scalar(1).get()});
    EXPECT_TRUE(mxIsChar(word.get()));
    EXPECT_EQ("a", mclText(word.get()));
    Array rest = call(mlxFscanf, {fid.get(), text("%s").get()});
    EXPECT_EQ("bcdef1234567", mclText(rest.get()));
    call(mlxFclose, {fid.get()});

    fid = open(write("grid.txt", "1 2 3 4 5 6 7\n"));
    Array shaped = call(mlxFscanf, {fid.get(), text("%g").get(), row({2, 2}).get()});
    EXPECT_EQ(std::vector<int>({2, 2}), dims(shaped.get()));
    EXPECT_EQ(std::vector<double>({1, 2, 3, 4}), reals(shaped.get()));
    mxArray* out[2] = {nullptr, nullptr};
    Array format = text("%g");
    Array size = row({2, std::numeric_limits<double>::infinity()});
    mxArray* in[3] = {fid.get(), format.get(), size.get()};
    mlxFscanf(2, out, 3, in);
    Array values(out[0]), count(out[1]);
    EXPECT_EQ(std::vector<int>({2, 2}), dims(values.get())) << "padded to whole columns";
    EXPECT_EQ(std::vector<double>({5, 6, 7, 0}), reals(values.get()));
    EXPECT_EQ(3.0, reals(count.get())[0]);
    EXPECT_EQ(-1.0, reals(Array(mlfFgetl(fid.get())).get())[0]) << "everything was read";
    call(mlxFclose, {fid.get()});
}

TEST_F(TextFiles, ScanningLeavesThePositionAfterTheLastMatch)
{
    Array fid = open(write("tail.txt", "1, 2\n3, 4\nEnd of data\n"));
    EXPECT_EQ(std::vector<double>({1, 2, 3, 4}),
              reals(call(mlxFscanf, {fid.get(), text("%g, %g").get()}).get()));
    EXPECT_EQ("End of data", mclText(Array(mlfFgetl(fid.get())).get()));
    call(mlxFclose, {fid.get()});
}

TEST_F(TextFiles, FormattedWritingToAFileRepeatsTheFormat)
{
    const std::string path = (dir_ / "out.txt").string();
    Array fid = open(path, "wt");
    Array values = matrix(2, 2, {1, 2, 3, 4});
    Array bytes = call(mlxFprintf, {fid.get(), text("%d: %6.3f\\n").get(), values.get()});
    call(mlxFprintf,
         {fid.get(), text("%s=%g %d %d %d|").get(), text("gain").get(), scalar(-0.5).get(),
          scalar(1.5).get(), scalar(std::numeric_limits<double>::infinity()).get(),
          scalar(std::nan("")).get()});
    call(mlxFprintf, {fid.get(), text("100%% done\\t%c\\n").get(), scalar('x').get()});
    call(mlxFclose, {fid.get()});
    EXPECT_EQ("1:  2.000\n3:  4.000\ngain=-0.5 1.500000e+00 Inf NaN|100% done\tx\n", read(path));
    EXPECT_EQ(20.0, reals(bytes.get())[0]);
}

TEST_F(TextFiles, ArgumentsRunningOutEndTheOutput)
{
    PrintCapture capture;
    call(mlxFprintf, {text("[%d %d]").get(), row({1, 2, 3}).get()});
    EXPECT_EQ("[1 2][3 ", capture.text());
    capture.text().clear();
    call(mlxFprintf, {text("no values %d here\\n").get()});
    EXPECT_EQ("no values  here\n", capture.text());
    capture.text().clear();
    call(mlxFprintf, {scalar(1).get(), text("%5.2f|%-4d|%x").get(), row({3.14159, 7, 255}).get()});
    EXPECT_EQ(" 3.14|7   |ff", capture.text());
}

TEST_F(TextFiles, FieldWidthsAndPrecisionsStayBounded)
{
    PrintCapture capture;
    call(mlxFprintf, {text("%*d|%.99999f|%-*.*f").get(), row({1e12, 7, 0.5, -3e9, -2e9, 1}).get()});
    EXPECT_LT(capture.text().size(), 40000u);
    EXPECT_EQ(0u, capture.text().find(std::string(9999, ' ') + "7|0.5"));
}

TEST_F(TextFiles, NumbersUseADecimalPointWhateverTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    UseCommaLocale(LC_NUMERIC, dir_.string());
    ::unsetenv("LOCPATH");
    if (std::localeconv()->decimal_point[0] != ',')
    {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma available";
    }
    PrintCapture capture;
    call(mlxFprintf, {text("%.2f %g").get(), row({1.5, 0.25}).get()});
    const std::vector<double> read = scanAfterHeader("a\nb\n2.5, 3.5", "%g, %g");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ("1.50 0.25", capture.text());
    EXPECT_EQ(std::vector<double>({2.5, 3.5}), read);
}

TEST_F(TextFiles, DispShowsTextAndValuesThroughThePrintHandler)
{
    PrintCapture capture;
    mxArray* in[1] = {nullptr};
    Array line = text("Was the first filename an input file?");
    in[0] = line.get();
    mlxDisp(0, nullptr, 1, in);
    EXPECT_EQ("Was the first filename an input file?\n", capture.text());
    capture.text().clear();
    Array empty = matrix(0, 0, {});
    in[0] = empty.get();
    mlxDisp(0, nullptr, 1, in);
    EXPECT_EQ("", capture.text());
}

TEST_F(TextFiles, ErrorRaisesItsMessageUnlessEmpty)
{
    Array empty = text("");
    mxArray* in[3] = {empty.get(), nullptr, nullptr};
    EXPECT_NO_THROW(mlxError(0, nullptr, 1, in));
    Array message = text("Input argument #2 to function f is undefined.");
    in[0] = message.get();
    try
    {
        mlxError(0, nullptr, 1, in);
        FAIL() << "error returned";
    }
    catch (const RuntimeError& e)
    {
        EXPECT_STREQ("Input argument #2 to function f is undefined.", e.what());
    }
    Array format = text("bad %s at %d");
    Array what = text("gain");
    Array where = scalar(3);
    in[0] = format.get();
    in[1] = what.get();
    in[2] = where.get();
    EXPECT_THROW(
        {
            try
            {
                mlxError(0, nullptr, 3, in);
            }
            catch (const RuntimeError& e)
            {
                EXPECT_STREQ("bad gain at 3", e.what());
                throw;
            }
        },
        RuntimeError);
}
