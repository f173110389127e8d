// The whole math run-time in one include.
#pragma once

#include "runtime/handlers.h"
#include "runtime/memory.h"
#include "runtime/mxarray.h"
