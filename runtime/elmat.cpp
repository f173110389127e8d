#include "runtime/elmat.h"

#include "runtime/handlers.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <vector>

namespace
{
std::mt19937_64& generator()
{
    static std::mt19937_64 engine(5489u);
    return engine;
}

std::normal_distribution<double>& normal()
{
    static std::normal_distribution<double> distribution(0.0, 1.0);
    return distribution;
}

// One extent from a real element: integers only; negative ones count as 0.
int extentOf(double v)
{
    if (std::isnan(v) || v != std::floor(v))
        mclRaiseError("Size inputs must be integers.");
    if (v > std::numeric_limits<int>::max())
        mclRaiseError("Maximum variable size allowed by the program is exceeded.");
    return v < 0 ? 0 : static_cast<int>(v);
}

std::vector<int> extentsOf(const mxArray* a)
{
    const double* pr = mclGetPr(a);
    if (!mxIsDouble(a) || (!pr && !mxIsEmpty(a)))
        mclRaiseError("Size inputs must be numeric.");
    std::vector<int> out;
    for (int i = 0; i < mxGetNumberOfElements(a); ++i)
        out.push_back(extentOf(pr[i]));
    return out;
}

// The shape asked for by the size arguments (see elmat.h).
std::vector<int> shapeOf(const mxArray* m, const mxArray* n)
{
    if (!m && !n)
        return {1, 1};
    if (m && n)
    {
        const std::vector<int> rows = extentsOf(m);
        const std::vector<int> cols = extentsOf(n);
        if (rows.size() != 1 || cols.size() != 1)
            mclRaiseError("Size inputs must be scalar.");
        return {rows[0], cols[0]};
    }
    std::vector<int> dims = extentsOf(m ? m : n);
    if (dims.empty())
        return {0, 0};
    if (dims.size() == 1)
        dims.push_back(dims[0]);
    return dims;
}

template <class Fill> mxArray* filled(const std::vector<int>& dims, Fill fill)
{
    mxArray* a =
        mclCreateNumericArray(static_cast<int>(dims.size()), dims.data(), mxDOUBLE_CLASS, mxREAL);
    fill(mclGetPr(a), static_cast<std::size_t>(mxGetNumberOfElements(a)));
    return a;
}

// Writes the magic square of order n >= 1 in column-major order.
void fillMagic(double* out, int n);

void fillOdd(double* out, int n)
{
    // The siamese construction in closed form.
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
        {
            const int a = ((i + 1) + (j + 1) - (n + 3) / 2 + 2 * n) % n;
            const int b = ((i + 1) + 2 * (j + 1) - 2) % n;
            out[i + j * n] = n * a + b + 1;
        }
}

void fillDoublyEven(double* out, int n)
{
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
        {
            const double v = static_cast<double>(i) * n + j + 1;
            const bool flip = ((i + 1) % 4) / 2 == ((j + 1) % 4) / 2;
            out[i + j * n] = flip ? static_cast<double>(n) * n + 1 - v : v;
        }
}

void fillSinglyEven(double* out, int n)
{
    const int p = n / 2;
    std::vector<double> quarter(static_cast<std::size_t>(p) * p);
    fillMagic(quarter.data(), p);
    const double offsets[2][2] = {{0.0, 2.0 * p * p}, {3.0 * p * p, 1.0 * p * p}};
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            out[i + j * n] = quarter[(i % p) + (j % p) * p] + offsets[i / p][j / p];
    if (n == 2)
        return;
    // Swap the upper and lower halves of the columns that make the sums equal.
    const int k = (n - 2) / 4;
    auto swapRows = [&](int row, int col)
    { std::swap(out[row + col * n], out[row + p + col * n]); };
    for (int j = 0; j < n; ++j)
    {
        if (j < k || j >= n - k + 1)
            for (int i = 0; i < p; ++i)
                swapRows(i, j);
    }
    swapRows(k, 0);
    swapRows(k, k);
}

void fillMagic(double* out, int n)
{
    if (n % 2 == 1)
        fillOdd(out, n);
    else if (n % 4 == 0)
        fillDoublyEven(out, n);
    else
        fillSinglyEven(out, n);
}
} // namespace

mxArray* mlfEye(const mxArray* m, const mxArray* n)
{
    const std::vector<int> dims = shapeOf(m, n);
    if (dims.size() != 2)
        mclRaiseError("N-dimensional arrays are not supported.");
    return filled(dims,
                  [&](double* pr, std::size_t)
                  {
                      for (int i = 0; i < dims[0] && i < dims[1]; ++i)
                          pr[i + static_cast<std::size_t>(i) * dims[0]] = 1.0;
                  });
}

mxArray* mlfOnes(const mxArray* m, const mxArray* n)
{
    return filled(shapeOf(m, n),
                  [](double* pr, std::size_t count)
                  {
                      for (std::size_t i = 0; i < count; ++i)
                          pr[i] = 1.0;
                  });
}

mxArray* mlfRand(const mxArray* m, const mxArray* n)
{
    return filled(shapeOf(m, n),
                  [](double* pr, std::size_t count)
                  {
                      // 53 random bits, centred in their interval: never 0, never 1.
                      for (std::size_t i = 0; i < count; ++i)
                          pr[i] = (static_cast<double>(generator()() >> 11) + 0.5) * 0x1p-53;
                  });
}

mxArray* mlfRandn(const mxArray* m, const mxArray* n)
{
    return filled(shapeOf(m, n),
                  [](double* pr, std::size_t count)
                  {
                      for (std::size_t i = 0; i < count; ++i)
                          pr[i] = normal()(generator());
                  });
}

mxArray* mlfMagic(const mxArray* n)
{
    if (!n)
        mclRaiseError("Not enough input arguments.");
    const std::vector<int> order = extentsOf(n);
    if (order.size() != 1)
        mclRaiseError("Size inputs must be scalar.");
    const int dims[2] = {order[0], order[0]};
    mxArray* a = mclCreateNumericArray(2, dims, mxDOUBLE_CLASS, mxREAL);
    if (order[0] > 0)
        fillMagic(mclGetPr(a), order[0]);
    return a;
}

void mclSeedRandom(std::uint32_t seed)
{
    generator().seed(seed);
    normal().reset();
}
