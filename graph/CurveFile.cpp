#include "graph/CurveFile.h"

#include "graph/Assert.h"
#include "graph/Curve.h"
#include "graph/FileDialog.h"
#include "graph/ResourceString.h"

namespace
{
constexpr unsigned IDS_CURVE_EXTENSION = 154;
constexpr unsigned IDS_CURVE_FILTER = 156;
// The smallest curve record: one point, no master points.
constexpr std::size_t kMinRecordBytes = 80 + 24;

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}
} // namespace

CCurveFile::CCurveFile()
    : m_strOpenDefaultExt(CResourceString(IDS_CURVE_EXTENSION)),
      m_strOpenFilter(CResourceString(IDS_CURVE_FILTER)),
      m_strSaveDefaultExt(CResourceString(IDS_CURVE_EXTENSION)),
      m_strSaveFilter(CResourceString(IDS_CURVE_FILTER))
{
}

bool CCurveFile::Fail(const std::string& text)
{
    m_strError = text;
    return false;
}

bool CCurveFile::AskPath(bool save, std::string& path, const std::string& initialName)
{
    const CFileDialogTexts texts = save ? CFileDialogTexts{m_strSaveDefaultExt, m_strSaveFilter}
                                        : CFileDialogTexts{m_strOpenDefaultExt, m_strOpenFilter};
    const std::string& defaultName = save ? m_strSaveFileName : m_strOpenFileName;
    return AskFilePath(save, texts, path, initialName.empty() ? defaultName : initialName);
}

bool CCurveFile::OpenForWrite(std::string& path, const std::string& initialName)
{
    m_strError.clear();
    if (!MORVANE_CHECK(m_State == State::Closed) || !AskPath(true, path, initialName))
        return false;
    m_strPath = path;
    m_Writer = CBinaryWriter();
    m_nCountWritten = m_nRecordsWritten = 0;
    m_bWriteFailed = false;
    m_State = State::Writing;
    return true;
}

bool CCurveFile::OpenForRead(std::string& path)
{
    m_strError.clear();
    if (!MORVANE_CHECK(m_State == State::Closed) || !AskPath(false, path))
        return false;
    std::string error;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error))
        return Fail(error);
    return OpenBytes(std::move(bytes), path);
}

bool CCurveFile::OpenBytes(std::vector<std::uint8_t> bytes, const std::string& name)
{
    if (!MORVANE_CHECK(m_State == State::Closed))
        return false;
    m_strError.clear();
    m_Bytes = std::move(bytes);
    m_strPath = name;
    m_Reader.emplace(m_Bytes);
    m_nRecordsRead = 0;
    m_State = State::Reading;
    return true;
}

bool CCurveFile::WriteCount(const int* pCount)
{
    if (!MORVANE_CHECK(m_State == State::Writing && pCount))
        return false;
    if (*pCount < 1 || m_nCountWritten != 0)
    {
        MORVANE_CHECK_FAILED();
        m_bWriteFailed = true;
        return Fail("The curve file " + Quoted(m_strPath) + " was not saved: no curves to save.");
    }
    m_Writer.WriteInt32(*pCount);
    m_nCountWritten = *pCount;
    return true;
}

bool CCurveFile::WriteCurve(const CCurve* pCurve)
{
    if (!MORVANE_CHECK(m_State == State::Writing && pCurve))
        return false;
    if (m_nCountWritten == 0 || !pCurve->Write(&m_Writer))
    {
        m_bWriteFailed = true;
        const std::string problem =
            pCurve->m_PointsAreValidMode.IsOn() ? pCurve->RecordProblem() : std::string();
        if (m_nCountWritten != 0 && !problem.empty())
            return Fail("The curve file " + Quoted(m_strPath) + " was not saved: curve " +
                        std::to_string(m_nRecordsWritten + 1) + ": " + problem +
                        ", and a file holding it would not open again.");
        return Fail("The curve file " + Quoted(m_strPath) +
                    " was not saved: a curve has no complete points.");
    }
    ++m_nRecordsWritten;
    return true;
}

bool CCurveFile::ReadCount(int* pCount)
{
    if (!MORVANE_CHECK(m_State == State::Reading && pCount))
        return false;
    std::int32_t count = 0;
    if (!m_Reader->ReadInt32(count))
        return Fail("The curve file " + Quoted(m_strPath) + " is empty or too short.");
    if (count <= 0)
    {
        MORVANE_CHECK_FAILED();
        return Fail("The curve file " + Quoted(m_strPath) + " holds no curves.");
    }
    if (std::size_t(count) > m_Reader->Remaining() / kMinRecordBytes)
        return Fail("The curve file " + Quoted(m_strPath) + " is damaged: it announces " +
                    std::to_string(count) + " curves but is too short to hold them.");
    *pCount = count;
    return true;
}

