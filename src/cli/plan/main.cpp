// velmora-plan: the planning core without a window, for scripts, shop systems and support.

#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/PlanRestore.h"
#include "app/TDaten.h"
#include "app/TankMove.h"
#include "base/ExecutableDirectory.h"
#include "base/NumberFormat.h"
#include "cli/plan/CatalogueDump.h"
#include "cli/plan/PlanFileOptions.h"
#include "cli/plan/PlanOptions.h"
#include "cli/plan/PlanPdf.h"
#include "cli/plan/PlanPng.h"
#include "cli/plan/PlanReport.h"
#include "cli/plan/StderrHost.h"

namespace {

constexpr const char* kUsage =
    "Usage: velmora-plan [--catalogue DIR] [INPUTS] [SELECTION] [OUTPUTS] [--format json|text]\n"
    "Runs one solution search on the catalogue and prints the result.\n"
    "\n"
    "  --catalogue DIR           catalogue directory (default: the program's directory)\n"
    "  --type NAME               product group (empty or \"Alle Tanks\": all)\n"
    "  --tank-position P         battery corner: OL, UL, UR, OR\n"
    "  --corner-position P       corner cut-out\n"
    "  --boiler-position P       boiler room\n"
    "  --room-width T, --room-length T, --room-height T   room in metres\n"
    "  --volume T                wanted volume in litres\n"
    "  --opening-height T, --opening-width T             bring-in opening in metres\n"
    "  --corner-width T, --corner-length T               corner cut-out in metres\n"
    "  --boiler-width T, --boiler-length T               boiler room in metres\n"
    "  --boiler-room, --protected-boiler, --ten-cm       boiler flags\n"
    "  --decimals N              decimals of the rewritten inputs (default 2)\n"
    "  --select ARTNR            make that solution current\n"
    "  --installation N          then make its installation N current\n"
    "  --move-to X,Y             one free move of the battery to room millimetres X,Y\n"
    "  --open FILE, --save FILE  replay / write a plan file\n"
    "  --dump-catalogue          print the loaded catalogue\n"
    "  --format json|text        output format\n"
    "  --png FILE, --size WxH    draw the plan into a PNG file\n"
    "  --view plan|side          what --png draws: the plan (default) or the side view\n"
    "  --pdf FILE, --datanorm-pdf FILE, --project NAME   planning sheet / DATANORM printout\n"
    "  --material-csv FILE       material list of the current installation\n"
    "  --help                    this text\n";

using namespace velmora;

void search(TDaten& daten, PlanOptions& o) {
    o.plan.inputs = daten.sucheLoesung(suchAuftrag(o.plan, o.decimals, true)).Eingaben;
}

// Throws PlanUsageError when the selection names no solution or no installation of it.
void select(TDaten& daten, const PlanOptions& o) {
    if (!o.select) {
        return;
    }
    if (!daten.istInLoesungsListe(*o.select)) {
        throw PlanUsageError("--select: \"" + *o.select + "\" is not among the solutions");
    }
    daten.setProdukt(*o.select, false);
    if (!o.installation) {
        return;
    }
    const std::size_t count = daten.getAktuellesProdukt()->getMoeglicheAufstellVarianten().size();
    if (*o.installation >= count) {
        throw PlanUsageError("--installation: " + std::to_string(*o.installation) +
                             " is out of range (the solution has " + std::to_string(count) +
                             " installations)");
    }
    daten.aendereAufstellung(*o.installation, false);
}

// One free move of the selected battery, as the window runs it: pick-up, one pointer step,
// put-down. Throws PlanUsageError when the solution has no installation to move.
PlanMove moveTo(TDaten& daten, TMyVec to) {
    const auto move = pickUpTank(daten);
    if (!move) {
        throw PlanUsageError("--move-to: the selected solution has no installation to move");
    }
    moveTankTo(daten, *move, {static_cast<float>(to.X), static_cast<float>(to.Y)});
    return {to, putDownTank(daten, *move)};
}

int run(PlanOptions& options) {
    std::optional<PlanFile> opened;
    if (options.openFile) {
        PlanFileReadResult read = openPlanFile(options);
        if (!read.plan) {
            std::cerr << "velmora-plan: " << read.error << '\n';
            return 1;
        }
        opened = std::move(read.plan);
    }
    TDaten daten(options.catalogueDir, false);
    if (options.dumpCatalogue) {
        std::cout << catalogueDumpJson(daten) << '\n';
        return 0;
    }
    // The start-up message has gone to standard error through the host.
    if (!daten.getFehlendeDateien().empty()) {
        return 1;
    }
    const PlanFile givenPlan = options.plan;
    if (opened) {
        const PlanRestoreReport report = restorePlan(daten, *opened, options.decimals);
        options.plan.inputs = report.suche.Eingaben;
        for (const std::string& note : report.notes) {
            std::cerr << "velmora-plan: " << note << '\n';
        }
    } else {
        search(daten, options);
        select(daten, options);
    }
    const std::optional<PlanMove> move =
        options.moveTo ? std::optional(moveTo(daten, *options.moveTo)) : std::nullopt;
    const std::size_t varianteIndex = daten.getVarianteIndex();
    if (options.pngFile) {
        std::string error;
        if (!writePlanPng(daten, *options.pngFile, options.pngWidth, options.pngHeight,
                          options.pngView, error)) {
            std::cerr << "velmora-plan: " << error << '\n';
            return 1;
        }
    }
    const std::string project = options.projectName.value_or(daten.getStandardProjektName());
    for (const auto& [file, printout] : {std::pair{options.pdfFile, Printout::PlanningSheet},
                                         std::pair{options.datanormPdfFile, Printout::Datanorm}}) {
        std::string error;
        if (file && !writePrintoutPdf(daten, printout, project, *file, error)) {
            std::cerr << "velmora-plan: " << error << '\n';
            return 1;
        }
    }
    if (std::string error; !writePlanFiles(daten, options, givenPlan, error)) {
        std::cerr << "velmora-plan: " << error << '\n';
        return 1;
    }
    std::cout << (options.format == PlanFormat::Json
                      ? planReportJson(daten, options.plan.inputs, varianteIndex, move)
                      : planReportText(daten, options.plan.inputs, move))
              << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << kUsage;
        return 0;
    }
    setNumberFormat(numberFormatFromEnvironment());
    StderrHost console;
    installHost(&console);
    int status = 0;
    try {
        PlanOptions options = parsePlanOptions(std::vector<std::string>(argv + 1, argv + argc),
                                               executableDirectory(argv[0]));
        status = run(options);
    } catch (const PlanUsageError& error) {
        std::cerr << "velmora-plan: " << error.what() << '\n';
        status = 2;
    }
    installHost(nullptr);
    return status;
}
