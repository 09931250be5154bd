#include "app/TDaten.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>

#include "app/CatalogueDirectory.h"
#include "support/RandomBytes.h"
#include "support/ScriptedHost.h"

namespace velmora {
namespace {

using testing::CatalogueDirectory;
using testing::ScriptedHost;
using Texts = std::vector<std::string>;

const TProduktgruppe& gruppe(const TDaten& daten, const std::string& wg) {
    return *daten.getProduktgruppenListe().at(daten.getProduktgruppenIndex(wg));
}

class TDatenLaden : public ::testing::Test {
protected:
    ScriptedHost host;
    CatalogueDirectory catalogue;
};

TEST_F(TDatenLaden, CompleteCatalogueLoadsWithoutMessage) {
    TDaten daten(catalogue.write(), true);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_TRUE(daten.getFehlendeDateien().empty());
    EXPECT_EQ(daten.getLoesungsListe(), nullptr);
    EXPECT_EQ(daten.getAktuellesProdukt(), nullptr);
    EXPECT_TRUE(daten.getRoomPosition().empty());
}

TEST_F(TDatenLaden, GroupsFollowTheFirstMentionNotTheGroupFile) {
    TDaten daten(catalogue.write(), true);
    ASSERT_EQ(daten.getAnzahlProduktgruppen(), 3u);
    // X and Y from the products, Z from a group-wide variant.
    EXPECT_EQ(daten.getProduktgruppenWG(0), "X");
    EXPECT_EQ(daten.getProduktgruppenWG(1), "Y");
    EXPECT_EQ(daten.getProduktgruppenWG(2), "Z");
    // The name is the rest of the line; a code missing from "wg.dta" gets an empty name.
    EXPECT_EQ(daten.getProduktgruppenBezeichnung(0), "Batterietanks |||mit Rest");
    EXPECT_EQ(daten.getProduktgruppenBezeichnung(1), "Kompakttanks");
    EXPECT_EQ(daten.getProduktgruppenBezeichnung(2), "");
    EXPECT_EQ(daten.getProduktgruppenIndex("x"), 3u);
    EXPECT_THROW(daten.getProduktgruppenBezeichnung(3), std::out_of_range);
}

TEST_F(TDatenLaden, ProductsTakeTheirTextsAndPriceFromDatanorm) {
    TDaten daten(catalogue.write(), true);
    const TProdukt& tank = gruppe(daten, "X").getProdukt("1001");
    EXPECT_EQ(tank.getBezeichnung(), "Tank 1000 l");
    EXPECT_EQ(tank.getBezeichnung_kt2(), "doppelwandig");
    EXPECT_DOUBLE_EQ(tank.getKatalogPreis(), 665.0);
    EXPECT_EQ(tank.getProduktbeschreibung(), (Texts{"Doppelwandiger Tank", "aus Polyethylen"}));
    EXPECT_EQ(tank.getDimensionstext(), Texts{"Breite 760 mm"});
    EXPECT_DOUBLE_EQ(tank.getInhalt(), 1000.0);
    EXPECT_EQ(tank.getBreite(), 760);
    EXPECT_EQ(tank.getLaenge(), 1400);
    EXPECT_EQ(tank.getHoehe(), 1520);
    EXPECT_EQ(tank.getZusBreite(), 50);
    EXPECT_EQ(tank.getZusLaenge(), 60);
    EXPECT_EQ(tank.getZusSpezLaenge(), 100);
    EXPECT_TRUE(tank.getAufstellvariation());
    EXPECT_TRUE(tank.getAufsatzGegenueber());
    EXPECT_EQ(tank.getBild(), "images/produkte/1001.jpg");
    EXPECT_EQ(tank.getGrafik(), "tank_1001");
    EXPECT_EQ(tank.getRohrStart(), (TPoint{80, 120}));
    EXPECT_EQ(tank.getRohrEnde(), (TPoint{680, 220}));
    EXPECT_EQ(tank.getRohrStartReihe2(), (TPoint{80, 1180}));
    EXPECT_EQ(tank.getRohrEndeReihe2(), (TPoint{680, 1280}));
    EXPECT_EQ(tank.getAbstaendeEinreihig(), (Texts{"5 cm", "40 cm", "5 cm", ""}));
    EXPECT_EQ(tank.getAbstaendeZweireihig(), (Texts{"", "", "", ""}));
    ASSERT_EQ(tank.getZusAufstellhoehen().size(), 2u);
    EXPECT_EQ(tank.getZusAufstellhoehen()[1]->getAnzahl(), 3);
    EXPECT_EQ(tank.getZusAufstellhoehen()[1]->getHoehe(), 450);
}

TEST_F(TDatenLaden, BareUpperCaseProductGetsTheDefaults) {
    TDaten daten(catalogue.write(), true);
    const TProdukt& tank = gruppe(daten, "Y").getProdukt("2001");
    EXPECT_DOUBLE_EQ(tank.getInhalt(), 1000.0);
    EXPECT_TRUE(tank.getAufstellvariation());
    EXPECT_EQ(tank.getBreite() + tank.getLaenge() + tank.getHoehe() + tank.getZusBreite(), 0);
    EXPECT_FALSE(tank.getAufsatzGegenueber());
    for (const Texts* abstaende :
         {&tank.getAbstaendeEinreihig(), &tank.getAbstaendeZweireihig(),
          &tank.getAbstaendeZweireihigMitEinzeltank(), &tank.getAbstaendeZweireihigNormIgn()}) {
        EXPECT_EQ(*abstaende, (Texts{"", "", "", ""}));
    }
    EXPECT_TRUE(tank.getZusAufstellhoehen().empty());
    // The article is in the DATANORM file without a long text: present, but empty.
    EXPECT_EQ(tank.getProduktbeschreibung(), Texts{});
}

TEST_F(TDatenLaden, VariantsGoToTheirProductOrGroup) {
    TDaten daten(catalogue.write(), true);
    const TProdukt& tank = gruppe(daten, "X").getProdukt("1001");
    ASSERT_EQ(tank.getAufstellvariantenListe().size(), 1u);
    const TAufstellvariante& eigene = *tank.getAufstellvariantenListe()[0];
    EXPECT_EQ(eigene.getVariante(), "3+2");
    EXPECT_EQ(eigene.getReihe1(), 3);
    EXPECT_EQ(eigene.getReihe2(), 2);
    EXPECT_EQ(eigene.getAnzahlTanks(), 5);
    EXPECT_EQ(eigene.ProduktArtNr(), "1001");
    EXPECT_EQ(
        eigene.getHp() * 1000 + eigene.getEp() * 100 + eigene.getUp() * 10 + eigene.getUpSonder(),
        1310);
    EXPECT_TRUE(eigene.isNormrelevant());
    EXPECT_TRUE(eigene.HasNormAlternative());
    EXPECT_EQ(eigene.getGapOut(false), (TRect{50, 400, 50, 400}));
    // Absent norm-ignore gaps repeat the norm gaps.
    EXPECT_EQ(eigene.getGapOut(true), (TRect{50, 400, 50, 50}));
    EXPECT_EQ(eigene.getGapIn(false), (TPoint{50, 60}));
    EXPECT_EQ(eigene.getGapIn(true), (TPoint{50, 70}));

    const auto& gruppenVarianten = gruppe(daten, "X").getAufstellvariantenListe();
    ASSERT_EQ(gruppenVarianten.size(), 1u);
    const TAufstellvariante& vier = *gruppenVarianten[0];
    EXPECT_EQ(vier.getReihe1(), 4);
    EXPECT_EQ(vier.getReihe2(), 0);
    EXPECT_TRUE(vier.getZwReihWaag());
    EXPECT_FALSE(vier.HasNormAlternative());  // ignNorm="TRUE"
    EXPECT_FALSE(vier.isNormrelevant());
    EXPECT_EQ(vier.getUpSonder(), 2);
    EXPECT_EQ(gruppe(daten, "Z").getAufstellvariantenListe().size(), 1u);
}

TEST_F(TDatenLaden, AccessoriesGoToTheirGroupOrProduct) {
    TDaten daten(catalogue.write(), true);
    const auto& gruppenZubehoer = gruppe(daten, "X").getZubehoerListe();
    ASSERT_EQ(gruppenZubehoer.size(), 1u);
    const TZubehoer& grundset = *gruppenZubehoer[0];
    EXPECT_EQ(grundset.getArtNr(), "9001");
    EXPECT_EQ(grundset.getBezeichnung(), "Grundset 1. Tank");
    EXPECT_FALSE(grundset.getOptional());
    EXPECT_DOUBLE_EQ(grundset.getKatalogPreis(), 245.13);
    EXPECT_EQ(grundset.getProduktbeschreibung(), Texts{"Für den ersten Tank"});

    const auto& eigenes = gruppe(daten, "X").getProdukt("1001").getZubehoerListe();
    ASSERT_EQ(eigenes.size(), 1u);
    EXPECT_EQ(eigenes[0]->getBezeichnung(), "Füllstandsanzeiger mechanisch");
    EXPECT_TRUE(eigenes[0]->getOptional());
    EXPECT_DOUBLE_EQ(eigenes[0]->getKatalogPreis(), 39.0);
    EXPECT_TRUE(gruppe(daten, "Y").getProdukt("2001").getZubehoerListe().empty());
}

TEST_F(TDatenLaden, UnresolvedReferencesKeepProductsAndSkipRecords) {
    catalogue.files["produkte.dta"] =
        "<p><produkt artNr=\"1001\" warenGruppe=\"X\"/><produkt artNr=\"7777\" warenGruppe=\"X\""
        " inhalt=\"900\"/></p>";
    catalogue.files["aufstellvarianten.dta"] =
        "<a><warengruppe typ=\"X\">"
        "<variante n=\"2\" p=\"4711\"/>"  // product unknown in its group
        "<variante n=\"3\" p=\"7777\"/>"  // product without DATANORM article
        "<variante n=\"2x\"/><variante n=\"0\"/><variante n=\"3+\"/><variante/>"
        "<variante n=\"2+1\" gL=\"5 cm\" hp=\"eins\"/>"
        "</warengruppe>"
        "<warengruppe typ=\"Q\"><variante n=\"2\" p=\"1001\"/></warengruppe>"  // group unknown
        "</a>";
    catalogue.files["zubehoer.dta"] =
        "X|||4711|||9001|||\r\n"       // product unknown
        "Q|||1001|||9001|||\r\n"       // group unknown
        "X|||7777|||8888|||true\r\n";  // accessory article unknown
    TDaten daten(catalogue.write(), true);
    EXPECT_EQ(daten.getArtikelOhnePreis(), (Texts{"7777", "8888"}));
    EXPECT_EQ(host.quitRequests, 0);
    ASSERT_EQ(daten.getAnzahlProduktgruppen(), 1u);

    const TProdukt& ohneArtikel = gruppe(daten, "X").getProdukt("7777");
    EXPECT_EQ(ohneArtikel.getBezeichnung(), "Noch keine Beschreibung vorhanden.");
    EXPECT_EQ(ohneArtikel.getBezeichnung_kt2(), "");
    EXPECT_FALSE(ohneArtikel.hatPreis());
    EXPECT_DOUBLE_EQ(ohneArtikel.getInhalt(), 900.0);
    ASSERT_EQ(ohneArtikel.getAufstellvariantenListe().size(), 1u);
    ASSERT_EQ(ohneArtikel.getZubehoerListe().size(), 1u);
    const TZubehoer& unbekannt = *ohneArtikel.getZubehoerListe()[0];
    EXPECT_EQ(unbekannt.getBezeichnung(), "Noch keine Beschreibung vorhanden.");
    EXPECT_FALSE(unbekannt.hatPreis());
    EXPECT_FALSE(unbekannt.getProduktbeschreibung().has_value());
    EXPECT_FALSE(unbekannt.getDimensionstext().has_value());

    EXPECT_TRUE(gruppe(daten, "X").getProdukt("1001").getAufstellvariantenListe().empty());
    EXPECT_TRUE(gruppe(daten, "X").getProdukt("1001").getZubehoerListe().empty());
    // Of the group-wide variants only the well-formed name survives; malformed numbers
    // count as absent.
    const auto& varianten = gruppe(daten, "X").getAufstellvariantenListe();
    ASSERT_EQ(varianten.size(), 1u);
    EXPECT_EQ(varianten[0]->getVariante(), "2+1");
    EXPECT_EQ(varianten[0]->getGapOut(false).Left, 0);
    EXPECT_EQ(varianten[0]->getHp(), 0);
    EXPECT_TRUE(gruppe(daten, "X").getZubehoerListe().empty());
}

TEST_F(TDatenLaden, ArticleNumbersOfRecordsIgnoreLetterCase) {
    catalogue.files["produkte.dta"] = "<p><produkt artNr=\"ab-12\" warenGruppe=\"X\"/></p>";
    catalogue.files["aufstellvarianten.dta"] =
        "<a><warengruppe typ=\"X\"><variante n=\"2\" p=\"AB-12\"/></warengruppe></a>";
    catalogue.files["zubehoer.dta"] = "X|||Ab-12|||9001|||\r\n";
    TDaten daten(catalogue.write(), true);
    const TProdukt& tank = gruppe(daten, "X").getProdukt("ab-12");
    EXPECT_EQ(tank.getAufstellvariantenListe().size(), 1u);
    EXPECT_EQ(tank.getZubehoerListe().size(), 1u);
}

TEST_F(TDatenLaden, MissingFilesAreNamedInOneMessageInFixedOrder) {
    std::filesystem::remove(catalogue.write() + "/produkte.dta");
    std::filesystem::remove(catalogue.directory().path() / "settings.dta");
    TDaten daten(catalogue.directory().path().string(), true);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0],
              "Datei \"produkte.dta\" nicht gefunden.\r\n"
              "Datei \"settings.dta\" nicht gefunden.\r\n"
              "Das Programm wird geschlossen.");
    EXPECT_EQ(host.quitRequests, 1);
    EXPECT_EQ(daten.getFehlendeDateien(), (Texts{"produkte.dta", "settings.dta"}));
    // Without products no accessories; the variants still create their groups, unnamed.
    EXPECT_EQ(daten.getAnzahlProduktgruppen(), 2u);
    EXPECT_EQ(daten.getProduktgruppenBezeichnung(0), "");
    EXPECT_TRUE(gruppe(daten, "X").getZubehoerListe().empty());
    EXPECT_DOUBLE_EQ(daten.getStandardRaumBreite(), 0.0);
}

