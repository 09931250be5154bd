// Real DATANORM deliveries from elsewhere: each loads in both modes with the same answers.
// The corpus lies outside the repository: VELMORA_DATANORM_CORPUS, else
// ../shared/datanorm-corpus beside the project's root. It is copied first because the
// reader writes its caches beside the files. Without it the test skips, but fails in CI.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "DatanormTestFiles.h"
#include "datanorm/TDatanorm.h"

namespace velmora::datanorm {
namespace {

namespace fs = std::filesystem;

fs::path corpusDir() {
    const char* env = std::getenv("VELMORA_DATANORM_CORPUS");
    return env != nullptr && *env != '\0' ? fs::path(env) : fs::path(VELMORA_DEFAULT_CORPUS);
}

struct Probe {
    std::string nummer;
    std::string kurztext1;
    double preis;
    std::string einheit;
    std::size_t langtextzeilen;
};

struct CorpusFile {
    std::string name;
    int version;
    std::size_t artikel;
    int textzeilen;
    std::size_t warengruppen;
    std::vector<Probe> proben;
};

const std::vector<CorpusFile>& corpus() {
    static const std::vector<CorpusFile> files = {
        {"edi20/datanorm4.001.txt",
         4,
         40,
         0,
         0,
         {{"0563E.341200000", "CHROMA AZUR DUNKEL", 58.5, "QM", 0},
          {"0433126E.050/05", "SINZIG S-T PAZIFIKBLAU", 50.9, "QM", 0}}},
        {"fahrjo/datanorm_test.001",
         4,
         1,
         0,
         4,
         {{"899977", "HAGER Leitungsschutzschalter AC C 16A 3p", 100.0, "STK", 0}}},
        {"fahrjo/datanorm_2_test.001",
         4,
         1,
         0,
         1,
         {{"996634", "Hager MCS316 LS-Schalter 3P 6kA C-16A 3M", 100.0, "STCK", 0}}},
        {"fahrjo/datpreis_test.001", 4, 0, 0, 0, {}},
        {"halo/v4_datpreis.001", 4, 0, 0, 0, {}},
        {"halo/v4_text_product_and_extra.001",
         4,
         1,
         4,
         0,
         {{"Z-0159", "Aufbewahrungspult", 199.0, "Stück", 8}}},
        {"halo/v4_with_empty_lines_and_invalid_tags.001",
         4,
         1,
         3,
         0,
         {{"Z-0159", "Aufbewahrungspult", 199.0, "Stück", 6}}},
        {"halo/v4_with_missing_text_references.001",
         4,
         1,
         3,
         1,
         {{"Z-0159", "Aufbewahrungspult", 199.0, "Stück", 0}}},
        {"halo/v5_first_texts_then_products.001",
         5,
         4,
         12,
         1,
         {{"020-568-Z", "Basisplatine für NF300", 1081.1, "Stück", 0},
          {"WM2348E", "Montagesockelzusatz", 35.6, "Stück", 2},
          {"WPW", "aP-Sockel IP 65 reinweiß", 27.5, "Stück", 5}}},
        {"halo/v5_texts_and_products.001",
         5,
         5,
         12068,
         1,
         {{"170139", "LSN-Blitzleuchte FNS-420-R-rot", 124.0, "STCK", 23},
          {"171033", "LSN-Pr?fger?t FME-420-LSN-TTL, zur Pr?fu", 2200.0, "STCK", 56}}},
        {"halo/v5_many_texts_few_products.001", 5, 0, 26096, 0, {}},
        {"muhkuh/DATANORM.001",
         4,
         19,
         0,
         0,
         {{"BR-150009", "Brentomat Filtersteuerung FST 400 1,6 - ", 592.0, "STCK", 0}}},
        {"morphfact/DATANORM.001",
         4,
         5,
         0,
         96,
         {{"3107713", "Cloer Waffelautomat+Küchenwaage", 56.29, "STCK", 0}}},
    };
    return files;
}

class CorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(corpusDir())) {
            const char* ci = std::getenv("CI");
            if (ci != nullptr && std::string(ci) == "true") {
                FAIL() << "no DATANORM corpus at " << corpusDir();
            }
            GTEST_SKIP() << "no DATANORM corpus at " << corpusDir();
        }
        fs::copy(corpusDir(), FDir.path(), fs::copy_options::recursive);
    }

    test::TempDir FDir;
};

