#include "loudness/CreateLoudnessPage.h"

#include "device/CoefficientWords.h"
#include "device/QZX2410_Manager.h"
#include "framework/core/Services.h"
#include "graph/Assert.h"
#include "graph/CFormat.h"
#include "graph/Convert.h"
#include "loudness/LoudnessGainOffset.h"
#include "loudness/LoudnessInfo.h"
#include "loudness/LoudnessManager.h"
#include "loudness/QZX2410_LoudnessManager.h"

#include <algorithm>
#include <cctype>

namespace
{
constexpr const char* kCoefficientLabels[5] = {"B0", "B1", "B2", "A1", "A2"};
constexpr const char* kEnterNumber = "Please enter a number.";
// Decimal coefficients are shown as the chips' tools print them.
constexpr const char* kCoefficientFormat = "%18.15lf";

// A number as a box shows it: up to 15 significant digits, no trailing zeros.
std::string BoxText(double value)
{
    return FormatDouble(value, "%.15g");
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsHexDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

std::string CoefficientName(int k)
{
    return "Coefficient " + std::to_string(k + 1) + " (" + kCoefficientLabels[k] + ")";
}
} // namespace

CCreateLoudnessPage::CCreateLoudnessPage(ELoudnessFamily family, int nKind, bool bQZX6060)
    : m_Family(family), m_nKind(std::clamp(nKind, 0, kLoudnessKindCount - 1))
{
    const bool bFamily = HasScaling();
    switch (m_nKind)
    {
    case kLoudnessEQBased:
        m_Fields = {{IDC_EQ_GAIN, bFamily ? "EQ Gain (db)" : "EQ Gain"},
                    {IDC_BANDWIDTH, "Bandwidth"},
                    {IDC_CENTER_FREQUENCY, "Center Frequency"}};
        break;
    case kLoudnessTrebleBased:
        m_Fields = {{IDC_TREBLE_GAIN, "Treble Gain"}, {IDC_CUT_FREQUENCY, "Cut Frequency"}};
        break;
    case kLoudnessBassBased:
        m_Fields = {{IDC_BASS_GAIN, "Bass Gain"}, {IDC_CUT_FREQUENCY, "Cut Frequency"}};
        break;
    default:
        for (int k = 0; k < 5; ++k)
            m_Fields.push_back({IDC_COEFF_1 + k, std::to_string(k + 1)});
        break;
    }
    for (const CField& field : m_Fields)
        m_Texts[field.nId] = IsCoefficientPage() ? std::string() : BoxText(0.0);
    if (bFamily)
        m_ScalingFields = {{IDC_LOG_SPACE_GAIN, "Log-space Gain"},
                           {IDC_LOG_SPACE_OFFSET, "Log-space Offset"},
                           {IDC_GAIN, "Gain"},
                           {IDC_OFFSET, "Offset"},
                           {IDC_PLOT_VOLUME, "Plot Volume"},
                           {IDC_PLOT_GAIN, "Plot Gain"}};
    else
        m_Fields.insert(m_Fields.end(),
                        {{IDC_PLOT_GAIN, "Plot Gain"}, {IDC_PLOT_VOLUME, "Plot Volume"}});
    m_Texts[IDC_PLOT_GAIN] = BoxText(1.0);
    m_Texts[IDC_PLOT_VOLUME] = BoxText(1.0);
    if (bFamily)
    {
        m_Texts[IDC_LOG_SPACE_GAIN] = BoxText(bQZX6060 ? -0.5 : 0.5);
        for (int id : {IDC_LOG_SPACE_OFFSET, IDC_GAIN, IDC_OFFSET})
            m_Texts[id] = BoxText(0.0);
    }
}

std::string CCreateLoudnessPage::GetTitle() const
{
    static const char* const kTitles[kLoudnessKindCount] = {
        "EQ Base Type", "Treble Base Type", "Bass Base Type", "Base Type Coefficients",
        "Loudness Coefficients"};
    return kTitles[m_nKind];
}

std::string CCreateLoudnessPage::GetText(int nId) const
{
    const auto found = m_Texts.find(nId);
    return found == m_Texts.end() ? std::string() : found->second;
}

void CCreateLoudnessPage::OnEdited(int nId, const std::string& text)
{
    if (m_Texts.count(nId) == 0)
        return;
    m_Texts[nId] = text;
    m_bModified = true;
}

std::optional<double> CCreateLoudnessPage::Number(int nId) const
{
    return ParseWholeDouble(GetText(nId));
}

std::optional<CCreateLoudnessPage::CRefusal>
CCreateLoudnessPage::CheckNumbers(const std::vector<CField>& fields) const
{
    for (const CField& field : fields)
        if (!(IsCoefficientPage() && field.nId >= IDC_COEFF_1 && field.nId < IDC_COEFF_1 + 5) &&
            !Number(field.nId))
            return CRefusal{field.nId, kEnterNumber};
    return std::nullopt;
}

std::optional<CCreateLoudnessPage::CRefusal>
CCreateLoudnessPage::ReadCoefficients(bool bHex, std::optional<double> (&values)[5]) const
{
    for (int k = 0; k < 5; ++k)
    {
        values[k].reset();
        const std::string text = Trimmed(GetText(IDC_COEFF_1 + k));
        if (text.empty())
            continue;
        if (!bHex)
        {
            values[k] = ParseWholeDouble(text);
            if (!values[k])
                return CRefusal{IDC_COEFF_1 + k, kEnterNumber};
            continue;
        }
        // A word as its family writes it; the QZX241X words come in blank-led byte pairs.
        std::string digits = text;
        if (m_Family == ELoudnessFamily::QZX241X)
            digits.erase(std::remove_if(digits.begin(), digits.end(),
                                        [](char c) { return c == ' ' || c == '\t'; }),
                         digits.end());
        const std::size_t maxDigits = m_Family == ELoudnessFamily::QZX241X ? 8 : 6;
        double value = 0.0;
        if (!IsHexDigits(digits) || digits.size() > maxDigits)
            return CRefusal{IDC_COEFF_1 + k, "Please enter a hexadecimal word of up to " +
                                                 std::to_string(maxDigits) + " digits."};
        if (m_Family == ELoudnessFamily::QZX241X && !CQZX2410_Manager::IsWordInRange(digits))
            return CRefusal{IDC_COEFF_1 + k, "Please enter a word the device holds: 00 00 00 00 "
                                             "to 07 FF FF FF, or F8 00 00 00 to FF FF FF FF."};
        if (m_Family == ELoudnessFamily::QZX241X)
            value = CQZX2410_Manager::HexToCoefficient(digits, kCoefficientLabels[k]);
        else
            Hex24ToCoefficient(digits, &value);
        values[k] = value;
    }
    return std::nullopt;
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::Convert(bool bToHex)
{
    if (m_bHex == bToHex)
        return std::nullopt;
    std::optional<double> values[5];
    if (auto refusal = ReadCoefficients(m_bHex, values))
        return refusal;
    std::string texts[5];
    for (int k = 0; k < 5; ++k)
    {
        if (!values[k])
            continue;
        if (!bToHex)
        {
            texts[k] = FormatDouble(*values[k], kCoefficientFormat);
            continue;
        }
        bool bLimited = false;
        texts[k] = WordText(*values[k], k, &bLimited);
        if (bLimited)
            return CRefusal{IDC_COEFF_1 + k,
                            CoefficientName(k) + " lies outside the range of the device word."};
    }
    for (int k = 0; k < 5; ++k)
        m_Texts[IDC_COEFF_1 + k] = texts[k];
    m_bHex = bToHex;
    return std::nullopt;
}

std::string CCreateLoudnessPage::WordText(double value, int k, bool* bLimited) const
{
    return m_Family == ELoudnessFamily::QZX241X
               ? Trimmed(CQZX2410_Manager::CoefficientToHex(value, kCoefficientLabels[k], bLimited))
               : CoefficientToHex24(value, bLimited);
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::OnHex()
{
    return Convert(true);
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::OnDecimal()
{
    return Convert(false);
}

bool CCreateLoudnessPage::SetLoudnessInfo(const CLoudnessInfo* pInfo,
                                          const CLoudnessGainOffset* pGainOffset)
{
    if (!MORVANE_CHECK(pInfo))
        return false;
    const CLoudnessInfo& r = *pInfo;
    const auto design = [this](int nId, double value) { m_Texts[nId] = BoxText(value); };
    switch (m_nKind)
    {
    case kLoudnessEQBased:
        design(IDC_EQ_GAIN, r.m_dFilterGain);
        design(IDC_BANDWIDTH, r.m_dBandwidth);
        design(IDC_CENTER_FREQUENCY, r.m_dCenterFrequency);
        m_dGain = r.m_dGain;
        m_dOffset = r.m_dOffset;
        m_dLogSpaceGain = r.m_dLogSpaceGain;
        m_dLogSpaceOffset = r.m_dLogSpaceOffset;
        break;
    case kLoudnessTrebleBased:
    case kLoudnessBassBased:
        design(m_nKind == kLoudnessTrebleBased ? IDC_TREBLE_GAIN : IDC_BASS_GAIN, r.m_dFilterGain);
        design(IDC_CUT_FREQUENCY, r.m_dCutFrequency);
        break;
    default:
    {
        const double typed[5] = {r.m_dBaseCoeff1, r.m_dBaseCoeff2, r.m_dBaseCoeff3, r.m_dBaseCoeff4,
                                 r.m_dBaseCoeff5};
        const double path[5] = {r.m_dB0, r.m_dB1, r.m_dB2, r.m_dA1, r.m_dA2};
        for (int k = 0; k < 5; ++k)
            m_Texts[IDC_COEFF_1 + k] = FormatDouble(
                m_nKind == kLoudnessBaseTypeCoeff ? typed[k] : path[k], kCoefficientFormat);
        m_bHex = false;
        break;
    }
    }
    design(IDC_PLOT_GAIN, r.m_dPlotGain);
    design(IDC_PLOT_VOLUME, r.m_dPlotVolume);
    if (HasScaling() && MORVANE_CHECK(pGainOffset))
    {
        design(IDC_LOG_SPACE_GAIN, pGainOffset->m_dLogSpaceGain);
        design(IDC_LOG_SPACE_OFFSET, pGainOffset->m_dLogSpaceOffset);
        design(IDC_GAIN, pGainOffset->m_dGain);
        design(IDC_OFFSET, pGainOffset->m_dOffset);
    }
    return true;
}

std::optional<CCreateLoudnessPage::CRefusal>
CCreateLoudnessPage::OnCalculatePlotGain(const CLoudnessManager& manager)
{
    const auto* pFamily = dynamic_cast<const CQZX2410_LoudnessManager*>(&manager);
    if (!HasScaling() || !pFamily)
        return CRefusal{IDC_CALCULATE_PLOT_GAIN, "The plot gain is calculated for the QZX2410 "
                                                 "and QZX6060 only."};
    for (const CField& field : m_ScalingFields)
        if (field.nId != IDC_PLOT_GAIN && !Number(field.nId))
            return CRefusal{field.nId, kEnterNumber};
    const double volume = *Number(IDC_PLOT_VOLUME);
    if (auto refusal = CheckPlotVolume())
        return refusal;
    if (volume <= 0.0)
        return CRefusal{IDC_PLOT_VOLUME, "The plot gain can be calculated only for a plot "
                                         "volume above 0."};
    double plotGain = 0.0;
    if (!pFamily->CalculatePlotGain(volume, *Number(IDC_LOG_SPACE_GAIN),
                                    *Number(IDC_LOG_SPACE_OFFSET), *Number(IDC_GAIN),
                                    *Number(IDC_OFFSET), &plotGain))
        return CRefusal{IDC_CALCULATE_PLOT_GAIN,
                        "No plot gain follows from these values: the chip's logarithm or "
                        "antilogarithm would leave its range."};
    m_Texts[IDC_PLOT_GAIN] = BoxText(plotGain);
    m_bModified = true;
    return std::nullopt;
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::CheckPlotVolume() const
{
    // The chips' plot volume lies in [0, 16) as a single-precision value.
    const std::optional<double> volume = Number(IDC_PLOT_VOLUME);
    const double maxVolume = CQZX2410_LoudnessManager::kMaxPlotVolume;
    if (HasScaling() && !(volume && *volume >= 0.0 && *volume <= maxVolume))
        return CRefusal{IDC_PLOT_VOLUME,
                        "Please enter a number between 0 and " + BoxText(maxVolume) + "."};
    return std::nullopt;
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::Validate(int nSampleRate) const
{
    if (auto refusal = CheckNumbers(m_Fields))
        return refusal;
    if (auto refusal = CheckNumbers(m_ScalingFields))
        return refusal;
    if (auto refusal = CheckPlotVolume())
        return refusal;
    if (IsCoefficientPage())
    {
        std::optional<double> values[5];
        if (auto refusal = ReadCoefficients(m_bHex, values))
            return refusal;
        for (int k = 0; k < 5; ++k)
            if (!values[k])
                return CRefusal{IDC_COEFF_1 + k, kEnterNumber};
        return std::nullopt;
    }
    const double nyquist = nSampleRate / 2.0;
    const std::string band =
        " must lie above 0 Hz and below half the sampling frequency (" + BoxText(nyquist) + " Hz).";
    if (m_nKind == kLoudnessEQBased)
    {
        if (!(*Number(IDC_BANDWIDTH) > 0.0))
            return CRefusal{IDC_BANDWIDTH, "The bandwidth must be greater than 0."};
        const double center = *Number(IDC_CENTER_FREQUENCY);
        if (!(center > 0.0 && center < nyquist))
            return CRefusal{IDC_CENTER_FREQUENCY, "The center frequency" + band};
        return std::nullopt;
    }
    const double cut = *Number(IDC_CUT_FREQUENCY);
    if (!(cut > 0.0 && cut < nyquist))
        return CRefusal{IDC_CUT_FREQUENCY, "The cut frequency" + band};
    return std::nullopt;
}

bool CCreateLoudnessPage::AddFilter(CLoudnessManager& manager, std::string& name) const
{
    const double plotGain = *Number(IDC_PLOT_GAIN);
    const double plotVolume = *Number(IDC_PLOT_VOLUME);
    double scaling[4] = {m_dLogSpaceGain, m_dLogSpaceOffset, m_dGain, m_dOffset};
    if (HasScaling())
        for (int i = 0; i < 4; ++i)
            scaling[i] = *Number(IDC_LOG_SPACE_GAIN + i);
    bool bAdded = false;
    switch (m_nKind)
    {
    case kLoudnessEQBased:
        bAdded = manager.AddEQBasedFilter(*Number(IDC_EQ_GAIN), *Number(IDC_BANDWIDTH),
                                          *Number(IDC_CENTER_FREQUENCY), plotGain, plotVolume,
                                          scaling[0], scaling[1], scaling[2], scaling[3], name);
        break;
    case kLoudnessTrebleBased:
        bAdded = manager.AddTrebleBasedFilter(*Number(IDC_TREBLE_GAIN), *Number(IDC_CUT_FREQUENCY),
                                              plotGain, plotVolume, name);
        break;
    case kLoudnessBassBased:
        bAdded = manager.AddBassBasedFilter(*Number(IDC_BASS_GAIN), *Number(IDC_CUT_FREQUENCY),
                                            plotGain, plotVolume, name);
        break;
    default:
    {
        std::optional<double> c[5];
        ReadCoefficients(m_bHex, c);
        bAdded = m_nKind == kLoudnessBaseTypeCoeff
                     ? manager.AddBaseTypeCoefficients(*c[0], *c[1], *c[2], *c[3], *c[4], plotGain,
                                                       plotVolume, name)
                     : manager.AddLoudnessCoefficients(*c[0], *c[1], *c[2], *c[3], *c[4], plotGain,
                                                       plotVolume, name);
        break;
    }
    }
    // The scaling values belong to the new filter: filed under its name.
    if (bAdded && HasScaling())
        if (auto* pFamily = dynamic_cast<CQZX2410_LoudnessManager*>(&manager))
            pFamily->AddGainOffset(scaling[0], scaling[1], scaling[2], scaling[3], name);
    return bAdded;
}

CLoudnessInfo CCreateLoudnessPage::DesignRecord(const CLoudnessManager& manager) const
{
    CLoudnessInfo r;
    // Named as the kind's filters are, so that the digital filter takes it as its label.
    r.m_strName = manager.Prefix(m_nKind);
    switch (m_nKind)
    {
    case kLoudnessEQBased:
        r.m_dFilterGain = *Number(IDC_EQ_GAIN);
        r.m_dBandwidth = *Number(IDC_BANDWIDTH);
        r.m_dCenterFrequency = *Number(IDC_CENTER_FREQUENCY);
        break;
    case kLoudnessTrebleBased:
    case kLoudnessBassBased:
        r.m_dFilterGain =
            *Number(m_nKind == kLoudnessTrebleBased ? IDC_TREBLE_GAIN : IDC_BASS_GAIN);
        r.m_dCutFrequency = *Number(IDC_CUT_FREQUENCY);
        break;
    default:
    {
        std::optional<double> c[5];
        ReadCoefficients(m_bHex, c);
        double* const members[5] = {&r.m_dB0, &r.m_dB1, &r.m_dB2, &r.m_dA1, &r.m_dA2};
        double* const typed[5] = {&r.m_dBaseCoeff1, &r.m_dBaseCoeff2, &r.m_dBaseCoeff3,
                                  &r.m_dBaseCoeff4, &r.m_dBaseCoeff5};
        for (int k = 0; k < 5; ++k)
            *(m_nKind == kLoudnessBaseTypeCoeff ? typed : members)[k] = *c[k];
        break;
    }
    }
    return r;
}

std::optional<CCreateLoudnessPage::CRefusal>
CCreateLoudnessPage::CheckSection(const CLoudnessManager& manager, std::string& warning) const
{
    warning.clear();
    double X[3];
    double Y[3];
    if (!manager.DesignSection(m_nKind, DesignRecord(manager), X, Y))
        return CRefusal{m_Fields.front().nId,
                        "These values design no loudness filter: its coefficients would not be "
                        "finite numbers."};
    const double path[5] = {Y[0], Y[1], Y[2], X[1], X[2]};
    for (int k = 0; k < 5; ++k)
    {
        bool bLimited = false;
        WordText(path[k], k, &bLimited);
        if (bLimited)
        {
            warning = FormatC("The loudness coefficient %s of these values, %g, lies outside the "
                              "range of the device word (%s): the device data will hold it "
                              "limited.",
                              kCoefficientLabels[k], path[k],
                              m_Family == ELoudnessFamily::QZX241X ? "-16 to 16" : "-8 to 8");
            break;
        }
    }
    return std::nullopt;
}

std::optional<CCreateLoudnessPage::CRefusal> CCreateLoudnessPage::Apply(CLoudnessManager& manager,
                                                                        std::string& name)
{
    name.clear();
    if (!m_bModified)
        return std::nullopt;
    const ILoudnessDocument* pDocument = manager.GetDocument();
    if (!pDocument)
        return CRefusal{0, "The loudness design window is closed: no filter can be added."};
    if (auto refusal = Validate(pDocument->SamplingFrequency()))
        return refusal;
    std::string warning;
    if (auto refusal = CheckSection(manager, warning))
        return refusal;
    if (!warning.empty())
        Services::MessageBox().Show(warning);
    if (!AddFilter(manager, name))
        name.clear();
    m_bModified = false;
    return std::nullopt;
}