TEST_F(TDatenLaden, LoadOnAnotherThreadKeepsItsMessageForTheWindow) {
    std::filesystem::remove(catalogue.write() + "/settings.dta");
    TDaten daten(catalogue.directory().path().string(), TDaten::LadefehlerSpaeter{});
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_EQ(daten.getFehlendeDateien(), (Texts{"settings.dta"}));
    daten.meldeLadefehler();
    daten.meldeLadefehler();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0],
              "Datei \"settings.dta\" nicht gefunden.\r\nDas Programm wird geschlossen.");
    EXPECT_EQ(host.quitRequests, 1);
}

TEST_F(TDatenLaden, EmptyDirectoryNamesEveryFileItTriedToRead) {
    TDaten daten(catalogue.directory().path().string(), false);
    ASSERT_EQ(host.errors.size(), 1u);
    // Without the closing line and without ending the program when errors are not shown.
    EXPECT_EQ(host.errors[0],
              "Datei \"Datanorm.500\" nicht gefunden.\r\n"
              "Datei \"produkte.dta\" nicht gefunden.\r\n"
              "Datei \"aufstellvarianten.dta\" nicht gefunden.\r\n"
              "Datei \"zubehoer.dta\" nicht gefunden.\r\n"
              "Datei \"settings.dta\" nicht gefunden.");
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_EQ(daten.getAnzahlProduktgruppen(), 0u);
}

