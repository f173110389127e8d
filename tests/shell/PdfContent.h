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

// Calls visit(colour, line) for every line of a page content stream, with the stroke
// colour in force by its operands ("1 0 0" for red); the colour follows the save and
// restore of the graphics state.
inline void ForEachLineWithStrokeColour(
    const std::string& content,
    const std::function<void(const std::string& colour, const std::string& line)>& visit)
{
    std::vector<std::string> saved;
    std::string colour;
    std::size_t begin = 0;
    while (begin < content.size())
    {
        std::size_t end = content.find('\n', begin);
        if (end == std::string::npos)
            end = content.size();
        const std::string line = content.substr(begin, end - begin);
        begin = end + 1;
        if (line == "q" || line.ends_with(" q"))
            saved.push_back(colour);
        else if ((line == "Q" || line.starts_with("Q ")) && !saved.empty())
        {
            colour = saved.back();
            saved.pop_back();
        }
        if (line.ends_with(" SCN"))
            colour = line.substr(0, line.size() - 4);
        visit(colour, line);
    }
}

// The line segments ("l") a page content stream strokes in each colour.
inline std::map<std::string, int> SegmentsByStrokeColour(const std::string& content)
{
    std::map<std::string, int> segments;
    ForEachLineWithStrokeColour(content,
                                [&](const std::string& colour, const std::string& line)
                                {
                                    if (line.ends_with(" l"))
                                        ++segments[colour];
                                });
    return segments;
}

// The largest x and y of the points that a content stream moves and draws lines to in a
// stroke colour, in the units of the page's transformation (the printer's device pixels
// for Qt's pages).
inline std::pair<double, double> PathExtent(const std::string& content, const std::string& colour)
{
    double dMaxX = 0.0, dMaxY = 0.0;
    ForEachLineWithStrokeColour(
        content,
        [&](const std::string& current, const std::string& line)
        {
            double x = 0.0, y = 0.0;
            char op = 0;
            if (current == colour && std::sscanf(line.c_str(), "%lf %lf %c", &x, &y, &op) == 3 &&
                (op == 'm' || op == 'l') && line.ends_with(std::string(" ") + op))
            {
                dMaxX = std::max(dMaxX, x);
                dMaxY = std::max(dMaxY, y);
            }
        });
    return {dMaxX, dMaxY};
}