TEST_F(CorpusTest, EveryFileLoadsInBothModesAlike) {
    for (const CorpusFile& file : corpus()) {
        SCOPED_TRACE(file.name);
        TDatanorm speicher;
        speicher.LoadFromFile(FDir.path(file.name), 0, true);
        TDatanorm datei;
        datei.LoadFromFile(FDir.path(file.name), 1, false);
        ASSERT_TRUE(datei.isGrosseDateien());

        for (const TDatanorm* dn : {&speicher, &datei}) {
            EXPECT_EQ(dn->getVersion(), file.version);
            EXPECT_EQ(dn->getArtikelnummern().size(), file.artikel);
            EXPECT_EQ(dn->getSatzzahlen().laenge_textsatz, file.textzeilen);
            const THauptwarengruppensatz* gruppen = dn->getHauptwarengruppensatz();
            EXPECT_EQ(gruppen == nullptr ? 0 : gruppen->Hauptwarengruppensaetze.size(),
                      file.warengruppen);
        }
        for (const Probe& probe : file.proben) {
            const auto produkt = speicher.finde_produkt(probe.nummer);
            ASSERT_NE(produkt, nullptr) << probe.nummer;
            EXPECT_EQ(produkt->Kurztext1, probe.kurztext1);
            EXPECT_DOUBLE_EQ(produkt->Preis, probe.preis);
            EXPECT_EQ(produkt->Mengeneinheit, probe.einheit);
            EXPECT_EQ(produkt->Langtext.size(), probe.langtextzeilen);
        }
        for (const std::string& nummer : speicher.getArtikelnummern()) {
            const auto a = speicher.finde_produkt(nummer);
            const auto b = datei.finde_produkt(nummer);
            ASSERT_NE(a, nullptr);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(a->Kurztext1, b->Kurztext1);
            EXPECT_EQ(a->Kurztext2, b->Kurztext2);
            EXPECT_EQ(a->Preis, b->Preis);
            EXPECT_EQ(a->Mengeneinheit, b->Mengeneinheit);
            EXPECT_EQ(a->Warengruppe, b->Warengruppe);
            EXPECT_EQ(a->Rabattgruppe, b->Rabattgruppe);
            EXPECT_EQ(a->Langtext, b->Langtext);
            EXPECT_EQ(a->Dimensionstext, b->Dimensionstext);
        }
    }
}

TEST_F(CorpusTest, CodePagesAndSideFilesAsDelivered) {
    TDatanorm morphfact;
    morphfact.LoadFromFile(FDir.path("morphfact/DATANORM.001"), 10000000, false);
    EXPECT_EQ(morphfact.getVorlaufsatz().Informationstext3.substr(0, 22), "COPYRIGHT SONEPAR SÜD");
    const auto& gruppen = morphfact.getHauptwarengruppensatz()->Hauptwarengruppensaetze;
    ASSERT_GE(gruppen.size(), 5u);
    EXPECT_EQ(gruppen[4]->Hauptwarengruppe, "05");
    EXPECT_EQ(gruppen[4]->Bezeichnung, "Rohre und Schutzschläuche");
    EXPECT_EQ(morphfact.getKundenkontrollsatz().Kundennummer, "");

    // This product-group file is not in the DOS code page, so its "ä" reads as "õ".
    TDatanorm fahrjo;
    fahrjo.LoadFromFile(FDir.path("fahrjo/datanorm_test.001"), 10000000, false);
    EXPECT_EQ(fahrjo.getHauptwarengruppensatz()->Hauptwarengruppensaetze[0]->Bezeichnung,
              "Installationsgerõte & -systeme");
    EXPECT_EQ(fahrjo.finde_produkt("899977")->Kurztext2, "MCS316 415V 3TE 50Hz Zusatzeinr.mögl");

    TDatanorm halo;
    halo.LoadFromFile(FDir.path("halo/v5_first_texts_then_products.001"), 10000000, false);
    EXPECT_EQ(halo.finde_produkt("WPW")->Langtext.back(),
              "Farbe          reinweiß, ähnlich RAL9010");
    EXPECT_EQ(halo.getVorlaufsatz().Datum, 43927.0);  // 6 April 2020
}

}  // namespace
}  // namespace velmora::datanorm
