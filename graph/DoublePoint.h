// A point in data units: curve points, master points and coordinates.
#pragma once

struct CDoublePoint
{
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const CDoublePoint&, const CDoublePoint&) = default;
};
