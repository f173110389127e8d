#include "matrix/varargout.h"

#include "matrix/nsubarry.h"
#include "matrix/runerr.h"
#include "runtime/cells.h"

#include <algorithm>

namespace
{
constexpr const char* kSource = "varargout";
constexpr int kFillLine = 33;
constexpr int kCellLine = 13;

[[noreturn]] void tooManyOutputs(int line)
{
    mwRuntimeError("Too many output arguments.", line, kSource).Throw();
}
} // namespace

mwOutputList::mwOutputList() : mwOutputList(mwDefaultOutputTag) {}

mwOutputList::mwOutputList(const mwOutputTag& tag)
    : m_single(1), m_nargout(&tag == &mwDefaultOutputTag ? 1 : 0)
{
}

mwOutputList::mwOutputList(TargetMode) : m_single(0), m_nargout(0) {}

mwOutputList::mwOutputList(const mwOutputList& other)
    : m_single(other.m_single), m_nargout(other.m_nargout)
{
    m_targets.Grow(other.Count());
    for (int i = 0; i < other.Count(); ++i)
        m_targets.Append(other.m_targets[i]);
    m_cell.Share(other.m_cell);
}

void mwOutputList::CopyTargets(const mwOutputList& list)
{
    m_targets.Grow(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        m_targets.Append(list.m_targets[i]);
    m_nargout = list.m_nargout;
}

int mwOutputList::AddTarget(const mwOutputTarget& target)
{
    if (!target.target)
        return 0;
    m_targets.Append(target);
    m_nargout += target.count;
    return 1;
}

void mwOutputList::Fill(int n, mxArray** outs)
{
    if (m_single)
    {
        mxArray* first = n > 0 ? outs[0] : nullptr;
        if (n > 0)
            outs[0] = nullptr;
        m_first.Matrix().AssignCell(mwMatrix(first, 1));
        return;
    }
    int k = 0;
    for (int t = 0; t < Count(); ++t)
    {
        const mwOutputTarget& target = m_targets[t];
        if (target.count == 1)
        {
            if (n <= k)
                tooManyOutputs(kFillLine);
            const mwMatrix value(outs[k], 1);
            outs[k] = nullptr;
            if (target.isPart)
                *static_cast<mwSubMatrix*>(target.target) = value;
            else
                *static_cast<mwMatrix*>(target.target) = value;
            ++k;
            continue;
        }
        static_cast<mwSubMatrix*>(target.target)->MultiAssign(outs + k, n - k);
        // Only slots inside the buffer: a target may ask for more than were offered.
        const int taken = std::max(0, std::min(target.count, n - k));
        std::fill(outs + k, outs + k + taken, nullptr);
        k += target.count;
    }
}

mwMatrix mwOutputList::First() const
{
    if (m_single)
        return m_first.Matrix();
    if (Count() == 0 || !m_targets[0].target)
        return mwMatrix(nullptr, 1);
    const mwOutputTarget& target = m_targets[0];
    if (target.isPart)
    {
        const mwMatrix* source = static_cast<const mwSubMatrix*>(target.target)->Source();
        return source ? *source : mwMatrix(nullptr, 1);
    }
    return *static_cast<const mwMatrix*>(target.target);
}

mwMatrix mwOutputList::DistributeCell()
{
    const int n = m_cell.NumberOfElements();
    m_cell.MakeUnique();
    if (m_nargout > n)
        tooManyOutputs(kCellLine);
    Fill(n, static_cast<mxArray**>(mclGetData(m_cell.GetData())));
    return First();
}
