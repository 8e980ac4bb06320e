#pragma once
// A dialog's share of a parameter description: the rows its frame shows as
// sliders and check boxes, when others have controls of their own.

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "core/parameter.h"

namespace gm {

inline std::vector<Parameter> ParameterOhne(std::span<const Parameter> alle,
                                            std::initializer_list<std::string_view> ohne) {
    std::vector<Parameter> t;
    for (const Parameter& p : alle) {
        if (std::find(ohne.begin(), ohne.end(), p.name) == ohne.end()) t.push_back(p);
    }
    return t;
}

// The record with the frame's working values written over `basis`.
template <class Rec>
Rec MitRahmen(Rec basis, std::span<const Parameter> rahmen, const Werte& werte) {
    for (std::size_t i = 0; i < rahmen.size() && i < werte.size(); ++i)
        feldSetzen(basis, rahmen[i], werte[i]);
    return basis;
}

}  // namespace gm
