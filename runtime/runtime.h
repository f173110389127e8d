// The whole math run-time in one include.
#pragma once

#include "runtime/assertion.h"
#include "runtime/elmat.h"
#include "runtime/handlers.h"
#include "runtime/memory.h"
#include "runtime/mxarray.h"
#include "runtime/printarray.h"
#include "runtime/relational.h"
