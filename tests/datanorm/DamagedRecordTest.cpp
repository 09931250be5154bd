// Records that cannot give a true price make the file damaged, in both load modes; files
// that real deliveries resemble still load.
#include <gtest/gtest.h>

#include <string>

#include "DatanormTestFiles.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/TDatanorm.h"

namespace velmora::datanorm {
namespace {

using test::artikel4;
using test::artikel5;
using test::kopf4;
using test::kopf5;

// One file in a directory of its own (the large-file mode keeps caches beside it), loaded
// in memory or, with gross, through the large-file index.
struct Geladen {
    Geladen(const std::string& inhalt, const std::string& name, bool gross) {
        reader.LoadFromFile(dir.write(name, inhalt).string(), gross ? 1 : 0, !gross);
    }
    test::TempDir dir;
    TDatanorm reader;
};

class DamagedRecordTest : public ::testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(BeideModi, DamagedRecordTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Datei" : "Speicher"; });

TEST_P(DamagedRecordTest, PricesThatAreNoAmountAndCutRecordsAreDamage) {
    const std::string davor = kopf5() + artikel5({.nummer = "1", .preis = "52000"});
    const struct {
        const char* fall;
        std::string inhalt;
    } faelle[] = {
        {"NUL in the price",
         davor + artikel5({.nummer = "2", .preis = std::string("665\0 00", 7)})},
        {"negative", davor + artikel5({.nummer = "2", .preis = "-66500"})},
        {"exponent", davor + artikel5({.nummer = "2", .preis = "1e308"})},
        {"decimal comma", davor + artikel5({.nummer = "2", .preis = "665,00"})},
        {"empty", davor + artikel5({.nummer = "2", .preis = ""})},
        {"beyond the bound", davor + artikel5({.nummer = "2", .preis = "10000000000"})},
        {"too many digits", davor + artikel5({.nummer = "2", .preis = "99999999999999999999999"})},
        {"record cut before its price", davor + "A;N;2;Tank;;PCE;1;1;"},
        {"cut inside the price", davor + "A;N;2;Tank;;PCE;1;1;665"},
        {"cut inside a later field", davor + "A;N;2;Tank;;PCE;1;1;66500;R1;KB"},
        {"cut inside a text record", davor + "T;N;L1;1;1;Doppelwandiger Tan"},
        // The discount group (empty) lands where a DATANORM 4 record keeps its price.
        {"DATANORM 4 header on DATANORM 5 records",
         kopf4() + artikel5({.nummer = "1", .preis = "52000", .rabattgruppe = ""})},
    };
    for (const auto& f : faelle) {
        EXPECT_THROW(Geladen(f.inhalt, "Datanorm.500", GetParam()), EDatanormBeschaedigt) << f.fall;
    }
}

TEST_P(DamagedRecordTest, RealFileEndingsAndShortRecordsStillLoad) {
    const struct {
        const char* fall;
        std::string inhalt;
        double preis;
    } faelle[] = {
        {"last line without its line end",
         kopf5() + "A;N;1;Tank;;PCE;1;1;52000;;KBT;;;;;;;;;;1;;0;;;;;;1;", 520.0},
        {"trailing empty fields left out", kopf5() + "A;N;1;Tank;;PCE;1;1;52000;\r\n", 520.0},
        {"end-of-file mark after the last line", kopf5() + artikel5({.nummer = "1"}) + "\x1A", 1.0},
        {"price in blanks", kopf5() + artikel5({.nummer = "1", .preis = " 52000 "}), 520.0},
        {"price of 0,00", kopf5() + artikel5({.nummer = "1", .preis = "0"}), 0.0},
        {"highest price", kopf5() + artikel5({.nummer = "1", .preis = "9999999999"}), 99999999.99},
        {"DATANORM 4", kopf4() + artikel4({.nummer = "1", .preis = "52000"}), 520.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        Geladen geladen(f.inhalt, "Datanorm.001", GetParam());
        const auto produkt = geladen.reader.finde_produkt("1");
        ASSERT_NE(produkt, nullptr);
        EXPECT_DOUBLE_EQ(produkt->Preis, f.preis);
    }
}

}  // namespace
}  // namespace velmora::datanorm
