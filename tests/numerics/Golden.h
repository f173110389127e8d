// Reader of data/golden.txt (written by data/make_golden.py): records of a head line
// "name fields..." (fields may be grouped with " | ") followed by indented "key values..."
// lines.
#pragma once

#include <complex>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace golden
{
using Numbers = std::vector<double>;

inline Numbers Parse(const std::string& text)
{
    Numbers out;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(std::stod(word));
    return out;
}

struct Record
{
    std::string name;
    std::vector<Numbers> groups;         // the head line's fields, split at " | "
    std::map<std::string, Numbers> keys; // the indented lines
    const Numbers& operator[](const std::string& key) const { return keys.at(key); }
};

inline std::vector<Record> Load(const std::string& path)
{
    std::ifstream in(path);
    std::vector<Record> records;
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty())
            continue;
        std::istringstream words(line);
        std::string first;
        words >> first;
        std::string rest;
        std::getline(words, rest);
        if (line[0] != ' ')
        {
            Record r;
            r.name = first;
            std::size_t start = 0;
            for (std::size_t bar; (bar = rest.find('|', start)) != std::string::npos;
                 start = bar + 1)
                r.groups.push_back(Parse(rest.substr(start, bar - start)));
            r.groups.push_back(Parse(rest.substr(start)));
            records.push_back(r);
        }
        else if (!records.empty())
            records.back().keys[first] = Parse(rest);
    }
    return records;
}

inline std::vector<Record> LoadNamed(const std::string& name)
{
    std::vector<Record> out;
    for (auto& r : Load(std::string(MORVANE_TEST_DATA_DIR) + "/golden.txt"))
        if (r.name == name)
            out.push_back(r);
    return out;
}

// The two-way speaker of make_golden.py on its 80-point grid, with the band counts.
struct Speaker
{
    double n = 0;
    double iLow = 0;
    double jHigh = 0;
    Numbers freq;
    std::vector<std::complex<double>> base;

    Speaker()
    {
        const Record r = LoadNamed("speaker").at(0);
        n = r.groups[0][0];
        iLow = r.groups[0][1];
        jHigh = r.groups[0][2];
        freq = r["freq"];
        for (std::size_t i = 0; i < freq.size(); ++i)
            base.emplace_back(r["re"][i], r["im"][i]);
    }
};
} // namespace golden
