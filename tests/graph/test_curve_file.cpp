#include "AssertionCapture.h"

#include "framework/core/Services.h"
#include "graph/Curve.h"
#include "graph/CurveEdit.h"
#include "graph/CurveFile.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <ostream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<std::uint8_t>;

// Little-endian encoders written out by hand, independent of the code under test.
void PutInt(Bytes& b, std::int32_t v)
{
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(u >> (8 * i)));
}

void PutDouble(Bytes& b, double v)
{
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i)
        b.push_back(std::uint8_t(u >> (8 * i)));
}

struct RecordSpec
{
    std::int32_t n = 2;
    std::int32_t width = 2;
    std::vector<CDoublePoint> masters;
    std::int32_t masterMode = 0;
    std::int32_t colour = 0x0000FF;
    // Point i where given, (i, 10 i) otherwise; the window ymax, xmin, ymin, xmax.
    std::vector<CDoublePoint> points;
    std::array<double, 4> window{20.0, 0.0, -20.0, 10.0};
};

// One curve record: point i at (i, 10 i) unless given, canvas points (7, 7).
Bytes Record(const RecordSpec& s)
{
    Bytes b;
    PutInt(b, 1);            // create value 1
    PutInt(b, 0);            // create value 2
    PutInt(b, s.masterMode); // master-point mode
    PutInt(b, s.n);
    for (double v : s.window) // ymax, xmin, ymin, xmax
        PutDouble(b, v);
    for (int i = 0; i < s.n; ++i)
    {
        const CDoublePoint p = std::size_t(i) < s.points.size() ? s.points[std::size_t(i)]
                                                                : CDoublePoint{double(i), 10.0 * i};
        PutDouble(b, p.x);
        PutDouble(b, p.y);
    }
    for (int i = 0; i < s.n; ++i)
    {
        PutInt(b, 7);
        PutInt(b, 7);
    }
    for (std::int32_t v : {3, 4, s.width, 0, s.colour, 1, 1, std::int32_t(s.masters.size())})
        PutInt(b, v);
    for (const CDoublePoint& p : s.masters)
    {
        PutDouble(b, p.x);
        PutDouble(b, p.y);
    }
    return b;
}

Bytes FileOf(const std::vector<Bytes>& records, int count = INT_MIN)
{
    Bytes b;
    PutInt(b, count == INT_MIN ? int(records.size()) : count);
    for (const Bytes& r : records)
        b.insert(b.end(), r.begin(), r.end());
    return b;
}

const CRect kArea{220, 2780, 4000, 220};
const CDoubleRect kWindow{20.0, 0.0, -20.0, 10.0};

class CurveFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("morvane_crv_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        Services::SetFileDialogs(&dialogs);
        Services::SetWorkingDirectory(&workingDirectory);
    }
    void TearDown() override
    {
        Services::SetFileDialogs(nullptr);
        Services::SetWorkingDirectory(nullptr);
        fs::remove_all(dir);
    }

    std::string Path(const char* name) const { return (dir / name).string(); }

    void WriteBytes(const std::string& path, const Bytes& bytes) const
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    Bytes ReadBytes(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    static void MakeCurve(CCurve& curve, int n, int width, double yOffset)
    {
        curve.Create(n, width, PS_SOLID, RGB(0, 128, 255), 2, 9, 1, 0, true, true, "Curve");
        for (int i = 0; i < n; ++i)
            curve.m_pDblPt[i] = {i * 0.05, i + yOffset};
        curve.LayoutInRect(kArea, &kWindow);
    }

    fs::path dir;
    CScriptedFileDialogs dialogs;
    CMemoryWorkingDirectory workingDirectory{"/start/here"};
    AssertionCapture checks;
};
} // namespace

