// mwOutputList: carries the output targets of a call with a variable number of outputs into
// a function wrapper, and afterwards distributes the run-time's output arrays over them.
//
// A list made from the default tag asks for one output and keeps it itself (single-output
// mode); the wrapper's result is then that output. A list of targets asks for the sum of
// their counts and assigns the outputs to them in order. Up to 10 targets sit inside the
// list; a full list doubles its room in storage from the run-time's allocator. The list
// neither owns nor destroys its targets.
#pragma once

#include "matrix/dblmtrx.h"
#include "matrix/outtarget.h"
#include "matrix/slots.h"
#include "matrix/uninit.h"

#include <concepts>

template <class... T>
concept mwOutputTargets = (std::convertible_to<T, mwOutputTarget> && ...);

class mwOutputList
{
public:
    mwOutputList(); // from mwDefaultOutputTag
    explicit mwOutputList(const mwOutputTag& tag);
    // The targets in order, up to the first mwNoOutputTarget (up to 32).
    template <class... T>
    requires(sizeof...(T) <= 31 && mwOutputTargets<T...>)
        mwOutputList(const mwOutputTarget& first, T&&... rest)
        : mwOutputList(TargetMode{})
    {
        static_cast<void>((AddTarget(first) && ... && AddTarget(rest)));
    }
    // The targets of list, then the further ones up to the first mwNoOutputTarget.
    template <class... T>
    requires(sizeof...(T) >= 1 && sizeof...(T) <= 32 && mwOutputTargets<T...>)
        mwOutputList(const mwOutputList& list, T&&... rest)
        : mwOutputList(TargetMode{})
    {
        CopyTargets(list);
        static_cast<void>((AddTarget(rest) && ...));
    }
    mwOutputList(const mwOutputList& other); // the same targets, mode and output count
    mwOutputList& operator=(const mwOutputList&) = delete;
    ~mwOutputList() = default; // first output, then cell, then target storage

    int AddTarget(const mwOutputTarget& target); // 0 for mwNoOutputTarget, else 1
    int NumberOfOutputs() const { return m_nargout; }
    int Count() const { return m_targets.Count(); }
    int Capacity() const { return m_targets.Capacity(); }
    // Hands n run-time output arrays to the targets; each array given to a target leaves
    // the buffer (its slot set to null). Throws mwRuntimeError "Too many output arguments."
    // when a target finds no array left.
    void Fill(int n, mxArray** outs);
    mwMatrix First() const; // the call's result
    // The cell array whose elements DistributeCell hands out.
    void SetCell(const mwMatrix& cell) { m_cell.Share(cell); }
    mwMatrix DistributeCell();

private:
    struct TargetMode
    {
    };
    explicit mwOutputList(TargetMode);
    void CopyTargets(const mwOutputList& list);

    mwSlots<mwOutputTarget> m_targets;
    mwMatrix m_cell;
    int m_single;
    mwUninitMatrix m_first;
    int m_nargout;
};