TEST_F(TDatenLaden, MissingGroupFileLeavesGroupsUnnamed) {
    catalogue.files.erase("wg.dta");
    TDaten daten(catalogue.write(), true);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], "Datei \"wg.dta\" nicht gefunden.\r\nDas Programm wird geschlossen.");
    ASSERT_EQ(daten.getAnzahlProduktgruppen(), 3u);
    EXPECT_EQ(daten.getProduktgruppenBezeichnung(0), "");
    EXPECT_EQ(gruppe(daten, "X").getProduktListe().size(), 1u);
}

TEST_F(TDatenLaden, BrokenFilesCountAsMissing) {
    struct Case {
        const char* file;
        std::string content;
        const char* named;
    };
    const Case cases[] = {
        {"produkte.dta", "<produkte><produkt artNr=\"1001\"", "produkte.dta"},
        {"aufstellvarianten.dta", "kein XML", "aufstellvarianten.dta"},
        {"produkte.dta", "", "produkte.dta"},
        {"Datanorm.500", "\r\n", "Datanorm.500"},
    };
    for (const Case& c : cases) {
        ScriptedHost caseHost;
        CatalogueDirectory broken;
        broken.files[c.file] = c.content;
        TDaten daten(broken.write(), true);
        EXPECT_EQ(daten.getFehlendeDateien(), Texts{c.named}) << c.file << ": " << c.content;
    }
}