TEST_F(CurveFileTest, AFileBuiltByteByByteReadsBack)
{
    RecordSpec a;
    a.n = 3;
    a.width = 5;
    a.masters = {{1, 2}, {3, 4}};
    RecordSpec b;
    b.n = 2;
    b.width = 1;
    WriteBytes(Path("built.crv"), FileOf({Record(a), Record(b)}));

    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    ASSERT_TRUE(CCurveFile::ReadCurves(Path("built.crv"), 2, kArea, kWindow, curves, &error))
        << error;
    ASSERT_EQ(2u, curves.size());
    const CCurve& c = *curves[0];
    EXPECT_EQ(3, c.GetTotalPoints());
    EXPECT_EQ((CDoublePoint{2, 20}), c.m_pDblPt[2]);
    EXPECT_EQ(3, c.GetKind());
    EXPECT_EQ(4, c.GetTag());
    EXPECT_EQ(2, c.GetLineWidth()); // 5 is capped
    EXPECT_EQ(1, curves[1]->GetLineWidth());
    EXPECT_EQ(COLORREF(0xFF), c.GetColor());
    EXPECT_EQ((CDoubleRect{20, 0, -20, 10}), c.GetDataWindow());
    ASSERT_EQ(2, c.GetMasterPointCount());
    EXPECT_EQ((CDoublePoint{1, 2}), c.GetMasterPoint(0));
    EXPECT_EQ((CDoublePoint{3, 4}), c.GetMasterPoint(1));
    EXPECT_EQ(1, c.m_MasterPointMode.IsOn()); // master points turn the mode on
    // The canvas points of the file (7, 7) are replaced by the reader's layout.
    EXPECT_EQ(c.DataToLogical(c.m_pDblPt[1]), c.GetLogicalPoints()[1]);
    EXPECT_NE((CPoint{7, 7}), c.GetLogicalPoints()[1]);
}

TEST_F(CurveFileTest, ThreeCurvesWriteTheExactBytes)
{
    CCurve curves[3];
    for (int i = 0; i < 3; ++i)
        MakeCurve(curves[i], 100, 2, i);
    std::string error;
    ASSERT_TRUE(
        CCurveFile::WriteCurves(Path("three.crv"), {&curves[0], &curves[1], &curves[2]}, &error))
        << error;
    const Bytes bytes = ReadBytes(Path("three.crv"));
    ASSERT_EQ(4u + 3u * 2480u, bytes.size());

    Bytes expected;
    PutInt(expected, 3);
    for (const CCurve& c : curves)
    {
        for (std::int32_t v : {1, 0, 0, 100})
            PutInt(expected, v);
        for (double v : {20.0, 0.0, -20.0, 10.0})
            PutDouble(expected, v);
        for (int i = 0; i < 100; ++i)
        {
            PutDouble(expected, c.m_pDblPt[i].x);
            PutDouble(expected, c.m_pDblPt[i].y);
        }
        for (int i = 0; i < 100; ++i)
        {
            PutInt(expected, c.GetLogicalPoints()[i].x);
            PutInt(expected, c.GetLogicalPoints()[i].y);
        }
        for (std::int32_t v : {2, 9, 2, 0, std::int32_t(RGB(0, 128, 255)), 1, 1, 0})
            PutInt(expected, v);
    }
    EXPECT_EQ(expected, bytes);
}

TEST_F(CurveFileTest, MasterPointsAddSixteenBytesEachAndKeepTheirOrder)
{
    CCurve plain, withMasters;
    MakeCurve(plain, 10, 2, 0);
    MakeCurve(withMasters, 10, 2, 0);
    withMasters.AddMasterPoint({5, 6});
    withMasters.AddMasterPoint({1, 2});
    ASSERT_TRUE(CCurveFile::WriteCurves(Path("a.crv"), {&plain}, nullptr));
    ASSERT_TRUE(CCurveFile::WriteCurves(Path("b.crv"), {&withMasters}, nullptr));
    EXPECT_EQ(fs::file_size(Path("a.crv")) + 32, fs::file_size(Path("b.crv")));

    std::vector<std::unique_ptr<CCurve>> back;
    ASSERT_TRUE(CCurveFile::ReadCurves(Path("b.crv"), 1, kArea, kWindow, back, nullptr));
    ASSERT_EQ(2, back[0]->GetMasterPointCount());
    EXPECT_EQ((CDoublePoint{5, 6}), back[0]->GetMasterPoint(0));
    EXPECT_EQ((CDoublePoint{1, 2}), back[0]->GetMasterPoint(1));
}

