#include "device/GenericDspHeader.h"

#include "device/FilterBlock.h"
#include "filters/FilterLists.h"
#include "graph/CFormat.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>

namespace
{
// Replaces every occurrence of from by to.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return;
    for (std::size_t p = text.find(from); p != std::string::npos; p = text.find(from, p))
    {
        text.replace(p, from.size(), to);
        p += to.size();
    }
}

void ReplaceFirst(std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t p = text.find(from);
    if (p != std::string::npos)
        text.replace(p, from.size(), to);
}

// The first line containing text, or lines.end().
std::vector<std::string>::iterator FindLine(std::vector<std::string>& lines,
                                            const std::string& text)
{
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (it->find(text) != std::string::npos)
            return it;
    return lines.end();
}

std::vector<std::string> SplitBlanks(const std::string& text)
{
    std::vector<std::string> fields;
    std::size_t p = 0;
    while ((p = text.find_first_not_of(' ', p)) != std::string::npos)
    {
        const std::size_t e = text.find(' ', p);
        fields.push_back(text.substr(p, e == std::string::npos ? std::string::npos : e - p));
        p = e;
    }
    return fields;
}
} // namespace

std::string CoefficientToDecimalWord(double value, bool* saturated)
{
    const double scaled = value * 268435456.0;
    bool clipped = false;
    std::int32_t v = 0;
    if (std::isnan(scaled))
        clipped = true;
    else if (scaled >= 2147483648.0)
        v = std::numeric_limits<std::int32_t>::max(), clipped = true;
    else if (scaled < -2147483648.0)
        v = std::numeric_limits<std::int32_t>::min(), clipped = true;
    else
        v = std::int32_t(scaled);
    if (saturated)
        *saturated = clipped;
    char text[32];
    std::snprintf(text, sizeof text, v != 0 ? "%.6d" : "%d", int(v));
    return text;
}

std::string FormatHeaderWords(int k, const CMatrixPtrArray& listA, const CMatrixPtrArray& listB,
                              std::vector<std::string>* saturated)
{
    const mwMatrix& b = listB.GetAt(k);
    const mwMatrix& a = listA.GetAt(k);
    const struct
    {
        const char* name;
        double value;
    } words[] = {{"B2", b.RealElement(3)},
                 {"B1", b.RealElement(2)},
                 {"B0", b.RealElement(1)},
                 {"-A2", -a.RealElement(3)},
                 {"-A1", -a.RealElement(2)}};
    std::string text;
    for (const auto& w : words)
    {
        bool clipped = false;
        text += (text.empty() ? "" : " ") + CoefficientToDecimalWord(w.value, &clipped);
        if (clipped && saturated)
            saturated->push_back(w.name);
    }
    return text;
}

bool CollectHeaderData(CFilterLists& lists, int maxSections, CDspHeaderData& data)
{
    CMatrixPtrArray& listA = data.listA;
    CMatrixPtrArray& listB = data.listB;
    std::vector<std::string> texts;
    COutputOrderArray orders;
    int count = 0;
    if (!CollectActiveFilters(lists, listA, listB, texts, orders, count, &data.nonFinite))
    {
        listA.RemoveAll();
        listB.RemoveAll();
        return false;
    }
    for (int j = 0; j < count; ++j)
    {
        const int k = orders.GetAt(j).m_nIndex;
        // Drop the "!# " of the device data comment.
        const std::string comment = texts[std::size_t(k)].substr(3);
        const std::string label = comment.substr(0, comment.find_first_of(",\r\n"));
        if (j >= maxSections)
        {
            data.warnings.push_back("Filter " + label + " was left out: the header holds " +
                                    std::to_string(maxSections) + " sections.");
            continue;
        }
        std::vector<std::string> saturated;
        data.words.push_back(FormatHeaderWords(k, listA, listB, &saturated));
        data.comments.push_back(comment);
        for (const std::string& name : saturated)
            data.warnings.push_back("Filter " + label + ": coefficient " + name +
                                    " is outside the word's range and was limited.");
        ++data.count;
    }
    return true;
}

GenericDspHeader::GenericDspHeader()
{
    LoadTemplate();
    m_GeneratedMode.TurnOff();
}

