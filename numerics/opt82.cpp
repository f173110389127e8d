#include "numerics/opt82.h"

#include "numerics/MatrixValues.h"
#include "numerics/engine/BandError.h"
#include "numerics/engine/NumericsError.h"

namespace
{
mwLibraryInit s_libraryInit;
}

template <numerics::EVaried kVaried>
void COneParameterForm<kVaried>::Statements(numerics::CFrame<COneParameterForm>& f)
{
    using namespace numerics;
    const std::vector<Complex> resp = ComplexValues(f.In(1));
    const CSectionParameters current{Scalar(f.In(2)), Scalar(f.In(3)), Scalar(f.In(4))};
    const double fs = Scalar(f.In(5));
    const std::span<const double> freq = RealValues(f.In(6));
    const double err = Scalar(f.In(7));
    const CBand band = CBand::FromCounts(Scalar(f.In(8)), Scalar(f.In(9)), Scalar(f.In(11)));
    // The section's response at freq multiplies element by element with resp.
    if (freq.size() != resp.size())
        throw CNumericsError(kDimensionsDisagree);
    const CBandErrorModel model(*CFrequencyGrid::For(freq, fs), resp, RealValues(f.In(10)), freq,
                                band);
    const double fLow = band.Size() > 0 ? freq[std::size_t(band.first)] : 0.0;
    const double fHigh = band.Size() > 0 ? freq[std::size_t(band.last)] : 0.0;
    const COneParameterStep step = OneParameterStep(kVaried, model, current, fs, err, fLow, fHigh);
    f.Out(1) = mwMatrix(step.value);
    f.Out(2) = mwMatrix(step.err);
}

template struct COneParameterForm<numerics::EVaried::Bandwidth>;
template struct COneParameterForm<numerics::EVaried::Amplitude>;
template struct COneParameterForm<numerics::EVaried::CentreFrequency>;
