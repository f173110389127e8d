// Reading back what a print to a PDF file put on the page: the file's streams inflated
// (Qt writes them deflated), so that a test can look for the drawing's operators.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Inflates a deflated stream; empty when it is not one.
inline std::string Inflate(const std::string& data)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = uInt(data.size());
    std::string out;
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK)
    {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - z.avail_out);
    }
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : std::string();
}

// Every stream of a PDF file, deflated ones inflated.
inline std::vector<std::string> PdfStreams(const std::string& pdf)
{
    std::vector<std::string> streams;
    std::size_t at = 0;
    while ((at = pdf.find("stream", at)) != std::string::npos)
    {
        if (at >= 3 && pdf.compare(at - 3, 3, "end") == 0)
        {
            at += 6;
            continue;
        }
        std::size_t begin = at + 6;
        if (pdf.compare(begin, 2, "\r\n") == 0)
            begin += 2;
        else if (begin < pdf.size() && pdf[begin] == '\n')
            ++begin;
        const std::size_t end = pdf.find("endstream", begin);
        if (end == std::string::npos)
            break;
        std::string data = pdf.substr(begin, end - begin);
        const std::string inflated = Inflate(data);
        streams.push_back(inflated.empty() ? data : inflated);
        at = end + 9;
    }
    return streams;
}

// The state of a page's graphics while its content stream is read: the stroke colour by its
// operands ("1 0 0" for red) and the transformation to the page's points.
struct CPdfGraphicsState
{
    std::string colour;
    double ctm[6] = {1, 0, 0, 1, 0, 0}; // a b c d e f: x' = a x + c y + e, y' = b x + d y + f

    std::pair<double, double> ToPage(double x, double y) const
    {
        return {ctm[0] * x + ctm[2] * y + ctm[4], ctm[1] * x + ctm[3] * y + ctm[5]};
    }
};

// Calls visit(state, line) for every line of a page content stream, with the graphics state
// in force: the stroke colour ("SCN") and the transformation ("cm"), which follow the save
// and restore of the state ("q", "Q").
inline void ForEachContentLine(
    const std::string& content,
    const std::function<void(const CPdfGraphicsState& state, const std::string& line)>& visit)
{
    std::vector<CPdfGraphicsState> saved;
    CPdfGraphicsState state;
    std::size_t begin = 0;
    while (begin < content.size())
    {
        std::size_t end = content.find('\n', begin);
        if (end == std::string::npos)
            end = content.size();
        const std::string line = content.substr(begin, end - begin);
        begin = end + 1;
        double m[6];
        if (line == "q" || line.ends_with(" q"))
            saved.push_back(state);
        else if ((line == "Q" || line.starts_with("Q ")) && !saved.empty())
        {
            state = saved.back();
            saved.pop_back();
        }
        if (line.ends_with(" SCN"))
            state.colour = line.substr(0, line.size() - 4);
        else if (line.ends_with(" cm") &&
                 std::sscanf(line.c_str(), "%lf %lf %lf %lf %lf %lf", &m[0], &m[1], &m[2], &m[3],
                             &m[4], &m[5]) == 6)
        {
            const double* t = state.ctm;
            const double next[6] = {
                m[0] * t[0] + m[1] * t[2],        m[0] * t[1] + m[1] * t[3],
                m[2] * t[0] + m[3] * t[2],        m[2] * t[1] + m[3] * t[3],
                m[4] * t[0] + m[5] * t[2] + t[4], m[4] * t[1] + m[5] * t[3] + t[5]};
            std::copy(std::begin(next), std::end(next), state.ctm);
        }
        visit(state, line);
    }
}

// The line segments ("l") a page content stream strokes in each colour.
inline std::map<std::string, int> SegmentsByStrokeColour(const std::string& content)
{
    std::map<std::string, int> segments;
    ForEachContentLine(content,
                       [&](const CPdfGraphicsState& state, const std::string& line)
                       {
                           if (line.ends_with(" l"))
                               ++segments[state.colour];
                       });
    return segments;
}

// The page area, in points, that the lines stroked in a colour cover: {left, bottom, right,
// top}; all 0 when none is.
struct CPdfBounds
{
    double left = 0, bottom = 0, right = 0, top = 0;
};

inline CPdfBounds StrokedBounds(const std::string& content, const std::string& colour)
{
    CPdfBounds bounds;
    bool bFirst = true;
    ForEachContentLine(content,
                       [&](const CPdfGraphicsState& state, const std::string& line)
                       {
                           double x = 0.0, y = 0.0;
                           char op = 0;
                           if (state.colour != colour ||
                               std::sscanf(line.c_str(), "%lf %lf %c", &x, &y, &op) != 3 ||
                               (op != 'm' && op != 'l') || !line.ends_with(std::string(" ") + op))
                               return;
                           const auto [px, py] = state.ToPage(x, y);
                           if (bFirst)
                               bounds = {px, py, px, py};
                           bFirst = false;
                           bounds = {std::min(bounds.left, px), std::min(bounds.bottom, py),
                                     std::max(bounds.right, px), std::max(bounds.top, py)};
                       });
    return bounds;
}
