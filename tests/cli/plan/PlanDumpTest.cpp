#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <pugixml.hpp>

#include "base/LenientNumber.h"
#include "cli/plan/JsonValue.h"
#include "cli/plan/RunPlan.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

using testing::JsonValue;
using Texts = std::vector<std::string>;

using testing::runPlan;

std::string demoSource(const std::string& name) {
    return std::string(VELMORA_DEMO_CATALOGUE_SOURCES) + "/" + name;
}

Texts sourceLines(const std::string& name) {
    std::ifstream in(demoSource(name));
    Texts lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string fieldOf(const std::string& line, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find("|||", start) + 3;
    }
    const std::size_t end = line.find("|||", start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

const JsonValue& findByArtNr(const JsonValue& list, const std::string& artNr) {
    for (const JsonValue& item : list.items()) {
        if (item["artNr"].asString() == artNr) {
            return item;
        }
    }
    throw std::runtime_error("no entry " + artNr);
}

class PlanDump : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = new testing::PlanProcessResult(runPlan("--dump-catalogue"));
        dump_ = new JsonValue(JsonValue::parse(run_->out));
        ASSERT_TRUE(articles_.load_file(demoSource("artikel.xml").c_str()));
    }
    static void TearDownTestSuite() {
        delete dump_;
        delete run_;
    }
    const JsonValue& group(const std::string& code) const {
        for (const JsonValue& g : (*dump_)["groups"].items()) {
            if (g["code"].asString() == code) {
                return g;
            }
        }
        throw std::runtime_error("no group " + code);
    }
    static pugi::xml_node article(const std::string& nr) {
        return articles_.document_element().find_child_by_attribute("artikel", "nr", nr.c_str());
    }
    static Texts articleLines(pugi::xml_node artikel, const char* name) {
        Texts lines;
        for (pugi::xml_node line : artikel.children(name)) {
            lines.emplace_back(line.text().get());
        }
        return lines;
    }

    static testing::PlanProcessResult* run_;
    static JsonValue* dump_;
    static pugi::xml_document articles_;
};

testing::PlanProcessResult* PlanDump::run_ = nullptr;
JsonValue* PlanDump::dump_ = nullptr;
pugi::xml_document PlanDump::articles_;

TEST_F(PlanDump, LoadsTheDemoCatalogueBesideTheProgram) {
    EXPECT_EQ(run_->status, 0);
    EXPECT_EQ(run_->err, "");
    EXPECT_EQ(dump_->keys(), (Texts{"errors", "settings", "groups"}));
    EXPECT_EQ((*dump_)["errors"].size(), 0u);
}

TEST_F(PlanDump, SettingsMatchTheSettingsSource) {
    const Texts lines = sourceLines("settings.txt");
    const JsonValue& settings = (*dump_)["settings"];
    ASSERT_EQ(settings.size(), 12u);
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_DOUBLE_EQ(settings.members()[i].second.asNumber(), parseLenient(lines[i]))
            << settings.members()[i].first;
    }
    EXPECT_EQ(settings["standardProjektName"].asString(), lines[11]);
}

