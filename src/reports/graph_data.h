#pragma once
// What a bar graph window hands to its chart: a title, the bars with their labels, and the
// title of the value axis.

#include <string>
#include <vector>

namespace bw {

struct GraphPoint {
    std::string label;
    double value = 0;
    bool empty = false;  // a bar position without a value or label
    bool operator==(const GraphPoint&) const = default;
};

struct GraphData {
    std::string title;
    std::string valueAxisTitle;  // may be empty
    std::vector<GraphPoint> points;
};

}  // namespace bw
