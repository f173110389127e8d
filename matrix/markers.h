// The marker values: static matrices that stand for states rather than data.
//
//   mwNotSupplied   an omitted argument or output; tested by mwMatrix::IsNotSupplied, which
//                   compares records (only handles sharing this record count)
//   mwUninitialized a second uninitialized marker, for the comparison operators
//   mwUnassigned    a value that was never assigned; tested by mwMatrix::IsUnassigned, which
//                   compares run-time arrays
//
// The markers are built on first use, in the order above, so they exist before any code
// can use them whatever the order of static initialization. Their records hold one extra
// reference and own nothing: they and the run-time's shared arrays are never freed.
#pragma once

class mwMatrix;

const mwMatrix& mwNotSuppliedMarker();
const mwMatrix& mwUninitializedMarker();
const mwMatrix& mwUnassignedMarker();

#define mwNotSupplied (::mwNotSuppliedMarker())
#define mwUninitialized (::mwUninitializedMarker())
#define mwUnassigned (::mwUnassignedMarker())
