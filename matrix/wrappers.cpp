#include "matrix/wrappers.h"

#include "matrix/nsubarry.h"
#include "matrix/slots.h"
#include "runtime/runtime.h"

#include <cmath>

namespace
{
// The argument's array in the explicit convention: null when not supplied.
mxArray* explicitArg(const mwMatrix& m)
{
    return m.IsNotSupplied() ? nullptr : m.GetData();
}

// max and min test the array itself, so any value over the not-supplied array is absent.
mxArray* presentArg(const mwMatrix& m)
{
    return m.GetData() == mwNotSupplied.GetData() ? nullptr : m.GetData();
}

// Destroys the output arrays nobody took, also while an exception passes.
struct Leftovers
{
    mwSlots<mxArray*>& outs;
    ~Leftovers()
    {
        for (int i = 0; i < outs.Count(); ++i)
            mxDestroyArray(outs[i]);
    }
};

// Hands an optional output to the caller's matrix, or destroys it.
void handOver(mxArray* a, mwMatrix* target)
{
    if (target)
        *target = mwMatrix(a, 1);
    else
        mxDestroyArray(a);
}

using Explicit1 = mxArray* (*)(mxArray*);
using Explicit2 = mxArray* (*)(const mxArray*, const mxArray*);

mwMatrix call(Explicit1 f, const mwMatrix& x)
{
    return mwMatrix(f(explicitArg(x)), 1);
}
mwMatrix call(Explicit2 f, const mwMatrix& a, const mwMatrix& b)
{
    return mwMatrix(f(explicitArg(a), explicitArg(b)), 1);
}
} // namespace

mwMatrix mwCallMlx(mlxFunction f, int nlhs, std::initializer_list<const mwMatrix*> args)
{
    mxArray* inputs[32] = {};
    int nrhs = 0;
    for (const mwMatrix* arg : args)
    {
        if (nrhs == 32 || arg->IsNotSupplied())
            break;
        inputs[nrhs++] = arg->GetData();
    }
    mxArray* outputs[1] = {nullptr};
    f(nlhs, outputs, nrhs, inputs);
    if (nlhs == 0)
    {
        mxDestroyArray(outputs[0]);
        outputs[0] = nullptr;
    }
    return mwMatrix(outputs[0], 1);
}

mwMatrix mwCallMlxList(mlxFunction f, const mwMatrix* first, const mwIndexList& list)
{
    if (first && first->IsNotSupplied())
    {
        mxArray* out[1] = {nullptr};
        f(1, out, 0, nullptr);
        return mwMatrix(out[0], 1);
    }
    const int lead = first ? 1 : 0;
    mwSlots<mxArray*> inputs(list.Count() + lead);
    if (first)
        inputs[0] = first->GetData();
    list.GetArrays(inputs.Data() + lead);
    mxArray* out[1] = {nullptr};
    f(1, out, list.Count() + lead, inputs.Data());
    return mwMatrix(out[0], 1);
}

void error(const mwMatrix& message)
{
    mwCallMlx(mlxError, 0, {&message});
}
void disp(const mwMatrix& x)
{
    mwCallMlx(mlxDisp, 0, {&x});
}
mwMatrix lasterr(const mwMatrix& message)
{
    return mwCallMlx(mlxLasterr, 1, {&message});
}

