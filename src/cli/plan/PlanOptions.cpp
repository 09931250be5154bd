#include "cli/plan/PlanOptions.h"

#include <charconv>
#include <cmath>
#include <map>
#include <system_error>
#include <utility>

namespace velmora {

namespace {

// The largest picture side --size accepts; keeps the off-screen image within memory.
constexpr int kMaxPictureSide = 10000;

// A whole number from 0 to max written with digits only, or none.
std::optional<std::size_t> parseCount(const std::string& text, std::size_t max) {
    std::size_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value > max) {
        return std::nullopt;
    }
    return value;
}

std::string checkedPosition(const std::string& option, const std::string& value) {
    if (value.empty() || value == "OL" || value == "UL" || value == "UR" || value == "OR") {
        return value;
    }
    throw PlanUsageError(option + ": unknown position \"" + value + "\" (OL, UL, UR, OR)");
}

void parseSize(const std::string& text, PlanOptions& options) {
    const std::size_t x = text.find('x');
    const auto width = parseCount(text.substr(0, x), kMaxPictureSide);
    const auto height =
        x == std::string::npos ? std::nullopt : parseCount(text.substr(x + 1), kMaxPictureSide);
    if (!width || !height || *width == 0 || *height == 0) {
        throw PlanUsageError("--size: expected WxH with sides from 1 to " +
                             std::to_string(kMaxPictureSide) + ", got \"" + text + "\"");
    }
    options.pngWidth = static_cast<int>(*width);
    options.pngHeight = static_cast<int>(*height);
}

// "X,Y" in room millimetres; a pointer a thousand kilometres away is a typing error.
TMyVec parseMoveTo(const std::string& text) {
    const auto number = [](const char* from, const char* to) -> std::optional<double> {
        double value = 0.0;
        const auto [stop, error] = std::from_chars(from, to, value);
        if (from == to || error != std::errc() || stop != to || !(std::fabs(value) <= 1e9)) {
            return std::nullopt;
        }
        return value;
    };
    const std::size_t comma = text.find(',');
    const char* begin = text.data();
    const auto x = comma == std::string::npos ? std::nullopt : number(begin, begin + comma);
    const auto y = x ? number(begin + comma + 1, begin + text.size()) : std::nullopt;
    if (!y) {
        throw PlanUsageError("--move-to: expected X,Y in room millimetres, got \"" + text + "\"");
    }
    return {*x, *y};
}

}  // namespace

PlanOptions parsePlanOptions(const std::vector<std::string>& arguments,
                             const std::string& defaultCatalogueDir) {
    PlanOptions options;
    options.catalogueDir = defaultCatalogueDir;
    const std::map<std::string, std::string*> texts{
        {"--catalogue", &options.catalogueDir},
        {"--type", &options.plan.productGroup},
        {"--room-width", &options.plan.inputs.roomWidth},
        {"--room-length", &options.plan.inputs.roomLength},
        {"--room-height", &options.plan.inputs.roomHeight},
        {"--volume", &options.plan.inputs.volume},
        {"--opening-height", &options.plan.inputs.openingHeight},
        {"--opening-width", &options.plan.inputs.openingWidth},
        {"--corner-width", &options.plan.inputs.cornerWidth},
        {"--corner-length", &options.plan.inputs.cornerLength},
        {"--boiler-width", &options.plan.inputs.boilerWidth},
        {"--boiler-length", &options.plan.inputs.boilerLength},
    };
    const std::map<std::string, std::string*> positions{
        {"--tank-position", &options.plan.tankPosition},
        {"--corner-position", &options.plan.cornerPosition},
        {"--boiler-position", &options.plan.boilerPosition},
    };
    const std::map<std::string, std::optional<std::string>*> optionalTexts{
        {"--png", &options.pngFile},
        {"--pdf", &options.pdfFile},
        {"--datanorm-pdf", &options.datanormPdfFile},
        {"--project", &options.projectName},
        {"--open", &options.openFile},
        {"--save", &options.saveFile},
        {"--material-csv", &options.materialCsvFile},
    };
    const std::map<std::string, bool*> flags{
        {"--dump-catalogue", &options.dumpCatalogue},
        {"--boiler-room", &options.plan.boilerRoom},
        {"--protected-boiler", &options.plan.protectedBoiler},
        {"--ten-cm", &options.plan.tenCm},
    };
    // The options a plan file replaces.
    const auto isPlanInput = [&](const std::string& option) {
        return (texts.count(option) != 0 && option != "--catalogue") ||
               positions.count(option) != 0 ||
               (flags.count(option) != 0 && option != "--dump-catalogue") || option == "--select" ||
               option == "--installation";
    };
    bool planInputsGiven = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        planInputsGiven = planInputsGiven || isPlanInput(option);
        if (const auto flag = flags.find(option); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        const bool takesValue = texts.count(option) != 0 || positions.count(option) != 0 ||
                                optionalTexts.count(option) != 0 || option == "--decimals" ||
                                option == "--select" || option == "--installation" ||
                                option == "--format" || option == "--size" ||
                                option == "--move-to" || option == "--view";
        if (!takesValue) {
            throw PlanUsageError("unknown option \"" + option + "\"");
        }
        if (i + 1 == arguments.size()) {
            throw PlanUsageError(option + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (const auto text = texts.find(option); text != texts.end()) {
            *text->second = value;
        } else if (const auto optional = optionalTexts.find(option);
                   optional != optionalTexts.end()) {
            *optional->second = value;
        } else if (const auto position = positions.find(option); position != positions.end()) {
            *position->second = checkedPosition(option, value);
        } else if (option == "--decimals") {
            const auto decimals = parseCount(value, 3);
            if (!decimals) {
                throw PlanUsageError("--decimals: expected 0 to 3, got \"" + value + "\"");
            }
            options.decimals = static_cast<int>(*decimals);
        } else if (option == "--select") {
            options.select = value;
        } else if (option == "--installation") {
            options.installation = parseCount(value, static_cast<std::size_t>(-1));
            if (!options.installation) {
                throw PlanUsageError("--installation: expected an index, got \"" + value + "\"");
            }
        } else if (option == "--format") {
            if (value != "json" && value != "text") {
                throw PlanUsageError("--format: expected json or text, got \"" + value + "\"");
            }
            options.format = value == "json" ? PlanFormat::Json : PlanFormat::Text;
        } else if (option == "--view") {
            if (value != "plan" && value != "side") {
                throw PlanUsageError("--view: expected plan or side, got \"" + value + "\"");
            }
            options.pngView = value == "plan" ? PngView::Plan : PngView::Side;
        } else if (option == "--move-to") {
            options.moveTo = parseMoveTo(value);
        } else {
            parseSize(value, options);
        }
    }
    for (const auto& [option, needsSelection] :
         {std::pair{"--installation", options.installation.has_value()},
          std::pair{"--pdf", options.pdfFile.has_value() && !options.openFile},
          std::pair{"--datanorm-pdf", options.datanormPdfFile.has_value() && !options.openFile}}) {
        if (needsSelection && !options.select) {
            throw PlanUsageError(std::string(option) + " needs --select");
        }
    }
    if (options.openFile && planInputsGiven) {
        throw PlanUsageError("--open replaces the inputs and the selection; give only one");
    }
    if (!options.select && !options.openFile && (options.saveFile || options.materialCsvFile)) {
        throw PlanUsageError(std::string(options.saveFile ? "--save" : "--material-csv") +
                             " needs --select or --open");
    }
    if (options.moveTo && !options.select && !options.openFile) {
        throw PlanUsageError("--move-to needs --select or --open");
    }
    return options;
}

}  // namespace velmora
