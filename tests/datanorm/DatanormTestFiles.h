#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::datanorm::test {

// A fresh directory per test, removed afterwards; the reader writes its caches beside the
// files it reads, so every fixture lives in one.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes bytes as they are and returns the full path.
    std::string write(const std::string& name, std::string_view bytes) const;
    std::string path(const std::string& name) const { return (FPath / name).string(); }
    bool exists(const std::string& name) const { return std::filesystem::exists(FPath / name); }
    std::string read(const std::string& name) const;
    const std::filesystem::path& dir() const { return FPath; }

private:
    std::filesystem::path FPath;
};

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