mwMatrix abs(const mwMatrix& x)
{
    return mwCallMlx(mlxAbs, 1, {&x});
}
mwMatrix asinh(const mwMatrix& x)
{
    return mwCallMlx(mlxAsinh, 1, {&x});
}
mwMatrix ceil(const mwMatrix& x)
{
    return mwCallMlx(mlxCeil, 1, {&x});
}
mwMatrix cos(const mwMatrix& x)
{
    return mwCallMlx(mlxCos, 1, {&x});
}
mwMatrix cosh(const mwMatrix& x)
{
    return mwCallMlx(mlxCosh, 1, {&x});
}
mwMatrix ctranspose(const mwMatrix& x)
{
    return mwCallMlx(mlxCtranspose, 1, {&x});
}
mwMatrix exp(const mwMatrix& x)
{
    return mwCallMlx(mlxExp, 1, {&x});
}
mwMatrix finite(const mwMatrix& x)
{
    return mwCallMlx(mlxFinite, 1, {&x});
}
mwMatrix fix(const mwMatrix& x)
{
    return mwCallMlx(mlxFix, 1, {&x});
}
mwMatrix floor(const mwMatrix& x)
{
    return mwCallMlx(mlxFloor, 1, {&x});
}
mwMatrix imag(const mwMatrix& x)
{
    return mwCallMlx(mlxImag, 1, {&x});
}
mwMatrix ischar(const mwMatrix& x)
{
    return mwCallMlx(mlxIschar, 1, {&x});
}
mwMatrix isfinite(const mwMatrix& x)
{
    return mwCallMlx(mlxIsfinite, 1, {&x});
}
mwMatrix isinf(const mwMatrix& x)
{
    return mwCallMlx(mlxIsinf, 1, {&x});
}
mwMatrix isnan(const mwMatrix& x)
{
    return mwCallMlx(mlxIsnan, 1, {&x});
}
mwMatrix length(const mwMatrix& x)
{
    return mwCallMlx(mlxLength, 1, {&x});
}
mwMatrix log2(const mwMatrix& x)
{
    return mwCallMlx(mlxLog2, 1, {&x});
}
mwMatrix logical(const mwMatrix& x)
{
    return mwCallMlx(mlxLogical, 1, {&x});
}
mwMatrix real(const mwMatrix& x)
{
    return mwCallMlx(mlxReal, 1, {&x});
}
mwMatrix round(const mwMatrix& x)
{
    return mwCallMlx(mlxRound, 1, {&x});
}
mwMatrix sign(const mwMatrix& x)
{
    return mwCallMlx(mlxSign, 1, {&x});
}
mwMatrix sin(const mwMatrix& x)
{
    return mwCallMlx(mlxSin, 1, {&x});
}
mwMatrix sinh(const mwMatrix& x)
{
    return mwCallMlx(mlxSinh, 1, {&x});
}
mwMatrix sqrt(const mwMatrix& x)
{
    return mwCallMlx(mlxSqrt, 1, {&x});
}
mwMatrix tan(const mwMatrix& x)
{
    return mwCallMlx(mlxTan, 1, {&x});
}
mwMatrix transpose(const mwMatrix& x)
{
    return mwCallMlx(mlxTranspose, 1, {&x});
}
mwMatrix pi()
{
    return mwCallMlx(mlxPi, 1, {});
}

mwMatrix times(const mwMatrix& a, const mwMatrix& b)
{
    return mwCallMlx(mlxTimes, 1, {&a, &b});
}
mwMatrix rdivide(const mwMatrix& a, const mwMatrix& b)
{
    return mwCallMlx(mlxRdivide, 1, {&a, &b});
}
mwMatrix power(const mwMatrix& a, const mwMatrix& b)
{
    return mwCallMlx(mlxPower, 1, {&a, &b});
}
mwMatrix pow2(const mwMatrix& a, const mwMatrix& b)
{
    return mwCallMlx(mlxPow2, 1, {&a, &b});
}
mwMatrix strcmp(const mwMatrix& a, const mwMatrix& b)
{
    return mwCallMlx(mlxStrcmp, 1, {&a, &b});
}
mwMatrix sum(const mwMatrix& x, const mwMatrix& dim)
{
    return mwCallMlx(mlxSum, 1, {&x, &dim});
}
mwMatrix any(const mwMatrix& x, const mwMatrix& dim)
{
    return mwCallMlx(mlxAny, 1, {&x, &dim});
}
mwMatrix colon(const mwMatrix& a, const mwMatrix& b, const mwMatrix& c)
{
    return mwCallMlx(mlxColon, 1, {&a, &b, &c});
}
mwMatrix fft(const mwMatrix& x, const mwMatrix& n, const mwMatrix& dim)
{
    return mwCallMlx(mlxFft, 1, {&x, &n, &dim});
}
mwMatrix end(const mwMatrix& x, const mwMatrix& k, const mwMatrix& n)
{
    return mwCallMlx(mlxEnd, 1, {&x, &k, &n});
}

mwMatrix fopen(const mwMatrix& name, const mwMatrix& mode, const mwMatrix& format)
{
    return mwCallMlx(mlxFopen, 1, {&name, &mode, &format});
}
mwMatrix fclose(const mwMatrix& fid)
{
    return mwCallMlx(mlxFclose, 1, {&fid});
}
mwMatrix fgetl(const mwMatrix& fid)
{
    return mwMatrix(mlfFgetl(explicitArg(fid)), 1);
}
mwMatrix fscanf(const mwMatrix& fid, const mwMatrix& format, const mwMatrix& size)
{
    return mwCallMlx(mlxFscanf, 1, {&fid, &format, &size});
}

