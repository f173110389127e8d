// Shared pieces of the run-time's library functions: argument-count checks, read-only
// numeric views of arrays, shapes of results and the C numeric locale for text.
#pragma once

#include "runtime/mxarray.h"
#include "runtime/operand.h"

#include <cstdarg>
#include <string>
#include <vector>

// Raises the matrix language's argument-count errors of a library function.
void mclCheckArgCount(int nlhs, int nrhs, int maxOut, int maxIn, int minIn = 0);

// The elements of a double or char array as doubles (characters give their codes), for a
// library function: unlike an operator's operand, null and uninitialized arrays raise
// "Function '<function>' is not defined for undefined values." (cells raise as well).
class mclValues : public mcl::Operand
{
public:
    mclValues(const mxArray* a, const char* function);
    int size() const { return static_cast<int>(count()); }
    bool complex() const { return isComplex(); }
};

// a itself, or the language's error "Function '<function>' is not defined for undefined
// values." for null and uninitialized arrays.
const mxArray* mclDefined(const mxArray* a, const char* function);

// One real number from a 1-by-1 (or larger: the first element) argument; an empty or
// non-numeric argument raises "<what> must be a number.".
double mclScalarArg(const mxArray* a, const char* function, const char* what);

// A new double array with the dimensions of shapeOf.
mxArray* mclCreateLike(const mxArray* shapeOf, bool complex);

// The first dimension (1-based) whose extent is not 1; 1 for a scalar.
int mclDefaultDim(const mxArray* a);
// A dimension argument: a positive whole number, else the language's error.
int mclDimArg(const mxArray* dim, const char* function);

// The text of a char array (characters above 255 become '?').
std::string mclText(const mxArray* a);

// Formats and parses text in the C numeric locale for as long as it lives, whatever
// locale the program set (a decimal point, never a comma).
class mclCNumericLocale
{
public:
    mclCNumericLocale();
    ~mclCNumericLocale();
    mclCNumericLocale(const mclCNumericLocale&) = delete;
    mclCNumericLocale& operator=(const mclCNumericLocale&) = delete;

private:
    void* previous_;
};

// printf into a std::string of exactly the needed length, in the C numeric locale.
std::string mclFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string mclFormatV(const char* format, va_list args);