bool CCurveFile::ReadCurve(CCurve* pCurve, const CRect* pArea, const CDoubleRect* pWindow)
{
    if (!MORVANE_CHECK(m_State == State::Reading && pCurve && pArea && pWindow))
        return false;
    std::string reason;
    if (!pCurve->Read(&*m_Reader, &reason))
        return Fail("The curve file " + Quoted(m_strPath) + " is damaged: curve " +
                    std::to_string(m_nRecordsRead + 1) + ": " + reason + ".");
    ++m_nRecordsRead;
    pCurve->CapLineWidth();
    return pCurve->LayoutInRect(*pArea, pWindow);
}

bool CCurveFile::IsAtEnd() const
{
    return m_State == State::Reading && m_Reader->AtEnd();
}

bool CCurveFile::Close()
{
    const State state = m_State;
    m_State = State::Closed;
    if (state == State::Reading)
    {
        m_Reader.reset();
        m_Bytes.clear();
        return true;
    }
    if (state != State::Writing)
        return true;
    if (m_bWriteFailed)
        return false;
    if (m_nCountWritten < 1 || m_nRecordsWritten != m_nCountWritten)
        return Fail("The curve file " + Quoted(m_strPath) + " was not saved: " +
                    std::to_string(m_nCountWritten) + " curves were announced and " +
                    std::to_string(m_nRecordsWritten) + " written.");
    std::string error;
    if (!ReplaceFile(m_strPath, m_Writer.Bytes(), error))
        return Fail("The curve file was not saved. " + error);
    return true;
}

bool CCurveFile::WriteCurves(const std::string& path, const std::vector<const CCurve*>& curves,
                             std::string* pError)
{
    auto fail = [pError](const std::string& text)
    {
        if (pError)
            *pError = text;
        return false;
    };
    if (curves.empty())
        return fail("The curve file " + Quoted(path) + " was not saved: no curves to save.");
    for (std::size_t i = 0; i < curves.size(); ++i)
        if (!curves[i] || curves[i]->m_PointsAreValidMode.IsOff() ||
            curves[i]->GetTotalPoints() < 1)
            return fail("The curve file " + Quoted(path) + " was not saved: curve " +
                        std::to_string(i + 1) + " has no complete points.");
    CCurveFile file;
    std::string target = path;
    const int count = int(curves.size());
    bool ok = file.OpenForWrite(target) && file.WriteCount(&count);
    for (const CCurve* pCurve : curves)
        ok = ok && file.WriteCurve(pCurve);
    ok = file.Close() && ok;
    return ok ? true : fail(file.GetError());
}

bool CCurveFile::ReadCurves(const std::string& path, int nExpected, const CRect& area,
                            const CDoubleRect& window, std::vector<std::unique_ptr<CCurve>>& curves,
                            std::string* pError)
{
    std::string error;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, kMaxFileBytes, bytes, error))
    {
        if (pError)
            *pError = error;
        return false;
    }
    return ReadCurvesFromBytes(std::move(bytes), path, nExpected, area, window, curves, pError);
}

bool CCurveFile::ReadCurvesFromBytes(std::vector<std::uint8_t> bytes, const std::string& name,
                                     int nExpected, const CRect& area, const CDoubleRect& window,
                                     std::vector<std::unique_ptr<CCurve>>& curves,
                                     std::string* pError)
{
    CCurveFile file;
    auto fail = [&](const std::string& text)
    {
        if (pError)
            *pError = text;
        file.Close();
        return false;
    };
    int count = 0;
    if (!file.OpenBytes(std::move(bytes), name) || !file.ReadCount(&count))
        return fail(file.GetError());
    if (nExpected > 0 && count != nExpected)
        return fail("The curve file " + Quoted(name) + " holds " + std::to_string(count) +
                    " curves where " + std::to_string(nExpected) + " are expected.");
    std::vector<std::unique_ptr<CCurve>> read;
    for (int i = 0; i < count; ++i)
    {
        read.push_back(std::make_unique<CCurve>());
        if (!file.ReadCurve(read.back().get(), &area, &window))
            return fail(file.GetError());
    }
    if (!file.IsAtEnd())
        return fail("The curve file " + Quoted(name) + " is damaged: it holds more than its " +
                    std::to_string(count) + " curves.");
    file.Close();
    curves = std::move(read);
    return true;
}
