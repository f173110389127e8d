#include "matrix/wrappers.h"

#include "runtime/handlers.h"

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

void error(const mwMatrix& message)
{
    mwCallMlx(mlxError, 0, {&message});
}

mwMatrix lasterr(const mwMatrix& message)
{
    return mwCallMlx(mlxLasterr, 1, {&message});
}
