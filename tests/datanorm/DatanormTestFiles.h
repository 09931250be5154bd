#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "support/TempDirectory.h"

namespace velmora::datanorm::test {

// The reader writes its caches beside the files it reads, so every fixture lives in a
// directory of its own.
using TempDir = velmora::testing::TempDirectory;

// A DATANORM 5 header line dated YYYYMMDD, with CR LF.
std::string kopf5(const std::string& datum = "20200131");
// A DATANORM 4 fixed-column header line dated DDMMYY, with CR LF.
std::string kopf4(const std::string& datum = "310120");

// Record lines with CR LF, fields in DATANORM order.
struct Artikel {
    std::string nummer;
    std::string kurztext1 = "Kurztext";
    std::string kurztext2 = "";
    std::string einheit = "PCE";
    std::string preis = "100";
    std::string rabattgruppe = "R1";
    std::string hauptwarengruppe = "HG1";
    std::string langtextnummer = "";
    std::string flag = "N";
    std::string matchcode = "";
    std::string ean = "";
};
std::string artikel5(const Artikel& a);
std::string artikel4(const Artikel& a);
std::string text5(const std::string& nummer, int zeile, const std::string& text);
std::string text4(const std::string& nummer, int zeile, const std::string& text,
                  const std::string& text2);
std::string dimension5(const std::string& nummer, int zeile, const std::string& text);

}  // namespace velmora::datanorm::test