TEST_F(TDatenLaden, DamagedFilesAreNamedAsDamaged) {
    const std::string zufallsbytes = testing::randomBytes(2048);
    const struct {
        const char* file;
        std::string content;
    } cases[] = {
        {"Datanorm.500", std::string(2048, '\0')},
        {"Datanorm.500", zufallsbytes},
        {"Datanorm.500", "\r\n"},
        {"Datanorm.500", "V;050;A;20261201;EUR;Preisaenderungen;\r\nP;A;1001;1;66500;\r\n"},
        {"zubehoer.dta", ""},
        {"zubehoer.dta", "\r\n\r\n"},
        {"zubehoer.dta", "X||||||9001|||\r\nX|||1001|||9002\r\n"},
        {"zubehoer.dta", zufallsbytes},
        // Cut inside the optional flag: the accessory would turn required.
        {"zubehoer.dta", "X||||||9001|||\r\nX|||1001|||9002|||tr"},
        {"wg.dta", ""},
        {"wg.dta", "Kompakttanks\r\nBatterietanks\r\n"},
        {"wg.dta", std::string(64, '\0')},
        {"settings.dta", ""},
        {"settings.dta", zufallsbytes},
    };
    for (const auto& c : cases) {
        ScriptedHost caseHost;
        CatalogueDirectory damaged;
        damaged.files[c.file] = c.content;
        const TDaten daten(damaged.write(), true);
        ASSERT_EQ(caseHost.errors.size(), 1u) << c.file;
        EXPECT_EQ(caseHost.errors[0], "Datei \"" + std::string(c.file) +
                                          "\" ist beschädigt.\r\nDas Programm wird geschlossen.")
            << c.file;
        EXPECT_EQ(caseHost.quitRequests, 1);
        EXPECT_EQ(daten.getFehlendeDateien(), Texts{c.file});
    }
}

