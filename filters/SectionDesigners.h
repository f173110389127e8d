// The numerical functions that turn filter parameters into one biquad section, in their
// normal form: B = f(&A, [further outputs,] inputs...). A function that this build of the
// numerics does not provide yet stands in as a callable of the same form that raises the
// matrix layer's error "Undefined function <name>.", so that the filter classes call every
// function the same way.
#pragma once

#include "matrix/matrix.h"

#include <string>

namespace filters_detail
{
struct CUndefinedDesigner
{
    const char* name;
    template <class... A> mwMatrix operator()(A&&...) const
    {
        error(mwMatrix((std::string("Undefined function ") + name + ".").c_str()));
        return mwMatrix();
    }
};
} // namespace filters_detail

#define MORVANE_SECTION_DESIGNER(name)                                                             \
    inline constexpr ::filters_detail::CUndefinedDesigner name{#name};

#if __has_include("numerics/apcoef80.h")
#include "numerics/apcoef80.h"
#else
MORVANE_SECTION_DESIGNER(apcoef80)
#endif
#if __has_include("numerics/soshelft.h")
#include "numerics/soshelft.h"
#else
MORVANE_SECTION_DESIGNER(soshelft)
#endif
#if __has_include("numerics/soshelfb.h")
#include "numerics/soshelfb.h"
#else
MORVANE_SECTION_DESIGNER(soshelfb)
#endif
#if __has_include("numerics/notch.h")
#include "numerics/notch.h"
#else
MORVANE_SECTION_DESIGNER(notch)
#endif
#if __has_include("numerics/soBUT.h")
#include "numerics/soBUT.h"
#else
MORVANE_SECTION_DESIGNER(soBUT)
#endif
#if __has_include("numerics/soLR.h")
#include "numerics/soLR.h"
#else
MORVANE_SECTION_DESIGNER(soLR)
#endif
#if __has_include("numerics/soCHBI.h")
#include "numerics/soCHBI.h"
#else
MORVANE_SECTION_DESIGNER(soCHBI)
#endif
#if __has_include("numerics/foBUT.h")
#include "numerics/foBUT.h"
#else
MORVANE_SECTION_DESIGNER(foBUT)
#endif
#if __has_include("numerics/soHB.h")
#include "numerics/soHB.h"
#else
MORVANE_SECTION_DESIGNER(soHB)
#endif
#if __has_include("numerics/soLT.h")
#include "numerics/soLT.h"
#else
MORVANE_SECTION_DESIGNER(soLT)
#endif
#if __has_include("numerics/soVQ.h")
#include "numerics/soVQ.h"
#else
MORVANE_SECTION_DESIGNER(soVQ)
#endif
#if __has_include("numerics/allpassfilters.h")
#include "numerics/allpassfilters.h"
#else
MORVANE_SECTION_DESIGNER(allpassfilters)
#endif

#undef MORVANE_SECTION_DESIGNER
