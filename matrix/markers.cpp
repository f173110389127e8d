#include "matrix/markers.h"

#include "matrix/dblmtrx.h"

namespace
{
// Built together on first use, in this order. Each holds one extra reference and owns
// nothing, and the holder itself is never destroyed: the records and the run-time's shared
// arrays stay for the whole run, whatever static destruction order handles sharing them
// are released in.
struct Markers
{
    mwMatrix notSupplied{mclGetUninitializedArray(), 0, 1};
    mwMatrix uninitialized{mclGetUninitializedArray(), 0, 1};
    mwMatrix unassigned{mclGetUnassignedArray(), 0, 1};
};

const Markers& markers()
{
    static const Markers* const instance = new Markers;
    return *instance;
}
} // namespace

const mwMatrix& mwNotSuppliedMarker()
{
    return markers().notSupplied;
}
const mwMatrix& mwUninitializedMarker()
{
    return markers().uninitialized;
}
const mwMatrix& mwUnassignedMarker()
{
    return markers().unassigned;
}
