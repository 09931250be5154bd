#include "app/PlanFile.h"

#include <cmath>
#include <utility>

#include "base/AtomicFile.h"
#include "base/FileBytes.h"
#include "base/FileName.h"
#include "base/JsonValue.h"
#include "base/JsonWriter.h"

namespace velmora {

namespace {

// Longest text accepted for a key: field texts and article numbers are short, a project
// name is a line. Longer texts only come from damaged or hostile files.
constexpr std::size_t kMaxFieldText = 256;
constexpr std::size_t kMaxProjectName = 1000;
constexpr std::size_t kMaxTickedAccessories = 1000;

constexpr const char* kOeffnenSieEinenPlan =
    "; bitte öffnen Sie einen Plan, der mit „Plan speichern“ gesichert wurde";
const std::string kKeinePlandatei =
    std::string("sie ist keine Velmora-Plandatei") + kOeffnenSieEinenPlan;

// What is wrong with a plan document; becomes the read result's error.
struct PlanFileFault {
    std::string reason;
};

std::string inQuotes(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

// Reads the members of one JSON object, naming each key by its path for the messages.
class Fields {
public:
    Fields(const JsonValue& object, std::string path) : object_(object), path_(std::move(path)) {}

    const JsonValue& member(std::string_view key, JsonValue::Type type,
                            const char* typeName) const {
        const JsonValue* value = object_.find(key);
        if (value == nullptr) {
            fail(key, "fehlt");
        }
        if (value->type() != type) {
            fail(key, std::string("ist ") + typeName);
        }
        return *value;
    }

    std::string text(std::string_view key, std::size_t maxLength = kMaxFieldText) const {
        const std::string& value = member(key, JsonValue::Type::String, "kein Text").asString();
        checkText(key, value, maxLength);
        return value;
    }

    bool flag(std::string_view key) const {
        return member(key, JsonValue::Type::Bool, "kein Wahrheitswert").asBool();
    }

    std::string corner(std::string_view key) const {
        std::string value = text(key);
        if (!value.empty() && value != "OL" && value != "UL" && value != "UR" && value != "OR") {
            fail(key, "ist keine Ecke (OL, UL, UR, OR oder leer)");
        }
        return value;
    }

    Fields object(std::string_view key) const {
        return Fields(member(key, JsonValue::Type::Object, "kein Objekt"), name(key));
    }

    // The member as an object, or none when it is null.
    std::optional<Fields> optionalObject(std::string_view key) const {
        const JsonValue* value = object_.find(key);
        if (value != nullptr && value->type() == JsonValue::Type::Null) {
            return std::nullopt;
        }
        return object(key);
    }

    // A whole number from 0 to max.
    int count(std::string_view key, int max) const {
        const double number = member(key, JsonValue::Type::Number, "keine Zahl").asNumber();
        if (number != std::floor(number) || number < 0 || number > max) {
            fail(key, "ist keine ganze Zahl von 0 bis " + std::to_string(max));
        }
        return static_cast<int>(number);
    }

    int offsetCoordinate(const JsonValue& value, std::string_view key) const {
        if (value.type() != JsonValue::Type::Number) {
            fail(key, "enthält keine Zahl");
        }
        const double number = value.asNumber();
        if (number != std::floor(number)) {
            fail(key, "enthält keine ganzen Millimeter");
        }
        if (std::fabs(number) > kMaxPlanOffset) {
            fail(key, "liegt außerhalb von ±" + std::to_string(kMaxPlanOffset) + " mm");
        }
        return static_cast<int>(number);
    }

    TPoint offset(std::string_view key) const {
        const auto& pair = member(key, JsonValue::Type::Array, "keine Liste").items();
        if (pair.size() != 2) {
            fail(key, "hat nicht genau zwei Zahlen");
        }
        return TPoint{offsetCoordinate(pair[0], key), offsetCoordinate(pair[1], key)};
    }

    std::vector<std::string> texts(std::string_view key, std::size_t maxCount) const {
        const auto& items = member(key, JsonValue::Type::Array, "keine Liste").items();
        if (items.size() > maxCount) {
            fail(key, "hat mehr als " + std::to_string(maxCount) + " Einträge");
        }
        std::vector<std::string> result;
        for (const JsonValue& item : items) {
            if (item.type() != JsonValue::Type::String) {
                fail(key, "enthält etwas anderes als Texte");
            }
            checkText(key, item.asString(), kMaxFieldText);
            result.push_back(item.asString());
        }
        return result;
    }

    [[noreturn]] void fail(std::string_view key, const std::string& what) const {
        throw PlanFileFault{"sie ist beschädigt: der Eintrag " + inQuotes(name(key)) + " " + what};
    }

private:
    std::string name(std::string_view key) const {
        return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
    }

    void checkText(std::string_view key, const std::string& value, std::size_t maxLength) const {
        if (value.size() > maxLength) {
            fail(key, "ist länger als " + std::to_string(maxLength) + " Zeichen");
        }
        for (const char c : value) {
            if (static_cast<unsigned char>(c) < 0x20) {
                fail(key, "enthält Steuerzeichen");
            }
        }
    }

    const JsonValue& object_;
    std::string path_;
};

PlanInputs readInputs(const Fields& in) {
    PlanInputs inputs;
    inputs.roomWidth = in.text("roomWidth");
    inputs.roomLength = in.text("roomLength");
    inputs.roomHeight = in.text("roomHeight");
    inputs.volume = in.text("volume");
    inputs.openingHeight = in.text("openingHeight");
    inputs.openingWidth = in.text("openingWidth");
    inputs.cornerWidth = in.text("cornerWidth");
    inputs.cornerLength = in.text("cornerLength");
    inputs.boilerWidth = in.text("boilerWidth");
    inputs.boilerLength = in.text("boilerLength");
    return inputs;
}

PlanInstallation readInstallation(const Fields& in, int format) {
    PlanInstallation installation{in.text("variant"), in.flag("horizontal"), std::nullopt, 0};
    if (format >= 2) {
        installation.secondRowCrosswise = in.flag("secondRowCrosswise");
        installation.occurrence = in.count("occurrence", kMaxVariantOccurrence);
    }
    return installation;
}

PlanSelection readSelection(const Fields& in, int format) {
    PlanSelection selection;
    selection.artNr = in.text("artNr");
    if (selection.artNr.empty()) {
        in.fail("artNr", "ist leer");
    }
    if (const std::optional<Fields> installation = in.optionalObject("installation")) {
        selection.installation = readInstallation(*installation, format);
    }
    selection.offset = in.offset("offset");
    selection.tickedAccessories = in.texts("accessories", kMaxTickedAccessories);
    return selection;
}

PlanFile readPlan(const JsonValue& document) {
    if (document.type() != JsonValue::Type::Object) {
        throw PlanFileFault{kKeinePlandatei};
    }
    const Fields root(document, "");
    const JsonValue* format = document.find("format");
    if (format == nullptr) {
        throw PlanFileFault{kKeinePlandatei};
    }
    const double version = root.member("format", JsonValue::Type::Number, "keine Zahl").asNumber();
    if (version != std::floor(version) || version < kOldestPlanFileFormat ||
        version > kPlanFileFormat) {
        JsonWriter number;
        number.value(version);
        throw PlanFileFault{"sie stammt aus einer anderen Velmora-Version (Planformat " +
                            number.str() + "; gelesen werden die Formate " +
                            std::to_string(kOldestPlanFileFormat) + " bis " +
                            std::to_string(kPlanFileFormat) +
                            "); bitte öffnen Sie sie mit der Version, die sie gespeichert hat"};
    }
    PlanFile plan;
    plan.inputs = readInputs(root.object("inputs"));
    plan.productGroup = root.text("productGroup");
    plan.tankPosition = root.corner("tankPosition");
    plan.cornerPosition = root.corner("cornerPosition");
    plan.boilerPosition = root.corner("boilerPosition");
    plan.boilerRoom = root.flag("boilerRoom");
    plan.protectedBoiler = root.flag("protectedBoiler");
    plan.tenCm = root.flag("tenCm");
    plan.projectName = root.text("projectName", kMaxProjectName);
    if (const std::optional<Fields> selection = root.optionalObject("selection")) {
        plan.selection = readSelection(*selection, static_cast<int>(version));
    }
    return plan;
}

void writeSelection(JsonWriter& json, const PlanSelection& selection) {
    json.beginObject();
    json.key("artNr").value(selection.artNr);
    json.key("installation");
    if (selection.installation) {
        json.beginObject();
        json.key("variant").value(selection.installation->variant);
        json.key("horizontal").value(selection.installation->horizontal);
        json.key("secondRowCrosswise")
            .value(selection.installation->secondRowCrosswise.value_or(false));
        json.key("occurrence").value(selection.installation->occurrence);
        json.endObject();
    } else {
        json.null();
    }
    json.key("offset").beginArray().value(selection.offset.X).value(selection.offset.Y).endArray();
    json.key("accessories").values(selection.tickedAccessories);
    json.endObject();
}

std::string fileName(const std::filesystem::path& path) {
    return quotedFileName(path);
}

}  // namespace

std::string planFileJson(const PlanFile& plan) {
    JsonWriter json(2);
    json.beginObject();
    json.key("format").value(kPlanFileFormat);
    writePlanInputs(json, plan.inputs);
    json.key("productGroup").value(plan.productGroup);
    json.key("tankPosition").value(plan.tankPosition);
    json.key("cornerPosition").value(plan.cornerPosition);
    json.key("boilerPosition").value(plan.boilerPosition);
    json.key("boilerRoom").value(plan.boilerRoom);
    json.key("protectedBoiler").value(plan.protectedBoiler);
    json.key("tenCm").value(plan.tenCm);
    json.key("projectName").value(plan.projectName);
    json.key("selection");
    if (plan.selection) {
        writeSelection(json, *plan.selection);
    } else {
        json.null();
    }
    json.endObject();
    return json.str() + "\n";
}

PlanFileReadResult parsePlanFile(std::string_view bytes) {
    PlanFileReadResult result;
    // Some editors put a byte-order mark before UTF-8 text; JSON itself has none.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const JsonParseResult json = parseJson(bytes);
    if (!json.value) {
        result.error = "sie ist keine Velmora-Plandatei oder ist beschädigt (unlesbar ab Zeile " +
                       std::to_string(json.line) + ", Spalte " + std::to_string(json.column) + ")" +
                       kOeffnenSieEinenPlan;
        return result;
    }
    try {
        result.plan = readPlan(*json.value);
    } catch (const PlanFileFault& fault) {
        result.error = fault.reason;
    }
    return result;
}

PlanFileReadResult readPlanFile(const std::filesystem::path& path) {
    const FileReadResult file = readFileLimited(path, kMaxPlanFileBytes);
    if (!file.bytes) {
        PlanFileReadResult result;
        result.error = fileReadMessage(path, file);
        return result;
    }
    PlanFileReadResult result = parsePlanFile(*file.bytes);
    if (!result.plan) {
        result.error =
            "Die Datei " + fileName(path) + " kann nicht geöffnet werden: " + result.error + ".";
    }
    return result;
}

bool writePlanFile(const std::filesystem::path& path, const PlanFile& plan, std::string& error) {
    const WriteResult written = writeFileAtomically(path, planFileJson(plan));
    if (!written) {
        error = "Die Datei " + fileName(path) + " kann nicht gespeichert werden: " + written.error +
                ".";
    }
    return static_cast<bool>(written);
}

void writePlanInputs(JsonWriter& json, const PlanInputs& inputs) {
    json.key("inputs").beginObject();
    json.key("roomWidth").value(inputs.roomWidth);
    json.key("roomLength").value(inputs.roomLength);
    json.key("roomHeight").value(inputs.roomHeight);
    json.key("volume").value(inputs.volume);
    json.key("openingHeight").value(inputs.openingHeight);
    json.key("openingWidth").value(inputs.openingWidth);
    json.key("cornerWidth").value(inputs.cornerWidth);
    json.key("cornerLength").value(inputs.cornerLength);
    json.key("boilerWidth").value(inputs.boilerWidth);
    json.key("boilerLength").value(inputs.boilerLength);
    json.endObject();
}

}  // namespace velmora
