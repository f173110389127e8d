// Peaking EQ section around a second-order all-pass A(z): H(z) = 1 + (H0/2)·(1 − A(z)),
// H0 = V0 − 1, so that the gain is V0 at the centre frequency and 1 at 0 Hz and fs/2.
#pragma once

namespace numerics
{
struct CPeakingSection
{
    double b[3];   // numerator [b0 b1 b2]
    double a[3];   // denominator [1 a1 a2]
    double d;      // centre-frequency coefficient of the all-pass
    double minusK; // −k, the same value as a2
    double H0;     // V0 − 1
};

// V0: linear gain at fc; fb: bandwidth in Hz; fc: centre frequency in Hz; fs: sample rate
// in Hz. A cut (V0 < 1) takes V0 into the bandwidth coefficient, so that a cut by 1/V0 is
// the exact inverse of a boost by V0. Nothing is range-checked.
CPeakingSection Apcoef80(double V0, double fb, double fc, double fs);
} // namespace numerics
