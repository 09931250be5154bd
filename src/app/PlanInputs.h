#pragma once

#include <string>

namespace velmora {

// The ten input texts of a search, each exactly as the window's field would hold it.
struct PlanInputs {
    std::string roomWidth;
    std::string roomLength;
    std::string roomHeight;
    std::string volume;
    std::string openingHeight;
    std::string openingWidth;
    std::string cornerWidth;
    std::string cornerLength;
    std::string boilerWidth;
    std::string boilerLength;

    friend bool operator==(const PlanInputs&, const PlanInputs&) = default;
};

}  // namespace velmora
