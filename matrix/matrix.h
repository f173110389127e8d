// The whole matrix value layer in one include.
#pragma once

#include "matrix/badalloc.h"
#include "matrix/chainerr.h"
#include "matrix/dblmtrx.h"
#include "matrix/handler.h"
#include "matrix/libinit.h"
#include "matrix/logicerr.h"
#include "matrix/markers.h"
#include "matrix/matmtxif.h"
#include "matrix/mtrxref.h"
#include "matrix/mwexcept.h"
#include "matrix/runerr.h"
#include "matrix/uninit.h"
#include "matrix/wrappers.h"