bool GenericDspHeader::LoadTemplate()
{
    m_HeaderLines = {"/*\r\n", "Device is V38xx\r\n", "*/\r\n", "#define GENERICGAIN $gain$ \r\n",
                     "#define GENERICCOEFFS0 {$B2$*GENERICGAIN, $B1$*GENERICGAIN, "
                     "$B0$*GENERICGAIN, $-A2$, $-A1$}\r\n"};
    for (int i = 1; i <= 7; ++i)
        m_HeaderLines.push_back("#define GENERICCOEFFS" + std::to_string(i) +
                                " {$B2$, $B1$, $B0$, $-A2$, $-A1$}\r\n");
    std::string list = "#define GENERICEQ={";
    for (int i = 0; i <= 7; ++i)
        list += (i ? ",GENERICCOEFFS" : "GENERICCOEFFS") + std::to_string(i);
    m_HeaderLines.push_back(list + "}\r\n");
    return true;
}

bool GenericDspHeader::Generate(const CDspHeaderData& data, double gain)
{
    LoadTemplate();
    const int n = data.count < m_nMaxSections ? data.count : m_nMaxSections;
    m_HeaderLines.insert(m_HeaderLines.begin() + 2, data.comments.begin(),
                         data.comments.begin() + n);
    m_dHeaderGain = gain;
    auto gainLine = FindLine(m_HeaderLines, "$gain$");
    if (gainLine != m_HeaderLines.end())
        ReplaceFirst(*gainLine, "$gain$", FormatC("%lf", gain));
    SubstituteSections(m_HeaderLines, data.words, n);
    TrimSections(m_HeaderLines, n);
    for (std::string& line : m_HeaderLines)
        ReplaceAll(line, "GENERIC", m_strUserLabel);
    m_GeneratedMode.TurnOn();
    return true;
}

bool GenericDspHeader::SubstituteSections(std::vector<std::string>& lines,
                                          const std::vector<std::string>& words, int count)
{
    static const char* const kPlaceholders[] = {"$B2$", "$B1$", "$B0$", "$-A2$", "$-A1$"};
    for (int i = 0; i < count; ++i)
    {
        auto line = FindLine(lines, "COEFFS" + std::to_string(i));
        if (line == lines.end())
            continue;
        const std::vector<std::string> fields = SplitBlanks(words[std::size_t(i)]);
        for (std::size_t f = 0; f < 5 && f < fields.size(); ++f)
            ReplaceFirst(*line, kPlaceholders[f], fields[f]);
    }
    return true;
}

bool GenericDspHeader::TrimSections(std::vector<std::string>& lines, int count)
{
    for (int i = count; i < 8; ++i)
    {
        auto line = FindLine(lines, "COEFFS" + std::to_string(i));
        if (line != lines.end())
            lines.erase(line);
    }
    auto list = FindLine(lines, "GENERICEQ");
    if (list == lines.end())
        return true;
    for (int i = count > 0 ? count : 1; i < 8; ++i)
        ReplaceAll(*list, ",GENERICCOEFFS" + std::to_string(i), "");
    if (count == 0)
        ReplaceAll(*list, "GENERICCOEFFS0", "");
    return true;
}

double HeaderGain(const CMatrixPtrArray& listA, const CMatrixPtrArray& listB,
                  const std::vector<double>& frequencies, int nSampleRate)
{
    if (listA.GetSize() == 0 || frequencies.empty() || nSampleRate <= 0)
        return 1.0;
    double peakDb = -std::numeric_limits<double>::infinity();
    for (double f : frequencies)
    {
        const std::complex<double> z1 = std::polar(1.0, -2.0 * std::numbers::pi * f / nSampleRate);
        const std::complex<double> z2 = z1 * z1;
        std::complex<double> h = 1.0;
        for (int k = 0; k < listA.GetSize() && k < listB.GetSize(); ++k)
        {
            const mwMatrix& a = listA.GetAt(k);
            const mwMatrix& b = listB.GetAt(k);
            h *= (b.RealElement(1) + b.RealElement(2) * z1 + b.RealElement(3) * z2) /
                 (a.RealElement(1) + a.RealElement(2) * z1 + a.RealElement(3) * z2);
        }
        peakDb = std::max(peakDb, 20.0 * std::log10(std::abs(h)));
    }
    return std::isfinite(peakDb) ? std::pow(10.0, -peakDb / 20.0) : 1.0;
}
