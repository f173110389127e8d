// File > Open Coefficients for Additive Restart as the program runs it: the speaker
// document's command (CMorvaneDoc::OnFileOpenCoefficientsForAdditiveRestart) on a file of
// the fuzzed bytes, then the restart itself, Save As Filter Coefficients and the open again.
//
// A refused file is reported once as a File Read Error and leaves the document's restart
// rows empty and the restart off. A file taken gives, for every filter, a numerator and a
// denominator row of the same length of two or more, each coefficient the value its text
// reads as through the one parse of numbers (ParseWholeDouble), an a0 that is not 0, also
// as the file's fifteen decimals write it, and a response that is a finite number over the
// check grid. The restart applied, the coefficient file saved and opened again gives the
// same rows to the file's fifteen decimals, and writes again to the same text.
#include "document/FilterCoeffFile.h"
#include "document/HeadlessAppServices.h"
#include "document/MorvaneDoc.h"
#include "filters/FilterDesignCheck.h"
#include "filters/MatrixPtrArray.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "tests/fuzz/CoefficientRows.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const char kCoefficientFormat[] = "  %18.15lf ";

std::string Folder()
{
    static const std::string folder = FuzzFolder("restart");
    return folder;
}

// The text's lines, as the file reads them: split at line feeds, a carriage return before
// one dropped.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The row's values are its words, each read whole as one finite number.
bool IsRowOfLine(const mwMatrix& row, const std::string& line)
{
    std::istringstream words(line);
    int i = 0;
    for (std::string word; words >> word;)
    {
        const std::optional<double> value = ParseWholeDouble(word);
        if (!value || ++i > row.NumberOfElements() || row.RealElement(i) != *value)
            return false;
    }
    return i == row.NumberOfElements();
}

// Each filter of the document's restart rows as a reader may take it, its rows those of
// the file's lines.
bool AllRowsTakeable(const CMorvaneDoc& doc, const std::vector<std::string>& lines)
{
    const int n = doc.m_CoeffNumerators.GetSize();
    if (doc.m_CoeffDenominators.GetSize() != n || int(lines.size()) < 2 * n + 3)
        return false;
    for (int i = 0; i < n; ++i)
    {
        const mwMatrix& b = doc.m_CoeffNumerators.GetAt(i);
        const mwMatrix& a = doc.m_CoeffDenominators.GetAt(i);
        if (b.NumberOfElements() < 2 || a.NumberOfElements() != b.NumberOfElements() ||
            !IsRowOfLine(b, lines[std::size_t(i) + 2]) ||
            !IsRowOfLine(a, lines[std::size_t(n + i) + 3]) || a.RealElement(1) == 0.0 ||
            ReadBackValue(a.RealElement(1), kCoefficientFormat) == 0.0 || !HasFiniteResponse(a, b))
            return false;
    }
    return true;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Copy(const CMatrixPtrArray& from, CMatrixPtrArray& to)
{
    to.RemoveAll();
    for (int i = 0; i < from.GetSize(); ++i)
        to.Add(from.GetAt(i));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceFuzzReports();
    const std::string path = Folder() + "/restart.flt";
    const std::string saved = Folder() + "/saved.flt";
    WriteFuzzFile(path, data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);

    CFuzzServices services(Folder());
    CRecordingMessageBox& messages = services.messages;
    CScriptedFileDialogs& dialogs = services.dialogs;
    {
        CHeadlessAppServices app;
        auto doc = std::make_unique<CMorvaneDoc>(app);
        doc->m_nSamplingFrequency = 48000;
        if (!doc->CreateDefaultResponse())
            std::abort();
        if (!doc->OnFileOpenCoefficientsForAdditiveRestart(path))
        {
            if (app.fileReadErrors.size() != 1 || app.fileReadErrors[0].error.empty() ||
                !doc->m_CoeffNumerators.IsEmpty() || !doc->m_CoeffDenominators.IsEmpty() ||
                doc->m_AdditiveRestartMode.IsOn() || !messages.texts.empty())
                std::abort();
            return 0;
        }
        if (!app.fileReadErrors.empty() || !messages.texts.empty() ||
            doc->m_AdditiveRestartMode.IsOff() || !AllRowsTakeable(*doc, Lines(text)))
            std::abort();
        if (doc->m_CoeffNumerators.IsEmpty())
            return 0;
        CMatrixPtrArray numerators, denominators;
        Copy(doc->m_CoeffNumerators, numerators);
        Copy(doc->m_CoeffDenominators, denominators);

        // The restart keeps the filters; the coefficient file written afterwards holds them.
        doc->OnAdditiveRestartFromCoefficientFile();
        if (!messages.texts.empty() || doc->m_RestartNumerators.GetSize() != numerators.GetSize())
            std::abort();
        app.OpenFilterEditor();
        doc->m_FiltersInGridMode.TurnOn();
        dialogs.answers = {saved};
        doc->OnFileSaveAsFilterCoefficients();
        if (!messages.texts.empty() || !app.fileReadErrors.empty())
            std::abort();

        // Opened again: the same rows, which write the same text.
        const std::string written = FileText(saved);
        if (!doc->OnFileOpenCoefficientsForAdditiveRestart(saved) || !app.fileReadErrors.empty() ||
            !AllRowsTakeable(*doc, Lines(written)) ||
            !SameRows(doc->m_CoeffNumerators, numerators) ||
            !SameRows(doc->m_CoeffDenominators, denominators))
            std::abort();
        FilterCoeffFile again(nullptr);
        std::string againPath = Folder() + "/again.flt";
        if (!again.OpenForWrite(againPath) ||
            !again.Write(doc->m_CoeffDenominators, doc->m_CoeffNumerators) ||
            again.GetText() != written)
            std::abort();
        again.Close();
    }
    return 0;
}
