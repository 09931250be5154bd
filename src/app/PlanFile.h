#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/PlanInputs.h"
#include "base/GeometryTypes.h"

namespace velmora {

class JsonWriter;

// The installation of a plan by what survives a changed catalogue, never a list index: the
// variant's name ("3+2"), its kind of second row and the orientation. A catalogue may hold
// several variants of one name (a straight and a crosswise "4+2"); occurrence tells them
// apart where even the kind of row is the same.
struct PlanInstallation {
    std::string variant;
    bool horizontal = false;
    // The second row stands crosswise; none in plans that did not say (format 1).
    std::optional<bool> secondRowCrosswise;
    // Which of the product's variants of that name and kind of row, counted from 0 in the
    // order the search tries them (the product's own before its group's).
    int occurrence = 0;

    friend bool operator==(const PlanInstallation&, const PlanInstallation&) = default;
};

// The chosen solution of a plan.
struct PlanSelection {
    std::string artNr;
    // None for a product without installation variations.
    std::optional<PlanInstallation> installation;
    // Shift of the free positioning from the place the search found (mm, room frame).
    TPoint offset;
    // Article numbers of the ticked optional accessories, in list order.
    std::vector<std::string> tickedAccessories;

    friend bool operator==(const PlanSelection&, const PlanSelection&) = default;
};

// Everything needed to bring a plan back: the inputs of the search as the user gave them
// and the choice made in its result. Stored as a ".velmora" file (UTF-8 JSON, "format": 2;
// format 1, which named the installation by its name alone, is still read).
struct PlanFile {
    PlanInputs inputs;
    // Display name of the product group; empty for all tanks.
    std::string productGroup;
    // Corner codes "OL", "UL", "UR", "OR" or empty.
    std::string tankPosition;
    std::string cornerPosition;
    std::string boilerPosition;
    bool boilerRoom = false;
    bool protectedBoiler = false;
    bool tenCm = false;
    std::string projectName;
    // None when no solution was chosen.
    std::optional<PlanSelection> selection;

    friend bool operator==(const PlanFile&, const PlanFile&) = default;
};

constexpr int kPlanFileFormat = 2;
// The oldest format still read.
constexpr int kOldestPlanFileFormat = 1;
// More same-named variants than this come only from damaged or hostile files.
constexpr int kMaxVariantOccurrence = 1000;
// Larger files are refused unread: a plan takes a few kilobytes.
constexpr std::size_t kMaxPlanFileBytes = 1024 * 1024;
// The free position may shift a battery at most this far (mm) in either direction.
constexpr int kMaxPlanOffset = 1000000;

// The plan as the file's bytes.
std::string planFileJson(const PlanFile& plan);

// Writes the key "inputs" with the ten input texts, as plan files and the planner's report
// hold them.
void writePlanInputs(JsonWriter& json, const PlanInputs& inputs);

// A plan read from bytes or a file, or the German reason why it could not be.
struct PlanFileReadResult {
    std::optional<PlanFile> plan;
    std::string error;
};

// Checks everything: JSON syntax, the format version, every key's presence and type, corner
// codes, text lengths and the range of the offset. Unknown keys are ignored. The error
// names what is wrong ("der Eintrag „inputs.volume“ fehlt"), not the file.
PlanFileReadResult parsePlanFile(std::string_view bytes);

// Reads and parses the file; the error is one sentence naming the file and what is wrong.
PlanFileReadResult readPlanFile(const std::filesystem::path& path);

// Writes the plan atomically; on failure the old file stays and error names the file.
bool writePlanFile(const std::filesystem::path& path, const PlanFile& plan, std::string& error);

}  // namespace velmora
