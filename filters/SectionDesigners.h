// The numerical functions that turn filter parameters into one biquad section, in their
// normal form: B = f(&A, [further outputs,] inputs...).
#pragma once

#include "numerics/allpassfilters.h"
#include "numerics/apcoef80.h"
#include "numerics/foBUT.h"
#include "numerics/notch.h"
#include "numerics/soBUT.h"
#include "numerics/soCHBI.h"
#include "numerics/soHB.h"
#include "numerics/soLR.h"
#include "numerics/soLT.h"
#include "numerics/soVQ.h"
#include "numerics/soshelfb.h"
#include "numerics/soshelft.h"
