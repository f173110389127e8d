// The loudness filters of one chip family in five lists, one per kind: names and designs
// new filters, computes and plots their responses, keeps the grids in step and removes
// filters. The device lines are the derived class's.
#pragma once

#include "graph/Mode.h"
#include "loudness/LoudnessArrays.h"
#include "loudness/LoudnessInterfaces.h"

#include <array>
#include <span>
#include <string>
#include <vector>

enum ELoudnessKind
{
    kLoudnessEQBased = 0,
    kLoudnessTrebleBased = 1,
    kLoudnessBassBased = 2,
    kLoudnessBaseTypeCoeff = 3,
    kLoudnessCoeff = 4,
    kLoudnessKindCount = 5,
};

class CLoudnessManager
{
public:
    explicit CLoudnessManager(ILoudnessSectionDesigner* pDesigner);
    virtual ~CLoudnessManager() = default;
    CLoudnessManager(const CLoudnessManager&) = delete;
    CLoudnessManager& operator=(const CLoudnessManager&) = delete;

    // False when the named record is missing (nothing is opened then).
    virtual bool EditLoudnessFilter(int nKind, const std::string& name) = 0;
    virtual bool RemoveLoudnessFilter(const std::string& name) = 0;
    // False, with the lines unchanged, when the named record is missing.
    virtual bool AddToDataFile(int nKind, const std::string& name) = 0;
    virtual bool FormatDataFileLines(const CLoudnessInfo* pLoudnessInfo) = 0;
    virtual bool MergeIntoDataFile(std::vector<std::string>& deviceDataLines) = 0;

    // Each sets name to the new filter's name. False when the filter could not be
    // designed or computed (the name is then used up, the filter not listed).
    bool AddEQBasedFilter(double gainDb, double bandwidth, double centerFrequency, double plotGain,
                          double plotVolume, double logSpaceGain, double logSpaceOffset,
                          double gain, double offset, std::string& name);
    bool AddTrebleBasedFilter(double gainDb, double cutFrequency, double plotGain,
                              double plotVolume, std::string& name);
    bool AddBassBasedFilter(double gainDb, double cutFrequency, double plotGain, double plotVolume,
                            std::string& name);
    bool AddBaseTypeCoefficients(double b0, double b1, double b2, double a1, double a2,
                                 double plotGain, double plotVolume, std::string& name);
    bool AddLoudnessCoefficients(double B0, double B1, double B2, double A1, double A2,
                                 double plotGain, double plotVolume, std::string& name);

    // Recompute one record of its kind in place, plot it again and rewrite its row.
    bool Recalculate(int nKind, CLoudnessInfo* pRecord);
    bool RecalculateEQBasedFilter(CLoudnessInfo* p) { return Recalculate(kLoudnessEQBased, p); }
    bool RecalculateTrebleBasedFilter(CLoudnessInfo* p)
    {
        return Recalculate(kLoudnessTrebleBased, p);
    }
    bool RecalculateBassBasedFilter(CLoudnessInfo* p) { return Recalculate(kLoudnessBassBased, p); }
    bool RecalculateBaseTypeCoefficients(CLoudnessInfo* p)
    {
        return Recalculate(kLoudnessBaseTypeCoeff, p);
    }
    bool RecalculateLoudnessCoefficients(CLoudnessInfo* p)
    {
        return Recalculate(kLoudnessCoeff, p);
    }
    bool RecalculateAll();

    // The section a record of the kind designs at the document's sampling frequency: the
    // loudness path Y and the denominator X, as they would be stored (the record is not
    // changed). False when it designs none, or one with a coefficient that is not finite.
    bool DesignSection(int nKind, const CLoudnessInfo& record, double (&X)[3],
                       double (&Y)[3]) const;
    // True when the five loudness coefficients of the record are finite numbers.
    static bool HasFiniteCoefficients(const CLoudnessInfo& record);

    // 20 log10 |N/X| at the frequencies, N = G*Y + V*X, or V*(G*Y + X) under the QZX6060 law.
    std::vector<double> ComputeResponse(std::span<const double> frequencies, int sampleRate,
                                        const double (&X)[3], const double (&Y)[3], double plotGain,
                                        double plotVolume) const;

    CLoudnessInfo* FindLoudnessInfo(CLoudnessInfoArray* pList, const std::string& name) const;
    bool RemoveFromList(CLoudnessInfoArray* pList, const std::string& name);
    bool DeleteLoudnessFilter(int nKind, const std::string& name);
    bool RemoveLoudnessFilterByName(const std::string& name);
    int GetKindFromName(const std::string& name) const;
    bool EditLoudnessFilterByName(const std::string& name);
    bool AddToDataFileByName(const std::string& name);
    bool ClearLoudnessFilters(int nKind);
    bool ClearAllLoudnessFilters();

    // The list, grid and prefix of a kind; null (or empty) for a kind outside 0 to 4.
    CLoudnessInfoArray* List(int nKind);
    const CLoudnessInfoArray* List(int nKind) const;
    ILoudnessGrid* Grid(int nKind) const;
    std::string Prefix(int nKind) const;

    void SetGrid(int nKind, ILoudnessGrid* pGrid);
    // The document and view of the family's design window while it is open; not owned.
    void SetDocument(ILoudnessDocument* pDocument) { m_pDocument = pDocument; }
    void SetView(ILoudnessView* pView) { m_pView = pView; }
    ILoudnessDocument* GetDocument() const { return m_pDocument; }
    ILoudnessView* GetView() const { return m_pView; }
    void SetEditor(ILoudnessEditor* pEditor) { m_pEditor = pEditor; }
    const std::vector<std::string>& DataFileLines() const { return m_DataFileLines; }
    CMode& AddToDataFileMode() { return m_AddToDataFileMode; }
    int ColorIndex() const { return m_nColorIndex; }

protected:
    // True when responses follow the QZX6060 law.
    virtual bool UsesQZX6060Law() const { return false; }
    CLoudnessInfo* FindRecord(int nKind, const std::string& name) const;
    // A record that may go to a device file: with finite coefficients. Otherwise the user
    // is told that nothing was written, and false.
    static bool IsWritable(const CLoudnessInfo& record);

    std::vector<std::string> m_DataFileLines;
    CMode m_AddToDataFileMode;
    ILoudnessEditor* m_pEditor = nullptr;

private:
    std::string NextName(int nKind);
    bool AddRecord(int nKind, std::unique_ptr<CLoudnessInfo> record, std::string& name);
    bool Compute(int nKind, CLoudnessInfo& record);
    bool Section(int nKind, CLoudnessInfo& record, double (&X)[3], double (&Y)[3]);
    void ClearList(CLoudnessInfoArray* pList, ILoudnessGrid* pGrid);

    std::array<CLoudnessInfoArray, kLoudnessKindCount> m_Lists;
    std::array<int, kLoudnessKindCount> m_Counts{};
    std::array<ILoudnessGrid*, kLoudnessKindCount> m_Grids{};
    int m_nColorIndex = 0;
    ILoudnessSectionDesigner* m_pDesigner;
    ILoudnessDocument* m_pDocument = nullptr;
    ILoudnessView* m_pView = nullptr;
};
