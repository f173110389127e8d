// The part that every concrete filter class shares: its parameter record, the mode that
// says whether parameters were given, and the text line built from the record's fields.
//
// TParams is the kind's parameter record: matrix values of one element each, the sample
// rate among them as m_SampleRate, and LineFields(), the real parameters in the order of
// the text line.
#pragma once

#include "filters/DigFilterBase.h"
#include "graph/Assert.h"
#include "graph/Mode.h"
#include "graph/ResourceString.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// The modes a kind writes in its line, in order.
enum class EFilterModes
{
    Active,
    ModifiableAndActive, // peaking EQ
};

template <class TParams, EFilterModes kModes = EFilterModes::Active>
class CDigFilterOf : public CDigFilterBase
{
public:
    using Params = TParams;
    static constexpr EFilterModes kFilterModes = kModes;

    // Designs the section from the record. Before any parameters: the failed check
    // "m_InitializedMode.IsOn()" in the class's source unit, false, A and B unchanged.
    bool Calculate() override
    {
        if (!IsInitialized())
        {
            ReportAssertion("m_InitializedMode.IsOn()", m_pSourceFile, __LINE__);
            return false;
        }
        Design();
        return true;
    }

    // Copies the record into the filter and marks it initialized; label, modes and
    // output order stay as they are. Always true.
    bool SetParameters(const TParams& params)
    {
        m_Params = params;
        m_InitializedMode.SetState(1);
        return true;
    }
    const TParams& GetParameters() const { return m_Params; }
    bool IsInitialized() const { return m_InitializedMode.IsOn() != 0; }

    bool FormatLine(std::string& line) override
    {
        const auto reals = m_Params.LineFields();
        const auto modes = Modes();
        BuildLine(reals, modes);
        line = m_strLine;
        return true;
    }

    std::vector<double> GetParameterValues() override
    {
        std::vector<double> values;
        for (const mwMatrix* pValue : m_Params.LineFields())
            values.push_back(ScalarValue(*pValue));
        return values;
    }
    void SetParameterValues(const std::vector<double>& values) override
    {
        const auto fields = m_Params.LineFields();
        for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i)
            SetScalar(*fields[i], values[i]);
    }
    double GetSampleRate() const override { return ScalarValue(m_Params.m_SampleRate); }
    void SetSampleRate(double dSampleRate) override
    {
        SetScalar(m_Params.m_SampleRate, dSampleRate);
    }

    bool Parse(const std::string& line, int nSampleRate) override
    {
        const auto reals = m_Params.LineFields();
        const auto modes = Modes();
        ParseFields(line, reals, modes);
        SetScalar(m_Params.m_SampleRate, double(nSampleRate));
        m_InitializedMode.TurnOn();
        return true;
    }

protected:
    // sourceFile: the concrete class's source, named in the failed check of Calculate.
    CDigFilterOf(unsigned prefixId, const char* sourceFile) : m_pSourceFile(sourceFile)
    {
        SetPrefix(CResourceString(prefixId));
    }

    // Calls the kind's numerical function with the record's values: its first output
    // into B, its second into A.
    virtual void Design() = 0;

    auto Modes()
    {
        if constexpr (kModes == EFilterModes::ModifiableAndActive)
            return std::array<CMode*, 2>{&m_ModifiableMode, &m_ActiveMode};
        else
            return std::array<CMode*, 1>{&m_ActiveMode};
    }

    TParams m_Params;
    CMode m_InitializedMode;

private:
    const char* m_pSourceFile;
};
