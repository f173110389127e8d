// The point file readers: the layouts they accept, where the data ends, and the files they
// refuse with a clear error.
#include "PrintCapture.h"
#include "Response.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/MatrixValues.h"
#include "numerics/UserAbortException.h"
#include "numerics/filio81.h"
#include "numerics/filio_p81.h"

#include "tests/support/NonRegularFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace numerics;
using response::ErrorOf;
using response::Row;

namespace
{
mwLibraryInit s_libraryInit;

class PointFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("morvane_points_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& text)
    {
        const std::filesystem::path path = m_dir / ("points" + std::to_string(m_count++) + ".txt");
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    std::filesystem::path m_dir;
    int m_count = 0;
};

struct CRead
{
    std::vector<double> freq;
    mwMatrix response;
    double count = -1;
};

// A reader's three outputs for the file at path.
template <typename Reader> CRead Read(const Reader& reader, const std::string& path)
{
    CRead r;
    mwMatrix count;
    r.freq = Row(reader(&r.response, &count, path.c_str()));
    r.count = double(count);
    return r;
}

CRead Filio81(const std::string& path)
{
    return Read(filio81, path);
}

CRead FilioP81(const std::string& path)
{
    return Read(filio_p81, path);
}

double Magnitude(double dB)
{
    return std::pow(10.0, dB / 20.0);
}

TEST_F(PointFiles, TwoColumnLayouts)
{
    const struct
    {
        const char* text;
        std::vector<double> freq;
        std::vector<double> dB;
    } cases[] = {
        {"Speaker\nFreq, dB\n100, -3\n200, 6\n", {100, 200}, {-3, 6}},
        {"Speaker\nFreq, dB\n100,-3\n200,6", {100, 200}, {-3, 6}},
        {"Speaker\r\nFreq, dB\r\n100,\t-3\r\n  200,\n6\r\n", {100, 200}, {-3, 6}},
        {"1, 2\n3, 4\n100, -3\n", {100}, {-3}},                        // headers hold numbers
        {"Speaker\nFreq, dB\nFreq, dB\n100, -3\n", {}, {}},            // a third header line
        {"Speaker\nFreq, dB\n100, -3, 45\n200, 6, 90\n", {100}, {-3}}, // three columns
        {"Speaker\nFreq, dB\n100, -3\nend\n", {100}, {-3}},
        {"Speaker\nFreq, dB\n1e2, +0.5e1\n-inf, nan\n", {100, -INFINITY}, {5, NAN}},
        {"", {}, {}},
    };
    for (const auto& c : cases)
    {
        const CRead r = Filio81(Write(c.text));
        EXPECT_EQ(c.freq, r.freq) << c.text;
        EXPECT_EQ(double(c.freq.size()), r.count) << c.text;
        const std::vector<double> magnitude =
            c.freq.empty() ? std::vector<double>() : Row(r.response);
        ASSERT_EQ(c.dB.size(), magnitude.size()) << c.text;
        for (std::size_t i = 0; i < c.dB.size(); ++i)
            if (std::isnan(c.dB[i]))
                EXPECT_TRUE(std::isnan(magnitude[i]));
            else
                EXPECT_EQ(Magnitude(c.dB[i]), magnitude[i]) << c.text;
    }
}

TEST_F(PointFiles, ThreeColumnsGiveTheComplexResponse)
{
    const CRead r = FilioP81(Write("Speaker\nFreq, dB, deg\n1000, 0, 90\n1000, 20, 180\n"));
    EXPECT_EQ((std::vector<double>{1000, 1000}), r.freq);
    EXPECT_EQ(2.0, r.count);
    const std::vector<Complex> h = ComplexValues(r.response);
    ASSERT_EQ(2u, h.size());
    EXPECT_NEAR(0.0, h[0].real(), 1e-15);
    EXPECT_NEAR(1.0, h[0].imag(), 1e-15);
    EXPECT_NEAR(-10.0, h[1].real(), 1e-14);
    EXPECT_NEAR(0.0, h[1].imag(), 1e-14);
    EXPECT_EQ(2, r.response.Size(1));
    EXPECT_EQ(1, r.response.Size(2));
}

TEST_F(PointFiles, ALastPointCutShortIsAnError)
{
    const std::string ragged2 = Write("Speaker\nFreq, dB\n100, -3\n200\n");
    EXPECT_EQ("filio81: the last point of the file \"" + ragged2 + "\" has fewer than 2 values.",
              ErrorOf([&] { Filio81(ragged2); }));
    // A blank before the comma ends the data after the number before it.
    const std::string blank = Write("Speaker\nFreq, dB\n100, -3\n200 , 6\n");
    EXPECT_EQ("filio81: the last point of the file \"" + blank + "\" has fewer than 2 values.",
              ErrorOf([&] { Filio81(blank); }));
    const std::string twoColumns = Write("Speaker\nFreq, dB\n100, -3\n200, 6\n");
    EXPECT_EQ("filio_p81: the last point of the file \"" + twoColumns +
                  "\" has fewer than 3 values.",
              ErrorOf([&] { FilioP81(twoColumns); }));
}

TEST_F(PointFiles, AFileThatCannotBeOpenedIsAnError)
{
    const std::string missing = (m_dir / "missing.txt").string();
    CPrintCapture capture;
    EXPECT_EQ("filio81: cannot open the file \"" + missing + "\" for reading.",
              ErrorOf([&] { Filio81(missing); }));
    EXPECT_EQ("", CPrintCapture::Text());
    EXPECT_EQ("filio_p81: cannot open the file \"" + missing + "\" for reading.",
              ErrorOf([&] { FilioP81(missing); }));
    EXPECT_EQ("Was the first filename an input file?\n", CPrintCapture::Text());
    const std::string folder = m_dir.string();
    EXPECT_EQ("filio81: cannot open the file \"" + folder + "\" for reading.",
              ErrorOf([&] { Filio81(folder); }));
    // The caller's matrices stay as they were.
    mwMatrix response(5.0), count(6.0);
    ErrorOf([&] { filio81(&response, &count, missing.c_str()); });
    EXPECT_EQ(5.0, double(response));
    EXPECT_EQ(6.0, double(count));
}

TEST_F(PointFiles, APipeOrDeviceIsRefusedWithoutWaiting)
{
    const std::vector<std::string> paths = MakeNonRegularFiles(m_dir.string());
    CPrintCapture capture;
    for (const std::string& path : paths)
    {
        std::string error, errorP;
        ASSERT_TRUE(ReturnsWithoutWaiting(
            [&]
            {
                error = ErrorOf([&] { Filio81(path); });
                errorP = ErrorOf([&] { FilioP81(path); });
            },
            paths))
            << path;
        EXPECT_EQ("filio81: cannot open the file \"" + path + "\" for reading.", error);
        EXPECT_EQ("filio_p81: cannot open the file \"" + path + "\" for reading.", errorP);
    }
}

TEST_F(PointFiles, OnlyFilio81IsACancellationPoint)
{
    const std::string path = Write("Speaker\nFreq, dB, deg\n100, 0, 0\n");
    g_nUserAbort = 1;
    EXPECT_THROW(Filio81(path), CUserAbortException);
    EXPECT_EQ(1.0, FilioP81(path).count);
    g_nUserAbort = 0;
}

} // namespace
