// The three entry forms that every numerical function has, made from one description.
//
// A numerical function is a type Fn with
//   static constexpr CFunctionInfo kInfo;          its name, counts, feval line, ...
//   static void Statements(CFrame<Fn>& frame);      its statements over its inputs
// and gets its forms from one line. For a function "soBUT" of 3 inputs and 2 outputs,
// declared on line 1, without cancellation point, taking its first output by checking
// assignment:
//   MORVANE_NUMERICAL_FUNCTION(soBUT, SoBUT, 3, 2, 1, None, Checking)
// declares the type CSoBUTForm, whose Statements the function's source defines, and
// (through MORVANE_ENTRY_FORMS, usable alone for a hand-written type)
//   soBUT(o2, ..., oM, in1, ..., inN)    the normal form (output pointers may be null;
//                                        trailing arguments may be left out)
//   MsoBUT(o2, ..., oM, nargout, in...)  the body
//   mlxSoBUT(nlhs, plhs, nrhs, prhs)     the feval form, in the run-time's convention
#pragma once

#include "matrix/matrix.h"
#include "numerics/CheckUserAbort.h"
#include "numerics/FevalContext.h"
#include "numerics/engine/NumericsError.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace numerics
{
// Where the normal form calls the cancellation point.
enum class ECancellation
{
    None,
    First,        // before anything else
    AfterOutputs, // once its output matrices are made
};

// How the body's first output is taken into the caller's first output.
enum class EFirstOutput
{
    Checking, // mwMatrix::operator=
    Plain,    // mwMatrix::Assign
};

struct CFunctionInfo
{
    const char* name;
    int inputs;
    int outputs;
    int line; // of the declaration, for the feval form's messages
    ECancellation cancellation;
    EFirstOutput firstOutput;
};

template <typename Fn> inline constexpr std::size_t kInputs = std::size_t(Fn::kInfo.inputs);
template <typename Fn> inline constexpr std::size_t kOutputs = std::size_t(Fn::kInfo.outputs);
template <typename Fn> using COutputPointers = std::array<mwMatrix*, kOutputs<Fn> - 1>;
template <typename Fn> using CInputs = std::array<mwMatrix, kInputs<Fn>>;

// What the statements of a body work on: copies of the inputs, the outputs (output 1 is
// the body's own, the others the caller's, never null) and the output count wanted.
template <typename Fn> struct CFrame
{
    CInputs<Fn>& in;
    std::array<mwMatrix*, kOutputs<Fn>> out;
    int nargout;

    mwMatrix& In(int i) { return in[std::size_t(i - 1)]; }
    mwMatrix& Out(int i) { return *out[std::size_t(i - 1)]; }
};

// The body frame: input check, statements, output check. Engine failures leave as errors
// of the matrix layer.
template <typename Fn> mwMatrix RunBody(COutputPointers<Fn> outs, int nargout, CInputs<Fn> in)
{
    mwUninitMatrix first;
    CFrame<Fn> frame{in, {}, nargout};
    frame.out[0] = &first.Matrix();
    for (std::size_t i = 1; i < kOutputs<Fn>; ++i)
        frame.out[i] = outs[i - 1];
    std::array<mwMatrix*, kInputs<Fn>> inputs;
    for (std::size_t i = 0; i < kInputs<Fn>; ++i)
        inputs[i] = &in[i];
    mwErrorIfUndefinedInput(Fn::kInfo.name, inputs);
    try
    {
        Fn::Statements(frame);
    }
    catch (const CNumericsError& e)
    {
        error(mwMatrix(e.what()));
    }
    mwWarnIfUnassignedOutput(Fn::kInfo.name, Fn::kInfo.outputs, nargout, frame.out);
    return first.Matrix();
}

template <typename Fn> void TakeFirstOutput(mwMatrix& target, const mwMatrix& result)
{
    if constexpr (Fn::kInfo.firstOutput == EFirstOutput::Checking)
        target = result;
    else
        target.Assign(result);
}

// The normal form; nargout < 0 counts the output pointers that are not null.
template <typename Fn>
mwMatrix RunNormal(COutputPointers<Fn> callerOuts, const CInputs<Fn>& in, int nargout = -1)
{
    if constexpr (Fn::kInfo.cancellation == ECancellation::First)
        CheckUserAbort();
    mwUninitMatrix first;
    std::array<mwUninitMatrix, kOutputs<Fn> - 1> locals;
    if constexpr (Fn::kInfo.cancellation == ECancellation::AfterOutputs)
        CheckUserAbort();
    if (nargout < 0)
    {
        nargout = 1;
        for (mwMatrix* p : callerOuts)
            nargout += p ? 1 : 0;
    }
    COutputPointers<Fn> outs;
    for (std::size_t i = 0; i < outs.size(); ++i)
        outs[i] = &locals[i].Matrix();
    TakeFirstOutput<Fn>(first.Matrix(), RunBody<Fn>(outs, nargout, in));
    for (std::size_t i = 0; i < callerOuts.size(); ++i)
        if (callerOuts[i])
            callerOuts[i]->Assign(locals[i].Matrix());
    return first.Matrix();
}

// "Run-time Error: File: name Line: L Column: 0 The function "name" was called with more
// than the declared number of <what> (count)".
std::string CountMessage(const CFunctionInfo& info, const char* what, int count);

// The feval form, in the run-time's calling convention.
template <typename Fn> void RunFeval(int nlhs, mxArray* plhs[], int nrhs, mxArray* prhs[])
{
    CFevalContext context;
    try
    {
        CInputs<Fn> in;
        std::array<mwMatrix, kOutputs<Fn>> out;
        if (nlhs > Fn::kInfo.outputs)
            error(mwMatrix(CountMessage(Fn::kInfo, "outputs", Fn::kInfo.outputs).c_str()));
        if (nrhs > Fn::kInfo.inputs)
            error(mwMatrix(CountMessage(Fn::kInfo, "inputs", Fn::kInfo.inputs).c_str()));
        for (std::size_t i = 0; i < kInputs<Fn>; ++i)
            if (int(i) < nrhs)
                in[i] = mwMatrix(prhs[i], 0);
            else
                in[i].SetNotSupplied();
        COutputPointers<Fn> outs;
        for (std::size_t i = 0; i < outs.size(); ++i)
            outs[i] = &out[i + 1];
        TakeFirstOutput<Fn>(out[0], RunBody<Fn>(outs, nlhs, in));
        plhs[0] = out[0].ReleaseData();
        for (int i = 1; i < Fn::kInfo.outputs && i < nlhs; ++i)
            plhs[i] = out[std::size_t(i)].ReleaseData();
    }
    catch (const mwException& e)
    {
        context.Fail(e);
    }
    context.Leave();
}

// Sorts call arguments: the first M − 1 are output pointers (nullptr for an output not
// wanted); in a body call the next one is nargout; the rest are inputs, and inputs left
// out are not supplied.
template <typename Fn, bool kWithNargout> struct CArguments
{
    COutputPointers<Fn> outs{};
    int nargout = 0;
    CInputs<Fn> in;

    template <typename... A> explicit CArguments(A&&... args)
    {
        static_assert(sizeof...(A) <= kOutputs<Fn> - 1 + kWithNargout + kInputs<Fn>,
                      "too many arguments");
        for (mwMatrix& m : in)
            m.SetNotSupplied();
        Put(std::index_sequence_for<A...>{}, std::forward<A>(args)...);
    }

private:
    static constexpr std::size_t kFirstInput = kOutputs<Fn> - 1 + kWithNargout;

    template <std::size_t... K, typename... A> void Put(std::index_sequence<K...>, A&&... args)
    {
        (PutOne<K>(std::forward<A>(args)), ...);
    }
    template <std::size_t K, typename A> void PutOne(A&& arg)
    {
        if constexpr (K < kOutputs<Fn> - 1)
            outs[K] = arg;
        else if constexpr (K < kFirstInput)
            nargout = arg;
        else
            in[K - kFirstInput].Assign(mwMatrix(std::forward<A>(arg)));
    }
};

template <typename Fn> struct CNormalForm
{
    template <typename... A> mwMatrix operator()(A&&... args) const
    {
        const CArguments<Fn, false> a(std::forward<A>(args)...);
        return RunNormal<Fn>(a.outs, a.in);
    }
};

template <typename Fn> struct CBodyForm
{
    template <typename... A> mwMatrix operator()(A&&... args) const
    {
        const CArguments<Fn, true> a(std::forward<A>(args)...);
        return RunBody<Fn>(a.outs, a.nargout, a.in);
    }
};
} // namespace numerics

#define MORVANE_ENTRY_FORMS(name, Name, Fn)                                                        \
    inline constexpr ::numerics::CNormalForm<Fn> name{};                                           \
    inline constexpr ::numerics::CBodyForm<Fn> M##name{};                                          \
    inline constexpr auto mlx##Name = &::numerics::RunFeval<Fn>;

#define MORVANE_NUMERICAL_FUNCTION(name, Name, inputs, outputs, line, cancellation, firstOutput)   \
    struct C##Name##Form                                                                           \
    {                                                                                              \
        static constexpr ::numerics::CFunctionInfo kInfo{#name,                                    \
                                                         inputs,                                   \
                                                         outputs,                                  \
                                                         line,                                     \
                                                         ::numerics::ECancellation::cancellation,  \
                                                         ::numerics::EFirstOutput::firstOutput};   \
        static void Statements(::numerics::CFrame<C##Name##Form>& f);                              \
    };                                                                                             \
    MORVANE_ENTRY_FORMS(name, Name, C##Name##Form)