TEST_F(PlanDump, GroupsAndProductsMatchTheProductAndArticleSources) {
    pugi::xml_document products;
    ASSERT_TRUE(products.load_file(demoSource("produkte.xml").c_str()));
    std::map<std::string, std::string> names;
    for (const std::string& line : sourceLines("wg.txt")) {
        names[fieldOf(line, 0)] = line.substr(line.find("|||") + 3);
    }
    Texts codes;
    for (pugi::xml_node p : products.document_element().children("produkt")) {
        const std::string code = p.attribute("warenGruppe").value();
        if (std::find(codes.begin(), codes.end(), code) == codes.end()) {
            codes.push_back(code);
        }
        const JsonValue& g = group(code);
        EXPECT_EQ(g["name"].asString(), names[code]);
        const JsonValue& dumped = findByArtNr(g["products"], p.attribute("artNr").value());
        const pugi::xml_node artikel = article(p.attribute("artNr").value());
        ASSERT_TRUE(artikel) << p.attribute("artNr").value();
        EXPECT_EQ(dumped["bezeichnung"].asString(), artikel.attribute("kurztext1").value());
        EXPECT_EQ(dumped["bezeichnung2"].asString(), artikel.attribute("kurztext2").value());
        EXPECT_DOUBLE_EQ(dumped["preis"].asNumber(), artikel.attribute("preis").as_double());
        EXPECT_EQ(dumped["produktbeschreibung"].asStrings(), articleLines(artikel, "langtext"));
        EXPECT_EQ(dumped["dimensionstext"].asStrings(), articleLines(artikel, "dimension"));
        EXPECT_DOUBLE_EQ(dumped["inhalt"].asNumber(), p.attribute("inhalt").as_double());
        EXPECT_EQ(dumped["breite"].asNumber(), p.attribute("breite").as_int());
        EXPECT_EQ(dumped["laenge"].asNumber(), p.attribute("laenge").as_int());
        EXPECT_EQ(dumped["hoehe"].asNumber(), p.attribute("hoehe").as_int());
        EXPECT_EQ(dumped["zusSpezLaenge"].asNumber(),
                  p.attribute("zusLaengeQueraufstellung").as_int());
        EXPECT_EQ(dumped["aufstellvariationen"].asBool(),
                  p.attribute("aufstellungsvariation").as_bool());
        EXPECT_EQ(dumped["aufsatzGegenueber"].asBool(), p.attribute("aufsatzGegenueber").as_bool());
        EXPECT_EQ(dumped["bild"].asString(), p.attribute("produktbild").value());
        EXPECT_EQ(dumped["grafik"].asString(), p.attribute("tankgrafik").value());
        EXPECT_EQ(dumped["rohrEndeReihe2"][1].asNumber(), p.attribute("rohrEndeYReihe2").as_int());
        EXPECT_EQ(dumped["abstaende"]["einreihig"][1].asString(),
                  p.child("abstandEinreihig").attribute("abstand2").value());
        EXPECT_EQ(dumped["zusHoehen"].size(),
                  static_cast<std::size_t>(std::distance(p.child("zusHoehen").children().begin(),
                                                         p.child("zusHoehen").children().end())));
    }
    Texts dumpedCodes;
    for (const JsonValue& g : (*dump_)["groups"].items()) {
        dumpedCodes.push_back(g["code"].asString());
        EXPECT_EQ(g.keys(), (Texts{"code", "name", "variants", "accessories", "products"}));
    }
    EXPECT_EQ(dumpedCodes, codes);
}

TEST_F(PlanDump, VariantsMatchTheVariantSource) {
    pugi::xml_document variants;
    ASSERT_TRUE(variants.load_file(demoSource("aufstellvarianten.xml").c_str()));
    std::map<std::string, std::size_t> next;  // position per list, keyed group/product
    for (pugi::xml_node wg : variants.document_element().children("warengruppe")) {
        const std::string code = wg.attribute("typ").value();
        for (pugi::xml_node v : wg.children("variante")) {
            const std::string p = v.attribute("p").value();
            const JsonValue& list = p.empty() ? group(code)["variants"]
                                              : findByArtNr(group(code)["products"], p)["variants"];
            const JsonValue& dumped = list[next[code + "/" + p]++];
            EXPECT_EQ(dumped["name"].asString(), v.attribute("n").value());
            EXPECT_EQ(dumped["produktArtNr"].asString(), p);
            EXPECT_EQ(dumped["ep"].asNumber(), v.attribute("ep").as_int());
            EXPECT_EQ(dumped["zwReihWaag"].asBool(), v.attribute("zwReihWaag").as_bool());
            EXPECT_EQ(dumped["normRelevant"].asBool(), v.attribute("normRel").as_bool());
            EXPECT_EQ(dumped["hasNormAlternative"].asBool(), !v.attribute("ignNorm").as_bool());
            EXPECT_EQ(dumped["gapOut"][3].asNumber(), v.attribute("gB").as_int());
            EXPECT_EQ(dumped["gapOutNormIgnore"][3].asNumber(),
                      v.attribute("gNiB").as_int(v.attribute("gB").as_int()));
            EXPECT_EQ(dumped["gapInNormIgnore"][0].asNumber(),
                      v.attribute("giNiX").as_int(v.attribute("giX").as_int()));
        }
    }
    for (const auto& [list, count] : next) {
        const std::string code = list.substr(0, list.find('/'));
        const std::string p = list.substr(list.find('/') + 1);
        const JsonValue& dumped = p.empty() ? group(code)["variants"]
                                            : findByArtNr(group(code)["products"], p)["variants"];
        EXPECT_EQ(dumped.size(), count) << list;
    }
}

