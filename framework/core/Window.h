// The window a graph view draws in, as the display-free graph code sees it: the size of
// its client area and the tooltip that names what lies under the pointer. The user
// interface supplies the implementations; tests use CFixedWindow.
#pragma once

#include "framework/core/GdiTypes.h"

#include <functional>
#include <memory>
#include <string>

class CWnd;

// A tooltip attached to windows: while active it shows, for a pointer resting on one of
// its tools, the text that tool's callback returns (no tip for an empty text).
class IToolTip
{
public:
    // The text for the pointer at a client pixel of the tool's window.
    using TextCallback = std::function<std::string(CPoint clientPixel)>;

    virtual ~IToolTip() = default;
    // Makes the whole client area of the window a tool; false for a null window.
    virtual bool AddControl(CWnd* pWindow, TextCallback text) = 0;
    // Makes a rectangle of client pixels of the window a tool with an identifier.
    virtual bool AddRectTool(CWnd* pWindow, TextCallback text, const CRect& rect, unsigned id) = 0;
    virtual void Activate(bool bActive) = 0;
    virtual bool IsActive() const = 0;
};

class CWnd
{
public:
    virtual ~CWnd() = default;
    // (0, 0, width, height) in pixels.
    virtual CRect GetClientRect() const = 0;
    // A new tooltip control for this window; null where the platform has none.
    virtual std::unique_ptr<IToolTip> CreateToolTip() { return nullptr; }
    // The tooltip text for the pointer at a client pixel; empty for none.
    virtual std::string GetToolTipText(CPoint) const { return {}; }
};

// A window of a fixed client size, without tooltips.
class CFixedWindow : public CWnd
{
public:
    CFixedWindow(int width, int height) : m_Client{0, 0, width, height} {}
    CRect GetClientRect() const override { return m_Client; }
    void SetClientSize(int width, int height) { m_Client = {0, 0, width, height}; }

private:
    CRect m_Client;
};
