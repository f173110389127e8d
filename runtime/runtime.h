// The whole math run-time in one include.
#pragma once

#include "runtime/arrayops.h"
#include "runtime/assertion.h"
#include "runtime/cells.h"
#include "runtime/colon.h"
#include "runtime/elfun.h"
#include "runtime/elmat.h"
#include "runtime/fileio.h"
#include "runtime/forloop.h"
#include "runtime/handlers.h"
#include "runtime/indexing.h"
#include "runtime/memory.h"
#include "runtime/mxarray.h"
#include "runtime/operators.h"
#include "runtime/printarray.h"
#include "runtime/signal.h"
#include "runtime/textformat.h"
