#include "matrix/markers.h"

#include "matrix/dblmtrx.h"

namespace
{
// Built together on first use, in this order; each holds one extra reference, so the exit
// destruction of this object drops only the ordinary one and the records survive.
struct Markers
{
    mwMatrix notSupplied{mclGetUninitializedArray(), 0, 1};
    mwMatrix uninitialized{mclGetUninitializedArray(), 0, 1};
    mwMatrix unassigned{mclGetUnassignedArray(), 0, 1};
};

const Markers& markers()
{
    static const Markers instance;
    return instance;
}
} // namespace

const mwMatrix& mwNotSuppliedMarker() { return markers().notSupplied; }
const mwMatrix& mwUninitializedMarker() { return markers().uninitialized; }
const mwMatrix& mwUnassignedMarker() { return markers().unassigned; }