TEST_F(CurveFileTest, EveryTruncationIsReportedAndLeavesTheCurvesAlone)
{
    RecordSpec a;
    a.masters = {{1, 1}};
    const Bytes whole = FileOf({Record(a), Record(RecordSpec{})});
    std::vector<std::unique_ptr<CCurve>> curves;
    curves.push_back(std::make_unique<CCurve>());
    CCurve* const original = curves[0].get();
    for (std::size_t length = 0; length < whole.size(); ++length)
    {
        WriteBytes(Path("cut.crv"), Bytes(whole.begin(), whole.begin() + long(length)));
        std::string error;
        EXPECT_FALSE(CCurveFile::ReadCurves(Path("cut.crv"), 0, kArea, kWindow, curves, &error))
            << "length " << length;
        EXPECT_FALSE(error.empty());
        ASSERT_EQ(1u, curves.size());
        EXPECT_EQ(original, curves[0].get());
    }
}

struct BadFile
{
    const char* name;
    Bytes bytes;
    const char* errorPart;
};

class CurveFileBad : public CurveFileTest, public ::testing::WithParamInterface<int>
{
};

namespace
{
std::vector<BadFile> BadFiles()
{
    RecordSpec noPoints;
    noPoints.n = 0;
    RecordSpec negative;
    negative.n = -5;
    Bytes negativeMasters = Record(RecordSpec{});
    negativeMasters.resize(negativeMasters.size() - 4);
    PutInt(negativeMasters, -1);
    Bytes hugeMasters = Record(RecordSpec{});
    hugeMasters.resize(hugeMasters.size() - 4);
    PutInt(hugeMasters, 0x7FFFFFFF);
    Bytes trailing = FileOf({Record(RecordSpec{})});
    trailing.push_back(0);
    return {
        {"zero count", FileOf({Record(RecordSpec{})}, 0), "holds no curves"},
        {"negative count", FileOf({Record(RecordSpec{})}, -3), "holds no curves"},
        {"count beyond the file", FileOf({Record(RecordSpec{})}, 1000000), "too short"},
        {"record without points", FileOf({Record(RecordSpec{}), Record(noPoints)}),
         "curve 2: a curve record has no points"},
        {"negative point count", FileOf({Record(RecordSpec{}), Record(negative)}), "no points"},
        {"single record without points", FileOf({Record(noPoints)}), "too short"},
        {"negative master count", FileOf({negativeMasters}), "negative"},
        {"master count beyond the file", FileOf({hugeMasters}), "ends inside"},
        {"bytes after the last record", trailing, "more than"},
        {"fewer records than the count", FileOf({Record(RecordSpec{}), Record(RecordSpec{})}, 3),
         "too short"},
    };
}
} // namespace

