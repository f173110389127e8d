// One user-defined filter: its parameters, its biquad section (numerator B and
// denominator A, the outputs of its kind's numerical function) and its one-line text
// form. The concrete classes (one per kind, the five kinds 12 to 16 sharing one) derive
// from CDigFilterOf, which holds the parameter record.
//
// Text line: the label, each real parameter "%lf", each mode "Yes"/"No", the output order
// "%d", joined by ", " and ended by "\n". The sample rate is not part of the line: whoever
// parses a line supplies it.
#pragma once

#include "graph/Mode.h"
#include "matrix/dblmtrx.h"

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

class CDigFilterBase
{
public:
    CDigFilterBase();
    virtual ~CDigFilterBase();
    CDigFilterBase(const CDigFilterBase&) = delete;
    CDigFilterBase& operator=(const CDigFilterBase&) = delete;

    // Designs the section from the current parameters into B and A. False, with a failed
    // check and A and B unchanged, before any parameters were given. Errors of the
    // numerics reach the caller as the matrix layer's exceptions.
    virtual bool Calculate() = 0;
    // Writes the filter's line; the line break goes out as "\r\n", as text files of the
    // program always have it. False only for a null stream.
    virtual bool Write(std::ostream* pFile);
    // Label, parameters, modes and output order from the line, each field read whole as
    // what it stands for (ParseWholeDouble, ParseYesNo); a field that does not read so is
    // kept as the line's field fault (GetFieldFault) and its value is no number (a
    // parameter) or off (a mode). Fields missing at the end of the line (blank fields
    // there count as missing) read 0, off and order 0; fields after the kind's are not read.
    virtual bool Parse(const std::string& line, int nSampleRate) = 0;
    // Reads one line (without its "\n" or "\r\n") into the line buffer and parses it, also
    // at the end of the stream (an empty line). False only for a null stream.
    virtual bool Read(std::istream* pFile, int nSampleRate);
    // Field 0 of the line split at the delimiter contains the filter's prefix.
    virtual bool MatchesPrefix(const std::string& line, char delimiter) const;
    virtual mwMatrix* GetA() { return &m_A; }
    virtual mwMatrix* GetB() { return &m_B; }
    // The filter's text line into line (and the line buffer); always true.
    virtual bool FormatLine(std::string& line) = 0;
    // The real parameters in the order of the text line, and the sample rate (Hz).
    virtual std::vector<double> GetParameterValues() = 0;
    // Sets the real parameters, given in the order of GetParameterValues; values beyond
    // the filter's count are left out.
    virtual void SetParameterValues(const std::vector<double>& values) = 0;
    virtual double GetSampleRate() const = 0;
    // The sample rate (Hz) the section is designed for at the next Calculate.
    virtual void SetSampleRate(double dSampleRate) = 0;

    const std::string& GetLabel() const { return m_strLabel; }
    // Accepted only when the text contains the filter's prefix (case-sensitive).
    bool SetLabel(const std::string& label);
    // Label := prefix + n; false and no change for n below 1.
    bool SetLabelNumber(int n);
    // The number after the first "-" of the label; 0 without one.
    int GetLabelNumber() const;
    // The label carries the filter's prefix, so that a parameter file holding its line
    // brings it back into the list of its kind.
    bool HasOwnPrefix() const;
    const std::string& GetPrefix() const { return m_strPrefix; }
    int GetOutputOrder() const { return m_nOutputOrder; }
    // False and no change for n below 1.
    bool SetOutputOrder(int n);
    // The output order is a whole number from 0 to kMaxFilterNumber, as the line gave it
    // (HasWholeOutputOrder), and the label number is not above kMaxFilterNumber: the
    // filter can go into a grid as the line wrote it, and the grids number the filters
    // after it.
    bool HasNumbersInRange() const;
    // The output order was set, or parsed from a field that is an output order
    // (IsOutputOrderText); false after Parse of a line whose order is "-1", "2.5" or
    // "1e20", of which GetOutputOrder holds the whole number it is ("-1") or else 0.
    bool HasWholeOutputOrder() const { return m_bWholeOutputOrder; }
    // Every real parameter (GetParameterValues) is a finite number. A parameter field
    // that Parse does not read as one ("nan", "inf", "1e400", "abc") leaves a value that
    // is none, from which the designers make no section.
    bool HasFiniteParameters();

    // The first field of the last parsed line that does not read as what it stands for.
    struct CFieldFault
    {
        enum class EKind
        {
            kNone,
            kNotNumber,    // a real parameter that is not one finite number
            kNotYesNo,     // a mode that is neither Yes nor No
            kDecimalComma, // a number written with a decimal comma ("-3,5")
        };
        EKind kind = EKind::kNone;
        int nField = 0;   // the field's number in the line, the label being field 0
        std::string text; // the field as the line holds it, blanks around it dropped
    };
    const CFieldFault& GetFieldFault() const { return m_FieldFault; }

    // What keeps a filter, as its line gave it, out of the grids; the first that holds in
    // this order: a field that does not read as what it stands for (GetFieldFault), a
    // real parameter that is no finite number, an output order that is no whole number,
    // a label number or output order above kMaxFilterNumber.
    enum class ELineFault
    {
        kNone,
        kFieldNotRead,
        kParameterNotFinite,
        kOrderNotWhole,
        kNumberAboveLargest,
    };
    ELineFault FindLineFault();
    // The last line built by FormatLine or read by Read.
    const std::string& GetLineBuffer() const { return m_strLine; }

    // On: the filter takes part in the composite response and the coefficient lists.
    CMode m_ActiveMode;
    // On: the calculation may change the filter (peaking EQ only).
    CMode m_ModifiableMode;

protected:
    // Builds the line buffer from the label, the reals, the modes and the output order.
    void BuildLine(std::span<mwMatrix* const> reals, std::span<CMode* const> modes);
    // Label from field 0, reals from fields 1.., then the modes and the output order from
    // the fields after them (Parse).
    void ParseFields(const std::string& line, std::span<mwMatrix* const> reals,
                     std::span<CMode* const> modes);
    void SetPrefix(const std::string& prefix) { m_strPrefix = prefix; }

    mwMatrix m_A;
    mwMatrix m_B;
    std::string m_strLabel;
    std::string m_strPrefix;
    int m_nOutputOrder = 0;
    bool m_bWholeOutputOrder = true;
    CFieldFault m_FieldFault;
    std::string m_strLine;
};

// The value at index 1 of the matrix, "%lf" (six decimals); 0 for a matrix without
// elements.
std::string FormatScalar(const mwMatrix& value);
// The value at index 1 as a double; 0 for a matrix without elements.
double ScalarValue(const mwMatrix& value);
// Element 1 := value, leaving any matrix that shared the old data unchanged.
void SetScalar(mwMatrix& target, double value);
