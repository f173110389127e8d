// One dimension line of the compression plot's horizontal scale: arrows between a start
// and an end x with a centred text. The view writes start, end, colours and text before
// each draw; the scale writes the canvas x of start and end into the two points.
#pragma once

#include "framework/core/GdiTypes.h"
#include "graph/DoublePoint.h"

#include <string>

class CScaleSpan
{
public:
    virtual ~CScaleSpan() = default;

    CDoublePoint m_Start; // x: the span's start (data units)
    CDoublePoint m_End;   // x: the span's end
    CPoint m_StartPoint;  // x: canvas x of the start at the last draw
    CPoint m_EndPoint;    // x: canvas x of the end
    COLORREF m_LineColor = 0;
    COLORREF m_TextColor = 0;
    int m_nArrowHeight = 40; // canvas units at the usual font (the scale grows them with it)
    int m_nArrowLength = 80;
    std::string m_strText = "0.0";
};
