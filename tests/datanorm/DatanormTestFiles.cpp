#include "DatanormTestFiles.h"

namespace velmora::datanorm::test {

std::string kopf5(const std::string& datum) {
    return "V;050;A;" + datum + ";EUR;Testkatalog;Halvex;Werk Nord;\r\n";
}

std::string kopf4(const std::string& datum) {
    std::string zeile = "V " + datum;
    zeile += std::string("Artikeldaten").append(40 - 12, ' ');
    zeile += std::string("Halvex Tankbau").append(40 - 14, ' ');
    zeile += std::string("DATANORM Version 4.0").append(35 - 20, ' ');
    zeile += "04EUR";
    return zeile + "\r\n";
}

std::string artikel5(const Artikel& a) {
    return "A;" + a.flag + ";" + a.nummer + ";" + a.kurztext1 + ";" + a.kurztext2 + ";" +
           a.einheit + ";1;1;" + a.preis + ";" + a.rabattgruppe + ";" + a.hauptwarengruppe +
           ";WG;" + a.matchcode + ";;;;;;" + a.ean + ";ANB;1;;3;" + a.langtextnummer + ";;;;;;\r\n";
}

std::string artikel4(const Artikel& a) {
    return "A;" + a.flag + ";" + a.nummer + ";00;" + a.kurztext1 + ";" + a.kurztext2 + ";1;0;" +
           a.einheit + ";" + a.preis + ";" + a.rabattgruppe + ";" + a.hauptwarengruppe + ";" +
           a.langtextnummer + ";\r\n";
}

std::string text5(const std::string& nummer, int zeile, const std::string& text) {
    return "T;N;" + nummer + ";1;" + std::to_string(zeile) + ";" + text + ";;;\r\n";
}

std::string text4(const std::string& nummer, int zeile, const std::string& text,
                  const std::string& text2) {
    return "T;N;" + nummer + ";;" + std::to_string(zeile) + ";;" + text + ";" +
           std::to_string(zeile + 1) + ";;" + text2 + ";\r\n";
}

std::string dimension5(const std::string& nummer, int zeile, const std::string& text) {
    return "D;N;" + nummer + ";" + std::to_string(zeile) + ";;" + text + ";;;;;;\r\n";
}

}  // namespace velmora::datanorm::test
