// What the section designers and the point readers read from and give back as matrix
// values, beyond numbers (MatrixValues.h): type texts, file names, coefficient rows.
#pragma once

#include "matrix/matrix.h"
#include "numerics/EntryForms.h"
#include "numerics/MatrixValues.h"
#include "numerics/engine/Designers.h"

#include <string>

namespace numerics
{
// A low-pass when characters 1 to 3 of the type text are "low" (case matters, later
// characters do not count), a high-pass otherwise. A text of fewer than three characters
// fails as its subscript 1:3 does, with the index error.
EPass PassOf(const mwMatrix& type);

// The characters of a text matrix.
std::string TextOf(const mwMatrix& text);

// A real result shaped as its source, complex only when the source is.
mwMatrix ValuesLike(const mwMatrix& source, CShape shape, std::span<const Complex> values);

// Outputs 1 and 2 of a designer: the numerator and denominator rows.
template <typename Fn, typename Section> void SetSection(CFrame<Fn>& f, const Section& s)
{
    f.Out(1) = RealRow(s.b);
    f.Out(2) = RealRow(s.a);
}

// The second-order high- and low-passes: (fc, Fs, type), or (fc, Fs, Q, type).
template <typename Fn> void SetPassSection(CFrame<Fn>& f, EPrototype prototype)
{
    const double fc = Scalar(f.In(1));
    const EPass pass = PassOf(f.In(Fn::kInfo.inputs));
    const double Q = Fn::kInfo.inputs == 4 ? Scalar(f.In(3)) : 0.0;
    SetSection(f, SecondOrderPass(prototype, fc, Scalar(f.In(2)), Q, pass));
}
} // namespace numerics