TEST_P(CurveFileBad, IsRefusedWithAClearMessage)
{
    const BadFile bad = BadFiles()[std::size_t(GetParam())];
    WriteBytes(Path("bad.crv"), bad.bytes);
    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    EXPECT_FALSE(CCurveFile::ReadCurves(Path("bad.crv"), 0, kArea, kWindow, curves, &error))
        << bad.name;
    EXPECT_NE(std::string::npos, error.find(bad.errorPart)) << bad.name << ": " << error;
    EXPECT_NE(std::string::npos, error.find("bad.crv")) << error;
    EXPECT_TRUE(curves.empty());
    if (std::string(bad.errorPart).find("no points") != std::string::npos)
    {
        EXPECT_TRUE(checks.reported("m_lTotalPoints > 0"));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CurveFileBad, ::testing::Range(0, int(BadFiles().size())));

namespace
{
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A value a curve file cannot hold, and where in the second record it is put: a point's x
// (the log10 of its Hz) or y (dB), a master point's, or the window's xmin.
struct BadValue
{
    const char* name;
    double value;
    enum EWhere
    {
        PointX,
        PointY,
        MasterX,
        MasterY,
        Window,
    } where;
};

const char* const kBounds =
    " is not a frequency from 0.001 Hz to 10 MHz with a level from -1000 dB to 1000 dB";

std::string Reason(const BadValue& v)
{
    switch (v.where)
    {
    case BadValue::PointX:
    case BadValue::PointY:
        return std::string("curve 2: point 2") + kBounds + ".";
    case BadValue::MasterX:
    case BadValue::MasterY:
        return std::string("curve 2: master point 1") + kBounds + ".";
    case BadValue::Window:
        break;
    }
    return "curve 2: its data window holds a value that is no finite number.";
}

RecordSpec WithBadValue(const BadValue& v)
{
    RecordSpec s;
    s.n = 3;
    s.points = {{0.0, 0.0}, {1.0, 10.0}, {2.0, 20.0}};
    s.masters = {{1.0, 10.0}};
    switch (v.where)
    {
    case BadValue::PointX:
        s.points[1].x = v.value;
        break;
    case BadValue::PointY:
        s.points[1].y = v.value;
        break;
    case BadValue::MasterX:
        s.masters[0].x = v.value;
        break;
    case BadValue::MasterY:
        s.masters[0].y = v.value;
        break;
    case BadValue::Window:
        s.window[1] = v.value;
        break;
    }
    return s;
}
} // namespace

class CurveFileBadValue : public CurveFileTest, public ::testing::WithParamInterface<BadValue>
{
};

// Every value of a record that is no finite number or lies beyond what a response holds
// refuses the whole file, naming the curve and the point; the curves asked for stay.
TEST_P(CurveFileBadValue, RefusesTheFileAndNamesThePoint)
{
    const BadValue& v = GetParam();
    WriteBytes(Path("bad.crv"), FileOf({Record(RecordSpec{}), Record(WithBadValue(v))}));
    std::vector<std::unique_ptr<CCurve>> curves;
    curves.push_back(std::make_unique<CCurve>());
    CCurve* const original = curves[0].get();
    std::string error;
    EXPECT_FALSE(CCurveFile::ReadCurves(Path("bad.crv"), 0, kArea, kWindow, curves, &error));
    EXPECT_EQ("The curve file \"" + Path("bad.crv") + "\" is damaged: " + Reason(v), error);
    ASSERT_EQ(1u, curves.size());
    EXPECT_EQ(original, curves[0].get());
}

INSTANTIATE_TEST_SUITE_P(
    Values, CurveFileBadValue,
    ::testing::Values(BadValue{"NanFrequency", kNan, BadValue::PointX},
                      BadValue{"InfFrequency", kInf, BadValue::PointX},
                      BadValue{"MinusInfFrequency", -kInf, BadValue::PointX},
                      // 1e308 Hz: its log10 is 308 decades.
                      BadValue{"HugeFrequency", 308.0, BadValue::PointX},
                      BadValue{"BelowAThousandthHz", -3.5, BadValue::PointX},
                      BadValue{"NanLevel", kNan, BadValue::PointY},
                      BadValue{"InfLevel", kInf, BadValue::PointY},
                      BadValue{"MinusInfLevel", -kInf, BadValue::PointY},
                      BadValue{"HugeLevel", 1e300, BadValue::PointY},
                      BadValue{"LevelJustBelowMinus1000", -1000.001, BadValue::PointY},
                      BadValue{"NanMasterFrequency", kNan, BadValue::MasterX},
                      BadValue{"HugeMasterFrequency", 308.0, BadValue::MasterX},
                      BadValue{"InfMasterLevel", kInf, BadValue::MasterY},
                      BadValue{"HugeMasterLevel", 1e300, BadValue::MasterY},
                      BadValue{"NanWindow", kNan, BadValue::Window},
                      BadValue{"InfWindow", kInf, BadValue::Window},
                      BadValue{"MinusInfWindow", -kInf, BadValue::Window}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurveFileTest, TheEdgesOfWhatAResponseHoldsAreRead)
{
    RecordSpec edges;
    edges.n = 2;
    edges.points = {{-3.0, -1000.0}, {7.0, 1000.0}};
    edges.masters = {{-3.0, 1000.0}, {7.0, -1000.0}};
    edges.window = {1e300, -1e300, -1e300, 1e300};
    WriteBytes(Path("edges.crv"), FileOf({Record(edges)}));
    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    ASSERT_TRUE(CCurveFile::ReadCurves(Path("edges.crv"), 1, kArea, kWindow, curves, &error))
        << error;
    EXPECT_EQ((CDoublePoint{7.0, 1000.0}), curves[0]->m_pDblPt[1]);
}

// A curve holding what no file may hold is not written, and the older file stays byte for
// byte; the message names the curve and the point.
TEST_F(CurveFileTest, ACurveOfValuesNoFileHoldsIsNotWritten)
{
    const std::string path = Path("kept.crv");
    const Bytes older = FileOf({Record(RecordSpec{}), Record(RecordSpec{})});
    WriteBytes(path, older);
    for (const double bad : {kNan, kInf, -kInf, 1e300})
    {
        CCurve good, curve;
        MakeCurve(good, 4, 2, 0);
        MakeCurve(curve, 4, 2, 0);
        curve.m_pDblPt[2].y = bad;
        std::string error;
        EXPECT_FALSE(CCurveFile::WriteCurves(path, {&good, &curve}, &error));
        EXPECT_EQ("The curve file \"" + path + "\" was not saved: curve 2: point 3" + kBounds +
                      ", and a file holding it would not open again.",
                  error);
        EXPECT_EQ(older, ReadBytes(path)) << bad;

        CCurve master;
        MakeCurve(master, 4, 2, 0);
        master.AddMasterPoint({bad, 1.0});
        EXPECT_FALSE(CCurveFile::WriteCurves(path, {&master}, &error));
        EXPECT_NE(std::string::npos, error.find("curve 1: master point 1")) << error;
        EXPECT_EQ(older, ReadBytes(path)) << bad;
    }
}

namespace
{
// Frequencies (the log10 of the Hz) of a curve's points, and the point that goes backwards
// (0 for none).
struct OrderCase
{
    const char* name;
    std::vector<double> x;
    int nBackward;
};

void PrintTo(const OrderCase& c, std::ostream* os)
{
    *os << c.name;
}

class CurveFileOrder : public CurveFileTest, public ::testing::WithParamInterface<OrderCase>
{
};
} // namespace

// Frequencies that rise or stay (a step drawn upright) are read and written; one that goes
// back refuses the file where it comes in, naming the point, and is never written.
TEST_P(CurveFileOrder, FrequenciesNeverGoBackwards)
{
    const OrderCase& c = GetParam();
    RecordSpec spec;
    spec.n = std::int32_t(c.x.size());
    for (std::size_t i = 0; i < c.x.size(); ++i)
        spec.points.push_back({c.x[i], 80.0 + double(i)});
    WriteBytes(Path("order.crv"), FileOf({Record(RecordSpec{}), Record(spec)}));
    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    const bool bRead = CCurveFile::ReadCurves(Path("order.crv"), 2, kArea, kWindow, curves, &error);
    const std::string problem =
        "point " + std::to_string(c.nBackward) + " lies at a lower frequency than point " +
        std::to_string(c.nBackward - 1) + ": the frequencies of a curve must not go backwards";
    if (c.nBackward == 0)
        EXPECT_TRUE(bRead) << error;
    else
    {
        EXPECT_FALSE(bRead);
        EXPECT_EQ("The curve file \"" + Path("order.crv") + "\" is damaged: curve 2: " + problem +
                      ".",
                  error);
    }

    const std::string path = Path("kept.crv");
    const Bytes older = FileOf({Record(RecordSpec{})});
    WriteBytes(path, older);
    CCurve curve;
    MakeCurve(curve, int(c.x.size()), 2, 80.0);
    for (std::size_t i = 0; i < c.x.size(); ++i)
        curve.m_pDblPt[i].x = c.x[i];
    error.clear();
    EXPECT_EQ(c.nBackward == 0, CCurveFile::WriteCurves(path, {&curve}, &error)) << error;
    if (c.nBackward != 0)
    {
        EXPECT_EQ("The curve file \"" + path + "\" was not saved: curve 1: " + problem +
                      ", and a file holding it would not open again.",
                  error);
        EXPECT_EQ(older, ReadBytes(path));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Points, CurveFileOrder,
    ::testing::Values(OrderCase{"Rising", {0.0, 1.0, 2.0}, 0}, OrderCase{"OnePoint", {1.0}, 0},
                      OrderCase{"Step", {0.0, 1.0, 1.0, 2.0}, 0},
                      OrderCase{"StepAtTheStart", {1.0, 1.0, 2.0}, 0},
                      OrderCase{"StepAtTheEnd", {0.0, 2.0, 2.0}, 0},
                      OrderCase{"AllAtOneFrequency", {1.0, 1.0, 1.0}, 0},
                      OrderCase{"BackwardThenEqual", {-0.4998, -0.5, -0.5, 1.94}, 2},
                      OrderCase{"BackwardAtTheEnd", {0.0, 1.0, 2.0, 1.5}, 4},
                      OrderCase{"BackwardByOneUlp", {1.0, std::nextafter(1.0, 0.0)}, 2},
                      OrderCase{"Falling", {2.0, 1.0, 0.0}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CurveFileTest, ReadingAnUnexpectedNumberOfCurvesIsRefused)
{
    WriteBytes(Path("two.crv"), FileOf({Record(RecordSpec{}), Record(RecordSpec{})}));
    std::vector<std::unique_ptr<CCurve>> curves;
    std::string error;
    EXPECT_FALSE(CCurveFile::ReadCurves(Path("two.crv"), 3, kArea, kWindow, curves, &error));
    EXPECT_NE(std::string::npos, error.find("3 are expected")) << error;
}

TEST_F(CurveFileTest, ABadRecordLeavesTheCurveUnchanged)
{
    RecordSpec bad;
    bad.n = 3;
    Bytes bytes = FileOf({Record(bad)});
    bytes.resize(bytes.size() - 1);
    WriteBytes(Path("short.crv"), bytes);
    CCurve curve;
    MakeCurve(curve, 4, 2, 0);
    curve.AddMasterPoint({1, 1});
    std::string path = Path("short.crv");
    CCurveFile file;
    int count = 0;
    ASSERT_TRUE(file.OpenForRead(path));
    ASSERT_TRUE(file.ReadCount(&count));
    EXPECT_FALSE(file.ReadCurve(&curve, &kArea, &kWindow));
    EXPECT_NE(std::string::npos, file.GetError().find("curve 1")) << file.GetError();
    EXPECT_EQ(4, curve.GetTotalPoints());
    EXPECT_EQ(1, curve.GetMasterPointCount());
    EXPECT_EQ(1, curve.m_PointsAreValidMode.IsOn());
    file.Close();
}

TEST_F(CurveFileTest, AFailedSaveLeavesTheExistingFileUntouched)
{
    const Bytes old = {1, 2, 3};
    WriteBytes(Path("keep.crv"), old);
    CCurve good, invalid;
    MakeCurve(good, 5, 2, 0);
    invalid.Create(5, 2, PS_SOLID, 0, 0, 0, 1, 0, true, true, "never laid out");
    std::string error;
    EXPECT_FALSE(CCurveFile::WriteCurves(Path("keep.crv"), {&good, &invalid}, &error));
    EXPECT_NE(std::string::npos, error.find("curve 2")) << error;
    EXPECT_EQ(old, ReadBytes(Path("keep.crv")));

    // Through the single steps: a count that does not match the records.
    std::string path = Path("keep.crv");
    CCurveFile file;
    const int three = 3;
    ASSERT_TRUE(file.OpenForWrite(path));
    ASSERT_TRUE(file.WriteCount(&three));
    ASSERT_TRUE(file.WriteCurve(&good));
    EXPECT_FALSE(file.Close());
    EXPECT_NE(std::string::npos, file.GetError().find("3 curves were announced and 1 written"));
    EXPECT_EQ(old, ReadBytes(Path("keep.crv")));

    // An invalid curve in between, and an abandoned save.
    {
        CCurveFile abandoned;
        const int one = 1;
        ASSERT_TRUE(abandoned.OpenForWrite(path));
        abandoned.WriteCount(&one);
        EXPECT_FALSE(abandoned.WriteCurve(&invalid));
        EXPECT_TRUE(checks.reported("FALSE"));
        EXPECT_FALSE(abandoned.Close());
    }
    EXPECT_EQ(old, ReadBytes(Path("keep.crv")));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), fs::directory_iterator()))
        << "no temporary file is left behind";
}

TEST_F(CurveFileTest, ASaveIntoAMissingFolderIsReported)
{
    CCurve good;
    MakeCurve(good, 5, 2, 0);
    std::string error;
    EXPECT_FALSE(CCurveFile::WriteCurves(Path("no/such/folder.crv"), {&good}, &error));
    EXPECT_NE(std::string::npos, error.find("not saved")) << error;
}

TEST_F(CurveFileTest, ZeroCountIsNotWritten)
{
    std::string path = Path("zero.crv");
    CCurveFile file;
    const int zero = 0;
    ASSERT_TRUE(file.OpenForWrite(path));
    EXPECT_FALSE(file.WriteCount(&zero));
    EXPECT_TRUE(checks.reported("FALSE"));
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(CurveFileTest, AnEmptyPathAsksTheDialogAndMovesTheWorkingDirectory)
{
    std::string path;
    {
        CCurveFile file;
        dialogs.answers = {""}; // cancel
        EXPECT_FALSE(file.OpenForWrite(path));
        EXPECT_TRUE(path.empty());
    }
    ASSERT_EQ(1u, dialogs.requests.size());
    const CFileDialogRequest& request = dialogs.requests[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(".crv", request.defaultExtension);
    EXPECT_EQ("Curve Files (*.crv) |*.crv||", request.filter);
    EXPECT_EQ("/start/here", request.initialDirectory);
    EXPECT_EQ("/start/here", workingDirectory.Get());

    CCurve good;
    MakeCurve(good, 5, 2, 0);
    dialogs.answers.push_back(Path("chosen.crv"));
    CCurveFile file;
    const int one = 1;
    ASSERT_TRUE(file.OpenForWrite(path));
    EXPECT_EQ(Path("chosen.crv"), path);
    EXPECT_EQ(dir.string(), workingDirectory.Get());
    ASSERT_TRUE(file.WriteCount(&one) && file.WriteCurve(&good) && file.Close());

    dialogs.answers.push_back(Path("chosen.crv"));
    std::string readPath;
    CCurveFile reader;
    ASSERT_TRUE(reader.OpenForRead(readPath));
    EXPECT_FALSE(dialogs.requests.back().save);
    int count = 0;
    EXPECT_TRUE(reader.ReadCount(&count));
    EXPECT_EQ(1, count);
}

TEST_F(CurveFileTest, AMissingFileIsReported)
{
    std::string path = Path("absent.crv");
    CCurveFile file;
    EXPECT_FALSE(file.OpenForRead(path));
    EXPECT_NE(std::string::npos, file.GetError().find("absent.crv"));
}

TEST(CurveEdit, CopyCurveReplacesMasterPointsAndAttributes)
{
    CCurve source, dest;
    source.Create(3, 4, PS_DASH, 0, 1, 2, 0, 5, false, false, "source");
    for (int i = 0; i < 3; ++i)
        source.m_pDblPt[i] = {double(i), 2.0 * i};
    source.SetDataWindow(&kWindow);
    for (int i = 0; i < 3; ++i)
        source.AddMasterPoint({double(i), 1.0});
    for (int i = 0; i < 5; ++i)
        dest.AddMasterPoint({9, 9});
    ASSERT_TRUE(CCurveEdit::CopyCurve(&source, &dest, RGB(1, 2, 3), 7, 8, "copy"));
    EXPECT_EQ(3, dest.GetMasterPointCount());
    EXPECT_EQ(3, dest.GetTotalPoints());
    EXPECT_EQ(4, dest.GetLineWidth());
    EXPECT_EQ(PS_SOLID, dest.GetPenStyle());
    EXPECT_EQ(RGB(1, 2, 3), dest.GetColor());
    EXPECT_EQ(7, dest.GetKind());
    EXPECT_EQ(8, dest.GetTag());
    EXPECT_EQ("copy", dest.GetName());
    EXPECT_TRUE(dest.IsVisible());
    EXPECT_EQ(1, dest.GetCreateValue1());
    EXPECT_EQ(0, dest.GetCreateValue2());
    EXPECT_EQ(kWindow, dest.GetDataWindow());
    EXPECT_EQ(1, dest.m_PointsAreValidMode.IsOn());
    EXPECT_EQ(3, dest.GetClippedCount());
    EXPECT_TRUE(CCurveEdit::HaveSameX(&source, &dest));

    ASSERT_TRUE(CCurveEdit::CopyCurve(&dest, &dest, 0, 1, 1, "self"));
    EXPECT_EQ((CDoublePoint{2, 4}), dest.m_pDblPt[2]);
    EXPECT_EQ(3, dest.GetMasterPointCount());
}

TEST(CurveEdit, ResampleInterpolatesAndHoldsTheEnds)
{
    CCurve grid, source, dest;
    grid.Create(4, 2, PS_SOLID, 0, 0, 0, 1, 0, true, true, "grid");
    const double xs[4] = {-1.0, 1.5, 2.0, 9.0};
    for (int i = 0; i < 4; ++i)
        grid.m_pDblPt[i] = {xs[i], 0};
    grid.SetDataWindow(&kWindow);
    source.Create(3, 2, PS_SOLID, RGB(9, 9, 9), 5, 6, 1, 0, true, true, "file");
    source.m_pDblPt[0] = {1, 10};
    source.m_pDblPt[1] = {2, 20};
    source.m_pDblPt[2] = {3, 0};
    EXPECT_FALSE(CCurveEdit::HaveSameX(&grid, &source));
    ASSERT_TRUE(CCurveEdit::ResampleCurve(&grid, &source, &dest, "Desired Response Curve"));
    EXPECT_EQ(4, dest.GetTotalPoints());
    const double expected[4] = {10.0, 15.0, 20.0, 0.0};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_DOUBLE_EQ(xs[i], dest.m_pDblPt[i].x);
        EXPECT_DOUBLE_EQ(expected[i], dest.m_pDblPt[i].y) << i;
    }
    EXPECT_EQ(RGB(9, 9, 9), dest.GetColor());
    EXPECT_EQ(5, dest.GetKind());
    EXPECT_EQ(6, dest.GetTag());
    EXPECT_EQ("Desired Response Curve", dest.GetName());
    EXPECT_EQ(0, dest.GetMasterPointCount());
}

// A source whose points share a frequency is resampled as it is drawn: beside the step on
// the line that leaves it on that side, never beyond the levels of its points.
TEST(CurveEdit, ResampleFollowsAStepAsItIsDrawn)
{
    CCurve grid, source, dest;
    const double xs[5] = {0.5, 0.9, 1.2, 1.5, 2.5};
    grid.Create(5, 2, PS_SOLID, 0, 0, 0, 1, 0, true, true, "grid");
    for (int i = 0; i < 5; ++i)
        grid.m_pDblPt[i] = {xs[i], 0};
    grid.SetDataWindow(&kWindow);
    source.Create(4, 2, PS_SOLID, 0, 0, 0, 1, 0, true, true, "file");
    const CDoublePoint points[4] = {{0, 80}, {1, 90}, {1, 70}, {2, 74}};
    for (int i = 0; i < 4; ++i)
        source.m_pDblPt[i] = points[i];
    ASSERT_TRUE(CCurveEdit::ResampleCurve(&grid, &source, &dest, "Desired Response Curve"));
    const double expected[5] = {85.0, 89.0, 70.8, 72.0, 74.0};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(expected[i], dest.m_pDblPt[i].y, 1e-12) << xs[i];
}

TEST(CurveEdit, CopyMasterPointsFromACurveWithoutAnyEmptiesTheDestination)
{
    CCurve source, dest;
    dest.AddMasterPoint({1, 1});
    EXPECT_FALSE(CCurveEdit::CopyMasterPoints(&source, &dest));
    EXPECT_EQ(0, dest.GetMasterPointCount());
    source.AddMasterPoint({2, 2});
    EXPECT_TRUE(CCurveEdit::CopyMasterPoints(&source, &dest));
    EXPECT_EQ((CDoublePoint{2, 2}), dest.GetMasterPoint(0));
}