TEST_F(PlanDump, AccessoriesMatchTheAccessorySource) {
    std::map<std::string, std::size_t> next;
    for (const std::string& line : sourceLines("zubehoer.txt")) {
        const std::string code = fieldOf(line, 0);
        const std::string p = fieldOf(line, 1);
        const std::string nr = fieldOf(line, 2);
        const JsonValue& list = p.empty() ? group(code)["accessories"]
                                          : findByArtNr(group(code)["products"], p)["accessories"];
        const JsonValue& dumped = list[next[code + "/" + p]++];
        const pugi::xml_node artikel = article(nr);
        ASSERT_TRUE(artikel) << nr;
        EXPECT_EQ(dumped["artNr"].asString(), nr);
        EXPECT_EQ(dumped["optional"].asBool(), line.substr(line.rfind("|||") + 3) == "true");
        EXPECT_EQ(dumped["bezeichnung"].asString(),
                  std::string(artikel.attribute("kurztext1").value()) + " " +
                      artikel.attribute("kurztext2").value());
        EXPECT_DOUBLE_EQ(dumped["preis"].asNumber(), artikel.attribute("preis").as_double());
        EXPECT_EQ(dumped["produktbeschreibung"].asStrings(), articleLines(artikel, "langtext"));
        EXPECT_EQ(dumped["dimensionstext"].asStrings(), articleLines(artikel, "dimension"));
    }
    for (const auto& [list, count] : next) {
        const std::string code = list.substr(0, list.find('/'));
        const std::string p = list.substr(list.find('/') + 1);
        const JsonValue& dumped = p.empty()
                                      ? group(code)["accessories"]
                                      : findByArtNr(group(code)["products"], p)["accessories"];
        EXPECT_EQ(dumped.size(), count) << list;
    }
}

TEST(PlanDumpErrors, MissingFilesAreListedAndReportedButExitZero) {
    testing::TempDirectory empty;
    const testing::PlanProcessResult run =
        runPlan("--catalogue '" + empty.path().string() + "' --dump-catalogue");
    EXPECT_EQ(run.status, 0);
    const JsonValue dump = JsonValue::parse(run.out);
    EXPECT_EQ(dump["errors"].asStrings(),
              (Texts{"Datanorm.500", "produkte.dta", "aufstellvarianten.dta", "zubehoer.dta",
                     "settings.dta"}));
    EXPECT_EQ(dump["groups"].size(), 0u);
    EXPECT_EQ(run.err,
              "Datei \"Datanorm.500\" nicht gefunden.\n"
              "Datei \"produkte.dta\" nicht gefunden.\n"
              "Datei \"aufstellvarianten.dta\" nicht gefunden.\n"
              "Datei \"zubehoer.dta\" nicht gefunden.\n"
              "Datei \"settings.dta\" nicht gefunden.\n");
}

TEST(PlanDumpErrors, UsageErrorsExitTwoWithOneLine) {
    for (const char* arguments : {"--dump-catalogue --bogus", "--dump-catalogue --catalogue"}) {
        const testing::PlanProcessResult run = runPlan(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments;
    }
}

}  // namespace
}  // namespace velmora
