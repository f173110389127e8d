// Scoped changes of a device context's drawing state. Each restorer makes its change when
// constructed and puts the previous value back when Restore is called; the restore is
// explicit, and destroying a restorer that was not restored is a failed check (the device
// context then keeps the change). Restorers of different kinds may be restored in any
// order.
#pragma once

#include "framework/core/DeviceContext.h"

class CRestorerBase
{
public:
    CRestorerBase(const CRestorerBase&) = delete;
    CRestorerBase& operator=(const CRestorerBase&) = delete;
    virtual ~CRestorerBase();

protected:
    explicit CRestorerBase(CDC* pDC);
    static void ReportNull(const char* name);
    // Marks the restorer restored; true.
    bool MarkRestored();

    CDC* m_pDC;
    bool m_bWasRestored = false;
};

// T is the kind of state; Exchange sets a value and returns the one it replaces.
template <typename T, T (*Exchange)(CDC&, const T&)> class CStateRestorer : public CRestorerBase
{
public:
    CStateRestorer(CDC* pDC, const T& value) : CStateRestorer(pDC, &value, nullptr) {}
    bool Restore()
    {
        if (m_bChanged && !m_bWasRestored)
            Exchange(*m_pDC, m_Old);
        return MarkRestored();
    }

protected:
    // A null value is the failed check "name" and changes nothing.
    CStateRestorer(CDC* pDC, const T* pValue, const char* name) : CRestorerBase(pDC)
    {
        if (!pValue)
            ReportNull(name);
        else if (m_pDC)
        {
            m_Old = Exchange(*m_pDC, *pValue);
            m_bChanged = true;
        }
    }

private:
    T m_Old{};
    bool m_bChanged = false;
};

namespace RestoreDetail
{
template <typename T> T Select(CDC& dc, const T& object)
{
    return dc.SelectObject(object);
}
inline unsigned Align(CDC& dc, const unsigned& flags)
{
    return dc.SetTextAlign(flags);
}
inline COLORREF Color(CDC& dc, const COLORREF& color)
{
    return dc.SetTextColor(color);
}
} // namespace RestoreDetail

class CFontRestorer : public CStateRestorer<CFont, &RestoreDetail::Select<CFont>>
{
public:
    CFontRestorer(CDC* pDC, const CFont* pFont) : CStateRestorer(pDC, pFont, "pFont") {}
};

class CBrushRestorer : public CStateRestorer<CBrush, &RestoreDetail::Select<CBrush>>
{
public:
    CBrushRestorer(CDC* pDC, const CBrush* pBrush) : CStateRestorer(pDC, pBrush, "pBrush") {}
};

class CTextAlignRestorer : public CStateRestorer<unsigned, &RestoreDetail::Align>
{
public:
    using CStateRestorer::CStateRestorer;
};

class CColorRestorer : public CStateRestorer<COLORREF, &RestoreDetail::Color>
{
public:
    using CStateRestorer::CStateRestorer;
};

// Takes over the pen's definition: Restore selects the old pen back and deletes the
// definition of the pen it was given (the CPen object stays with the caller).
class CPenRestorer : public CStateRestorer<CPen, &RestoreDetail::Select<CPen>>
{
public:
    CPenRestorer(CDC* pDC, CPen* pPen) : CStateRestorer(pDC, pPen, "pPen"), m_pPen(pPen) {}
    bool Restore();

private:
    CPen* m_pPen;
};
