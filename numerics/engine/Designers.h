// Designers of single digital sections over plain doubles: the all-pass, notch, shelving,
// Butterworth, Linkwitz-Riley, variable-Q, Chebyshev, first-order and plateau sections.
//
// Rows are in ascending powers of z⁻¹ with a denominator whose first coefficient is 1:
// H(z) = (b0 + b1·z⁻¹ + b2·z⁻²) / (1 + a1·z⁻¹ + a2·z⁻²). Frequencies and sample rates are
// in Hz, gains linear unless named in dB. The formulas are evaluated in the order and
// grouping in which the coefficients were always computed, so that results agree to the
// last bit with the device files made from them. Nothing is range-checked.
#pragma once

namespace numerics
{
struct CBiquad
{
    double b[3];
    double a[3];
};

struct CFirstOrder
{
    double b[2];
    double a[2];
};

// b = a = [1 0 0]: passes the signal unchanged.
inline constexpr CBiquad kIdentitySection{{1.0, 0.0, 0.0}, {1.0, 0.0, 0.0}};

// Which side of the cut frequency a high- or low-pass passes.
enum class EPass
{
    High,
    Low,
};

// The second-order all-pass of bandwidth fb around fc: b = [c, e, 1], a = [1, e, c].
CBiquad AllPass(double fb, double fc, double fs);

// (1 + A(z))/2 around the all-pass of bandwidth bw: gain 0 at fc, 1 at 0 Hz and fs/2.
CBiquad Notch(double bw, double fc, double fs);

// First-order Butterworth by the prewarped bilinear transform, rows [x0 x1 0]; −3.01 dB at fc.
CBiquad FirstOrderButterworth(double fc, double fs, EPass pass);

// First-order shelves around the all-pass α = (t − 1)/(t + 1), t = tan(π·fc/fs):
// the bass shelf has gain V0 at 0 Hz and 1 at fs/2, the treble shelf 1 at 0 Hz and g at fs/2.
CFirstOrder FirstOrderBassShelf(double fc, double V0, double fs);
CFirstOrder FirstOrderTrebleShelf(double fc, double g, double fs);

enum class EShelf
{
    Bass,   // gain G below fc, 1 above
    Treble, // 1 below fc, gain G above
};

// Second-order shelf of linear gain G (positive). A gain of 1 (0 dB), or one so close to 1
// that the design formulas have no value (0/0), gives the identity section b = a = [1 0 0].
CBiquad Shelf(EShelf shelf, double fc, double fs, double G);

// The prototype denominator s² + P2·s + ω² of the second-order high- and low-passes.
enum class EPrototype
{
    Butterworth,   // P2 = √2·ω: −3.01 dB at fc
    LinkwitzRiley, // P2 = 2·ω: −6.02 dB at fc
    VariableQ,     // P2 = ω/Q: gain Q at fc
};

// Q is used by EPrototype::VariableQ only.
CBiquad SecondOrderPass(EPrototype prototype, double fc, double fs, double Q, EPass pass);

// Two-pole Chebyshev type I section; |ripple| is the ripple depth in dB. A positive ripple
// ripples between −|ripple| and 0 dB, zero or negative between 0 and +|ripple| dB. A zero
// ripple gives b = a = [1 0 0].
CBiquad Chebyshev(double fc, double fs, double ripple, EPass pass);

// The plateaus as products of two first-order sections, gain in dB:
// low plateau  = Butterworth high-pass at fL times bass shelf at fU;
// high plateau = Butterworth low-pass at fU times treble shelf at fL.
CBiquad LowPlateau(double gain, double fL, double fU, double fs);
CBiquad HighPlateau(double gain, double fL, double fU, double fs);
} // namespace numerics
