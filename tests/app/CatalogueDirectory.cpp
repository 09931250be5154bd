#include "app/CatalogueDirectory.h"

#include "base/CodePage.h"
#include "catalogue/files/TMurvel.h"

namespace velmora::testing {

CatalogueDirectory::CatalogueDirectory() {
    files["Datanorm.500"] =
        "V;050;A;20261201;EUR;Testkatalog;;;;;;;;;;\r\n"
        "A;N;1001;Tank 1000 l;doppelwandig;PCE;1;1;66500;;X;;;;;;;;;;1;;1;L1001;;;;;1;\r\n"
        "A;N;2001;Kompakttank;quadratisch;PCE;1;1;54500;;Y;;;;;;;;;;1;;0;;;;;;1;\r\n"
        "A;N;9001;Grundset;1. Tank;PCE;1;1;24513;;Z;;;;;;;;;;1;;1;L9001;;;;;1;\r\n"
        "A;N;9002;Füllstandsanzeiger;mechanisch;PCE;1;1;3900;;Z;;;;;;;;;;1;;0;;;;;;1;\r\n"
        "T;N;L1001;1;1;Doppelwandiger Tank;;;\r\n"
        "T;N;L1001;1;2;aus Polyethylen;;;\r\n"
        "T;N;L9001;1;1;Für den ersten Tank;;;\r\n"
        "D;N;1001;1;;Breite 760 mm;;;;;;\r\n";
    // Group Y comes first in "wg.dta", X first in "produkte.dta".
    files["wg.dta"] = "Y|||Kompakttanks\r\nX|||Batterietanks |||mit Rest\r\n";
    files["produkte.dta"] =
        "<produkte>"
        "<produkt artNr=\"1001\" warenGruppe=\"X\" inhalt=\"1000\" breite=\"760\" laenge=\"1400\""
        " hoehe=\"1520\" aufstellungsvariation=\"true\" zusBreite=\"50\" zusLaenge=\"60\""
        " zusLaengeQueraufstellung=\"100\" produktbild=\"images/produkte/1001.jpg\""
        " tankgrafik=\"tank_1001\" rohrStartX=\"80\" rohrStartY=\"120\" rohrEndeX=\"680\""
        " rohrEndeY=\"220\" rohrStartYReihe2=\"1180\" rohrEndeYReihe2=\"1280\""
        " aufsatzGegenueber=\"1\">"
        "<abstandEinreihig abstand1=\"5 cm\" abstand2=\"40 cm\" abstand3=\"5 cm\"/>"
        "<zusHoehen><variante anzahl=\"0\" hoehe=\"600\"/><variante anzahl=\"3\" hoehe=\"450\"/>"
        "</zusHoehen></produkt>"
        "<PRODUKT artNr=\"2001\" warenGruppe=\"Y\" inhalt=\"1000\" aufstellungsvariation=\"1\"/>"
        "</produkte>";
    files["aufstellvarianten.dta"] =
        "<aufstellvarianten>"
        "<warengruppe typ=\"X\">"
        "<variante n=\"3+2\" p=\"1001\" hp=\"1\" ep=\"3\" up=\"1\" normRel=\"true\" gL=\"50\""
        " gT=\"400\" gR=\"50\" gB=\"400\" giX=\"50\" giY=\"60\" gNiB=\"50\" giNiY=\"70\"/>"
        "<variante n=\"4\" zwReihWaag=\"true\" ignNorm=\"TRUE\" upSonder=\"2\"/>"
        "</warengruppe>"
        "<warengruppe typ=\"Z\"><variante n=\"1\"/></warengruppe>"
        "</aufstellvarianten>";
    files["zubehoer.dta"] =
        "X||||||9001|||\r\n"
        "\r\n"
        "X|||1001|||9002|||true\r\n";
    files["settings.dta"] =
        "3,0\r\n4.5\r\n2,2 m\r\n3000\r\n1,9\r\n0,8\r\n10\r\n12\r\n4\r\n5000\r\n300\r\n"
        "Tankanlage\r\nignoriert\r\n";
}

std::string CatalogueDirectory::write() const {
    for (const auto& [name, text] : files) {
        dir_.write(name, name == "Datanorm.500" ? fromUtf8(text, CodePage::Cp850)
                                                : TMurvel::scrambledFileBytes(text));
    }
    return dir_.path().string();
}

}  // namespace velmora::testing