// A catalogue file that is there but cannot be read is not called missing: a FIFO (which
// must not block the start) and a file far larger than any catalogue.
TEST_F(TDatenLaden, UnreadableFilesAreNamedAsUnreadable) {
    for (const char* file : {"settings.dta", "produkte.dta"}) {
        for (const bool fifo : {true, false}) {
            ScriptedHost caseHost;
            CatalogueDirectory katalog;
            const std::string verzeichnis = katalog.write();
            const std::string pfad = verzeichnis + "/" + file;
            std::filesystem::remove(pfad);
            if (fifo) {
                ASSERT_EQ(mkfifo(pfad.c_str(), 0600), 0);
            } else {
                std::ofstream(pfad).put('x');
                std::filesystem::resize_file(pfad, std::uintmax_t{200} * 1024 * 1024);
            }
            const TDaten daten(verzeichnis, true);
            ASSERT_EQ(caseHost.errors.size(), 1u) << file;
            EXPECT_EQ(caseHost.errors[0], "Datei \"" + std::string(file) +
                                              "\" kann nicht gelesen werden.\r\nDas Programm "
                                              "wird geschlossen.")
                << file << (fifo ? " (FIFO)" : " (large)");
        }
    }
}

TEST_F(TDatenLaden, LineFilesWithLfOnlyReadAsWithCrLf) {
    CatalogueDirectory lfOnly;
    for (const char* name : {"zubehoer.dta", "wg.dta", "settings.dta"}) {
        lfOnly.files[name] = std::regex_replace(lfOnly.files[name], std::regex("\r\n"), "\n");
    }
    const TDaten crlf(catalogue.write(), true);
    const TDaten lf(lfOnly.write(), true);
    EXPECT_TRUE(host.errors.empty());
    const auto accessories = [](const TDaten& daten) {
        std::vector<std::string> artNr;
        for (const auto& g : daten.getProduktgruppenListe()) {
            for (const auto& z : g->getZubehoerListe()) {
                artNr.push_back(g->getWGBezeichnung() + ":" + z->getArtNr());
            }
            for (const auto& p : g->getProduktListe()) {
                for (const auto& z : p->getZubehoerListe()) {
                    artNr.push_back(p->getArtikelNr() + ":" + z->getArtNr());
                }
            }
        }
        return artNr;
    };
    EXPECT_EQ(accessories(lf), (Texts{"X:9001", "1001:9002"}));
    EXPECT_EQ(accessories(lf), accessories(crlf));
    EXPECT_EQ(lf.getProduktgruppenBezeichnung(0), "Batterietanks |||mit Rest");
    EXPECT_EQ(lf.getProduktgruppenBezeichnung(1), "Kompakttanks");
    EXPECT_DOUBLE_EQ(lf.getMaxRaumBreite(), 10.0);
    EXPECT_DOUBLE_EQ(lf.getVolumenVarianz(), 300.0);
    EXPECT_EQ(lf.getStandardProjektName(), "Tankanlage");
}

