#include "numerics/PointFileForms.h"

namespace numerics
{
namespace
{
mwLibraryInit s_libraryInit;
} // namespace

CPointFile::CPointFile(const mwMatrix& name, const char* reader)
    : m_name(TextOf(name)), m_reader(reader)
{
    // The run-time's fopen opens only a regular file (no folder, pipe or device).
    m_fid = fopen(name);
    if (m_fid.IsEmpty() || !(double(m_fid) > 0.0))
        throw CPointFileNotOpened(std::string(m_reader) + ": cannot open the file \"" + m_name +
                                  "\" for reading.");
}

CPointFile::~CPointFile()
{
    try
    {
        fclose(m_fid);
    }
    catch (const mwException&)
    {
        // The data is read; a failed close loses nothing.
    }
}

std::vector<double> CPointFile::Numbers(int perPoint)
{
    fgetl(m_fid);
    fgetl(m_fid);
    const mwMatrix d = fscanf(m_fid, mwMatrix(perPoint == 2 ? "%g, %g" : "%g, %g, %g"));
    const std::span<const double> values = RealValues(d);
    if (values.size() % std::size_t(perPoint) != 0)
        throw CNumericsError(std::string(m_reader) + ": the last point of the file \"" + m_name +
                             "\" has fewer than " + std::to_string(perPoint) + " values.");
    return {values.begin(), values.end()};
}
} // namespace numerics
