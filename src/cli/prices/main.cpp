// velmora-prices: the dealer's own prices from the command line, in the same store the
// program reads.

#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/NumberFormat.h"
#include "cli/prices/PriceCommands.h"
#include "prices/TTankCustomPrices.h"

namespace {

constexpr const char* kUsage =
    "Aufruf: velmora-prices list\n"
    "        velmora-prices set ARTNR PREIS\n"
    "        velmora-prices off ARTNR\n"
    "        velmora-prices import DATEI.csv\n"
    "        velmora-prices export\n";

struct Command {
    std::string_view name;
    std::size_t arguments;
};
constexpr std::array<Command, 5> kCommands{
    {{"list", 0}, {"set", 2}, {"off", 1}, {"import", 1}, {"export", 0}}};

int usageError(const std::string& message) {
    std::cerr << "velmora-prices: " << message << '\n' << kUsage;
    return static_cast<int>(velmora::PriceToolStatus::Usage);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora;
    setNumberFormat(numberFormatFromEnvironment());
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return usageError("Befehl fehlt.");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    const auto known = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&](const Command& c) { return c.name == command; });
    if (known == kCommands.end()) {
        return usageError("unbekannter Befehl \"" + command + "\".");
    }
    if (args.size() != known->arguments + 1) {
        return usageError("falsche Anzahl von Argumenten für \"" + command + "\".");
    }

    const std::filesystem::path directory = customPriceDirectory();
    PriceToolStatus status = PriceToolStatus::Success;
    if (command == "list") {
        status = listPrices(directory, std::cout);
    } else if (command == "set") {
        status = setPrice(directory, args[1], args[2], std::cerr);
    } else if (command == "off") {
        status = stopUsingPrice(directory, args[1], std::cout, std::cerr);
    } else if (command == "import") {
        status = importPrices(directory, args[1], std::cout, std::cerr);
    } else {
        status = exportPrices(directory, std::cout);
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "velmora-prices: Ausgabe fehlgeschlagen.\n";
        return static_cast<int>(PriceToolStatus::Failure);
    }
    return static_cast<int>(status);
}