TEST_F(TDatenLaden, SettingsAreReadLeniently) {
    TDaten daten(catalogue.write(), true);
    EXPECT_DOUBLE_EQ(daten.getStandardRaumBreite(), 3.0);
    EXPECT_DOUBLE_EQ(daten.getStandardRaumLaenge(), 4.5);
    EXPECT_DOUBLE_EQ(daten.getStandardRaumHoehe(), 2.2);
    EXPECT_DOUBLE_EQ(daten.getStandardVolumen(), 3000.0);
    EXPECT_DOUBLE_EQ(daten.getStandardEinbringHoehe(), 1.9);
    EXPECT_DOUBLE_EQ(daten.getStandardEinbringBreite(), 0.8);
    EXPECT_DOUBLE_EQ(daten.getMaxRaumBreite(), 10.0);
    EXPECT_DOUBLE_EQ(daten.getMaxRaumLaenge(), 12.0);
    EXPECT_DOUBLE_EQ(daten.getMaxRaumHoehe(), 4.0);
    EXPECT_DOUBLE_EQ(daten.getMaxVolumenBeiHeizraum(), 5000.0);
    EXPECT_DOUBLE_EQ(daten.getVolumenVarianz(), 300.0);
    EXPECT_EQ(daten.getStandardProjektName(), "Tankanlage");
    EXPECT_EQ(daten.getAktuellerProjektName(), "Tankanlage");
}

// A settings file cut short or overwritten would plan with zero limits: it is damaged.
TEST_F(TDatenLaden, SettingsMissingOrOutOfRangeAreDamage) {
    const std::string ganz = catalogue.files["settings.dta"];
    const auto mit = [&](std::size_t zeile, const std::string& wert) {
        std::vector<std::string> zeilen;
        std::size_t start = 0;
        for (std::size_t ende; (ende = ganz.find("\r\n", start)) != std::string::npos;
             start = ende + 2) {
            zeilen.push_back(ganz.substr(start, ende - start));
        }
        zeilen[zeile] = wert;
        std::string text;
        for (const std::string& z : zeilen) {
            text += z + "\r\n";
        }
        return text;
    };
    const struct {
        const char* fall;
        std::string inhalt;
    } faelle[] = {
        {"six lines", "3\r\n\r\n2,5\r\nviel\r\n1,9\r\n0,8"},
        {"no project name line", ganz.substr(0, ganz.find("Tankanlage"))},
        {"cut short", ganz.substr(0, 32)},
        {"NUL bytes", std::string(64, '\0')},
        {"empty line", mit(3, "")},
        {"no number", mit(10, "viel")},
        {"zero width", mit(0, "0")},
        {"negative tolerance", mit(10, "-300")},
        {"default beyond its limit", mit(1, "12,5")},
        {"zero limit", mit(8, "0")},
    };
    for (const auto& f : faelle) {
        ScriptedHost caseHost;
        CatalogueDirectory kaputt;
        kaputt.files["settings.dta"] = f.inhalt;
        const TDaten daten(kaputt.write(), true);
        ASSERT_EQ(caseHost.errors.size(), 1u) << f.fall;
        EXPECT_EQ(caseHost.errors[0],
                  "Datei \"settings.dta\" ist beschädigt.\r\nDas Programm wird geschlossen.")
            << f.fall;
    }
    // The project name may be empty, and a zero volume limit is allowed.
    ScriptedHost caseHost;
    CatalogueDirectory ohneName;
    ohneName.files["settings.dta"] =
        "3,0\r\n4.5\r\n2,2 m\r\n3000\r\n1,9\r\n0,8\r\n10\r\n12\r\n4\r\n0\r\n300\r\n\r\n";
    const TDaten daten(ohneName.write(), true);
    EXPECT_TRUE(caseHost.errors.empty());
    EXPECT_EQ(daten.getStandardProjektName(), "");
    EXPECT_DOUBLE_EQ(daten.getMaxVolumenBeiHeizraum(), 0.0);
}

