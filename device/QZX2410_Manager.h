// The device program data of the QZX2410 and QZX6060 chip families: the ".eq" header lines,
// the filters' comment lines, a channel line and one entry "Q<n>" of five 28-bit words per
// biquad; generated from the filter grids, reviewed in the data-file editor, saved as
// ".EQ241X" (QZX2410) or ".EQ606X" (QZX6060), opened again, and turned back into filter
// coefficients from register lines. One manager serves the whole program.
//
// Word: value * 2^23 truncated toward zero in 28-bit two's complement, written sign-filled
// to 32 bits as four blank-led pairs of hexadecimal digits (" 00 80 00 00" is 1.0,
// " FF 80 00 00" is -1.0). The file holds the negated feedback coefficients, so "A1" and
// "A2" change sign both ways.
#pragma once

#include "device/DeviceDataCheck.h"
#include "device/DeviceServices.h"
#include "device/QZX2410EqFileStatus.h"
#include "document/DocumentServices.h"
#include "filters/MatrixPtrArray.h"

#include <string>
#include <vector>

class CMorvaneDoc;

class CQZX2410_Manager : public IFamilyDataFileNames
{
public:
    static constexpr int kMaxSections = 16;
    static constexpr int kRegisterRows = 3;

    explicit CQZX2410_Manager(const CDeviceServices& services);
    virtual ~CQZX2410_Manager() = default;

    // The speaker document whose filters and sample rate the data is built from; null
    // while there is none.
    void SetDocument(CMorvaneDoc* pDoc) { m_pDoc = pDoc; }

    // Data file name = the raw response path without its extension + ".EQ606X" (QZX6060)
    // or ".EQ241X".
    void SetDataFileNameFromRaw(const std::string& rawPath) override;
    std::string GetDataFileName() const { return m_FileStatus.GetName(); }
    bool SetDataFileName(const std::string& name) { return m_FileStatus.SetName(name); }

    // Open dialog, read, then the file's own lines in the editor. Saved is recorded only
    // when the editor accepted them unchanged; accepted changes only through the editor.
    // False on cancel or a file that cannot be read or holds no device data of the family
    // (reported; lines, name and modes unchanged).
    bool OpenDeviceData();
    // Writes to the data file's full path (a name without a folder asks like Save As).
    // Only for lines opened from a file. Lines not yet accepted go through the editing
    // step first; Cancel there cancels the save. A failed write is reported; false.
    bool SaveDeviceData();
    // As SaveDeviceData, always asking for the path; the chosen path becomes the name.
    bool SaveAsDeviceData();
    // As SaveDeviceData, to the full path given (a path without a folder asks), for
    // lines opened or generated alike.
    bool SaveDeviceDataTo(const std::string& path);
    // The lines in the editor; regenerated first when asked to (or when there are no
    // lines yet) and the grids hold filters. OK: accepted, not saved; true. A refused
    // generation (GenerateDeviceData) shows no editor: false.
    bool EditDeviceData(bool bRegenerate);
    // Writes the grids' filters in place of the old channel block; every other line stays.
    // False, the lines and modes as they were, when the block is refused (WriteChannelBlock).
    bool ReplaceFilterBlock();
    // Appends every line that holds "!#".
    bool GetCommentLines(std::vector<std::string>& lines) const;
    // One pair [1 A1 A2], [B0 B1 B2] per register line; returns the number of pairs. A
    // line holding a word outside the word's range is not taken; refused (when given)
    // gets a message naming its line.
    int ImportCoefficients(CMatrixPtrArray& listA, CMatrixPtrArray& listB,
                           std::vector<std::string>* refused = nullptr) const;

    // The word of one coefficient; name "B0" ... "A2" ("A8": sixteen digits). A value
    // outside [-16, 16) is saturated and saturated set.
    static std::string CoefficientToHex(double value, const std::string& name,
                                        bool* saturated = nullptr);
    // The inverse of CoefficientToHex on the blank-free hexadecimal text: eight digits are
    // the sign-filled 32-bit value, seven a 28-bit word, six a 24-bit word (sign from bit
    // 23), fewer a positive value. Reading stops at the first non-hexadecimal character;
    // no digit gives 0, and so does a word outside the range (IsWordInRange).
    static double HexToCoefficient(const std::string& text, const std::string& name);
    // False for a word no 28-bit word gives: more than eight digits, or eight that are not
    // the word sign-filled to 32 bits (00000000 to 07FFFFFF, F8000000 to FFFFFFFF). A text
    // without a digit is in range.
    static bool IsWordInRange(const std::string& text);

    bool HasDeviceData() const;
    bool HasFilterParameters() const;
    bool IsDeviceDataFromFile() const { return m_FileStatus.m_OpenedFromFileMode.IsOn(); }
    bool IsDeviceDataSaved() const { return m_FileStatus.m_SavedMode.IsOn(); }

    // The whole text: header lines, channel block; generated, not saved. False, with the
    // lines and modes as they were, when the channel block is refused.
    bool GenerateDeviceData();
    // Writes the channel block into lines from start; returns the index after it. -1, with
    // lines and modes untouched and the refusal among the messages ShowWarnings shows,
    // when active filters cannot be designed: their words would be no number, limits the
    // filters never had or an unstable section.
    int WriteChannelBlock(std::vector<std::string>& lines, int start);
    // The filters' comment lines and word blocks in output order (at most 16); false,
    // count 0, while the filter editor has never been opened or there is no document, and
    // when active filters cannot be designed (their faults in nonFinite, when given).
    bool CollectFilterWords(std::vector<std::string>& comments, std::vector<std::string>& words,
                            int& count, std::vector<std::string>* nonFinite = nullptr);
    // The five words of entry k, each followed by CR LF: A1 A2 B0 B1 B2 (QZX2410) or
    // B0 B1 B2 A1 A2 (QZX6060). Names of saturated words are added to saturated.
    bool FormatCoefficientWords(std::string& out, int k, const CMatrixPtrArray& listA,
                                const CMatrixPtrArray& listB,
                                std::vector<std::string>* saturated) const;
    // False, nothing added, when a word of the line is outside the range.
    bool ParseRegisterLine(const std::string& line, CMatrixPtrArray& listA,
                           CMatrixPtrArray& listB) const;
    bool HasFilterParameterSection() const;
    bool GridHasFilters() const;
    static const char* RegisterName(int row, int i);

    // The data lines; an entry "Q<n>" holds six text lines until the file is read back.
    std::vector<std::string> m_DataLines;
    CQZX2410EqFileStatus m_FileStatus;
    int m_nChannelNumber = 1;

private:
    bool IsQZX6060() const;
    // What the family's data opened, accepted and written must hold (FindDeviceDataFault).
    CDeviceDataRules Rules() const;
    // Writes to name; asks first when bAsk or when name has no folder.
    bool SaveTo(bool bAsk, const std::string& name);
    bool ShowEditor();
    void ShowWarnings();

    CDeviceServices m_Services;
    CMorvaneDoc* m_pDoc = nullptr;
    std::vector<std::string> m_Warnings;
};