mwMatrix size(mwOutputList outputs, const mwMatrix& x, const mwMatrix& dim)
{
    const int nargout = outputs.NumberOfOutputs();
    mwSlots<mxArray*> outs(nargout);
    outs.SetCount(nargout);
    for (int i = 0; i < nargout; ++i)
        outs[i] = nullptr;
    Leftovers leftovers{outs};
    mxArray* inputs[2] = {};
    int nrhs = 0;
    for (const mwMatrix* arg : {&x, &dim})
    {
        if (arg->IsNotSupplied())
            break;
        inputs[nrhs++] = arg->GetData();
    }
    mlxSize(nargout, outs.Data(), nrhs, inputs);
    outputs.Fill(nargout, outs.Data());
    return outputs.First();
}

mwMatrix size(const mwMatrix& x, const mwMatrix& dim)
{
    return size(mwOutputList(), x, dim);
}

mwMatrix log10(const mwMatrix& x)
{
    return call(mlfLog10, x);
}
mwMatrix angle(const mwMatrix& x)
{
    return call(mlfAngle, x);
}
mwMatrix mod(const mwMatrix& a, const mwMatrix& b)
{
    return call(mlfMod, a, b);
}
mwMatrix lcm(const mwMatrix& a, const mwMatrix& b)
{
    return call(mlfLcm, a, b);
}
mwMatrix conv(const mwMatrix& a, const mwMatrix& b)
{
    return mwMatrix(mlfConv(explicitArg(a), explicitArg(b)), 1);
}
mwMatrix unwrap(const mwMatrix& p, const mwMatrix& tol, const mwMatrix& dim)
{
    return mwMatrix(mlfUnwrap(explicitArg(p), explicitArg(tol), explicitArg(dim)), 1);
}
mwMatrix interp1q(const mwMatrix& x, const mwMatrix& y, const mwMatrix& xi)
{
    return mwMatrix(mlfInterp1q(explicitArg(x), explicitArg(y), explicitArg(xi)), 1);
}
mwMatrix logspace(const mwMatrix& a, const mwMatrix& b, const mwMatrix& n)
{
    return mwMatrix(mlfLogspace(explicitArg(a), explicitArg(b), explicitArg(n)), 1);
}

mwMatrix max(const mwMatrix& a, const mwMatrix& b, const mwMatrix& dim)
{
    return mwMatrix(mlfMax(nullptr, a.GetData(), presentArg(b), presentArg(dim)), 1);
}

mwMatrix min(const mwMatrix& a, const mwMatrix& b, const mwMatrix& dim)
{
    return mwMatrix(mlfMin(nullptr, a.GetData(), presentArg(b), presentArg(dim)), 1);
}

mwMatrix max(mwMatrix* index, const mwMatrix& a, const mwMatrix& b, const mwMatrix& dim)
{
    mxArray* where = nullptr;
    mwMatrix result(mlfMax(&where, a.GetData(), presentArg(b), presentArg(dim)), 1);
    handOver(where, index);
    return result;
}

mwMatrix pol2cart(mwMatrix* y, const mwMatrix& theta, const mwMatrix& rho, const mwMatrix& z)
{
    mxArray* second = nullptr;
    mwMatrix x(mlfPol2cart(&second, nullptr, explicitArg(theta), explicitArg(rho), explicitArg(z)),
               1);
    handOver(second, y);
    return x;
}

mwMatrix polyval(int nargout, mwMatrix* delta, const mwMatrix& p, const mwMatrix& x,
                 const mwMatrix& s)
{
    mxArray* error = nullptr;
    mwMatrix y(mlfNPolyval(nargout, nargout > 1 ? &error : nullptr, explicitArg(p), explicitArg(x),
                           explicitArg(s)),
               1);
    if (nargout > 1)
        handOver(error, delta);
    return y;
}

mwMatrix polyval(const mwMatrix& p, const mwMatrix& x)
{
    return polyval(1, nullptr, p, x);
}

bool tobool(const mwMatrix& x)
{
    return mlfTobool(x.GetData()) != 0;
}

mwMatrix iscomplex(const mwMatrix& x)
{
    return logical(mwMatrix(mxIsComplex(x.GetData()) ? 1 : 0));
}

mwMatrix abs(const mwSubMatrix& part)
{
    return abs(mwMatrix(part));
}
mwMatrix log10(const mwSubMatrix& part)
{
    return log10(mwMatrix(part));
}