// A DATANORM file cut at a record boundary looks whole: the articles after the cut are
// missing. The catalogue still plans, but says which prices it lacks instead of quoting 0.
TEST_F(TDatenLaden, ArticlesMissingFromDatanormHaveNoPrice) {
    std::string& datanorm = catalogue.files["Datanorm.500"];
    for (const char* zeile : {"A;N;2001;", "A;N;9002;"}) {
        const std::size_t anfang = datanorm.find(zeile);
        datanorm.erase(anfang, datanorm.find("\r\n", anfang) + 2 - anfang);
    }
    TDaten daten(catalogue.write(), true);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0],
              "Der Katalog \"Datanorm.500\" ist unvollständig: 2 Artikel ohne Preis (2001, "
              "9002).\r\nFür diese Artikel wird \"Preis fehlt\" angezeigt.");
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_TRUE(daten.getFehlendeDateien().empty());
    EXPECT_EQ(daten.getArtikelOhnePreis(), (Texts{"2001", "9002"}));
    const TProdukt& tank = gruppe(daten, "X").getProdukt("1001");
    EXPECT_TRUE(tank.hatPreis());
    EXPECT_FALSE(tank.getZubehoerListe()[0]->hatPreis());
    EXPECT_TRUE(gruppe(daten, "X").getZubehoerListe()[0]->hatPreis());
    EXPECT_FALSE(gruppe(daten, "Y").getProdukt("2001").hatPreis());
}

// The start-up message names a few numbers and counts all.
TEST_F(TDatenLaden, ManyArticlesWithoutPriceAreCountedAndTheFirstNamed) {
    std::string& zubehoer = catalogue.files["zubehoer.dta"];
    for (int i = 1; i <= 7; ++i) {
        zubehoer += "X||||||80" + std::to_string(i) + "|||\r\n";
    }
    TDaten daten(catalogue.write(), true);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0],
              "Der Katalog \"Datanorm.500\" ist unvollständig: 7 Artikel ohne Preis (801, 802, "
              "803, 804, 805, …).\r\nFür diese Artikel wird \"Preis fehlt\" angezeigt.");
}

TEST_F(TDatenLaden, ResetWithoutSolutionsKeepsTheCatalogue) {
    TDaten daten(catalogue.write(), true);
    daten.setzeLoesungZurueck();
    EXPECT_EQ(daten.getLoesungsListe(), nullptr);
    EXPECT_EQ(daten.getAnzahlProduktgruppen(), 3u);
    EXPECT_EQ(daten.getAktuellerProjektName(), "Tankanlage");
}

TEST(TDaten, VersionAndDataDirectory) {
    EXPECT_TRUE(
        std::regex_match(TDaten::getAktuelleVersion(), std::regex(R"(Version \d+\.\d+\.\d+)")))
        << TDaten::getAktuelleVersion();
    EXPECT_EQ(TDaten::getAktuelleVersion(), "Version " VELMORA_TEST_VERSION);
    const std::string dir = TDaten::getGeneralDataDir();
    EXPECT_TRUE(dir.ends_with("/HalvexVelmora/")) << dir;
}

}  // namespace
}  // namespace velmora
