#include <gtest/gtest.h>

#include <algorithm>

#include "base/NumberFormat.h"
#include "datanorm/DatanormErrors.h"
#include "datanorm/DatanormFields.h"
#include "datanorm/FieldValues.h"
#include "datanorm/LineFields.h"
#include "datanorm/TextCase.h"

namespace velmora::datanorm {
namespace {

TEST(DatanormFields, FieldCountsOnlyWhenSemicolonFollows) {
    struct Case {
        std::string line;
        std::vector<std::string_view> fields;
    };
    const std::vector<Case> cases = {
        {"a;b;c;d;", {"a", "b", "c", "d"}},
        {"a;b;c;d;tail", {"a", "b", "c", "d"}},
        {";;", {"", ""}},
        {"no separator", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitFields(c.line, kMaxArtikelFelder), c.fields) << c.line;
    }
}

TEST(DatanormFields, EverySemicolonCutsWhereverItFallsInABlockOfEight) {
    // Every line up to ten bytes of ";", another ASCII byte and 0xBB (which differs from ";"
    // only in its top bit), cut with and without a limit, against a cut byte by byte.
    const std::string zeichen = ";x\xBB";
    const auto vonHand = [](std::string_view zeile, std::size_t maxFelder) {
        std::vector<std::string_view> felder;
        std::size_t start = 0;
        for (std::size_t i = 0; i < zeile.size() && felder.size() < maxFelder; ++i) {
            if (zeile[i] == ';') {
                felder.push_back(zeile.substr(start, i - start));
                start = i + 1;
            }
        }
        return felder;
    };
    std::vector<std::string> zeilen = {""};
    for (std::size_t laenge = 1, von = 0; laenge <= 10; ++laenge) {
        const std::size_t bis = zeilen.size();
        for (std::size_t i = von; i < bis; ++i) {
            for (const char c : zeichen) {
                zeilen.push_back(zeilen[i] + c);
            }
        }
        von = bis;
    }
    for (const std::string& zeile : zeilen) {
        for (const std::size_t maxFelder : {std::size_t{3}, kMaxArtikelFelder}) {
            ASSERT_EQ(splitFields(zeile, maxFelder), vonHand(zeile, maxFelder)) << zeile;
        }
    }
}

TEST(DatanormFields, RowKeepsAtMost31FieldsButCountsAll) {
    std::string line;
    for (int i = 1; i <= 40; ++i) {
        line += std::to_string(i) + ";";
    }
    std::size_t count = 0;
    const auto fields = splitFields(line, kMaxArtikelFelder, &count);
    ASSERT_EQ(fields.size(), 31u);
    EXPECT_EQ(fields.back(), "31");
    EXPECT_EQ(count, 40u);
}

TEST(DatanormFields, LinesEndWithCrLfCrOrLfAndEmptyOnesVanish) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd\n\n\r\n\re"),
              (std::vector<std::string_view>{"a", "b", "c", "d", "e"}));
    EXPECT_TRUE(splitLines("\r\n\n").empty());
    // Lines longer than the stretch searched at a time, with only one kind of line end.
    const std::string lang(700, 'x');
    for (const char* ende : {"\r", "\n", "\r\n"}) {
        const std::string text = lang + ende + "y" + ende + lang;
        EXPECT_EQ(splitLines(text), (std::vector<std::string_view>{lang, "y", lang})) << ende;
    }
}

TEST(DatanormFields, FieldsAreDecodedFromCodePage850) {
    EXPECT_EQ(splitConverted("A;Gr\x94\xE1"
                             "e;\x9A;",
                             kMaxArtikelFelder),
              (FieldRow{"A", "Größe", "Ü"}));
    // A single such byte anywhere in a longer line, which is checked a block at a time.
    const std::string ascii = "A;N;0123456789;abcdefghij;";
    for (std::size_t stelle = 0; stelle < ascii.size(); ++stelle) {
        if (ascii[stelle] == ';') {
            continue;
        }
        std::string zeile = ascii;
        zeile[stelle] = '\x81';
        FieldRow erwartet = splitConverted(ascii, kMaxArtikelFelder);
        const std::size_t feldAnfang = ascii.rfind(';', stelle) + 1;  // npos + 1 is 0
        const auto feldNummer = static_cast<std::size_t>(
            std::count(ascii.begin(), ascii.begin() + static_cast<std::ptrdiff_t>(stelle), ';'));
        erwartet[feldNummer].replace(stelle - feldAnfang, 1, "ü");
        EXPECT_EQ(splitConverted(zeile, kMaxArtikelFelder), erwartet) << stelle;
        // A load decodes such a line as a whole before cutting it.
        LineFields felder;
        felder.zerlege(zeile);
        FieldRow erhalten;
        for (std::size_t n = 1; n <= felder.size(); ++n) {
            erhalten.push_back(felder.text(n));
        }
        EXPECT_EQ(erhalten, erwartet) << stelle;
    }
}

TEST(DatanormFields, Datanorm4HeaderIsCutIntoFixedColumns) {
    std::string line = "V 310120";
    line += std::string(40, 'a') + std::string(40, 'b') + std::string(35, 'c') + "04EUR";
    const FieldRow row = splitFixedHeader(line);
    EXPECT_EQ(row, (FieldRow{"V", "310120", std::string(40, 'a'), std::string(40, 'b'),
                             std::string(35, 'c'), "04", "EUR"}));
    // A short line gives what it has and empty columns after it.
    EXPECT_EQ(splitFixedHeader("V 0101"), (FieldRow{"V", "0101", "", "", "", "", ""}));
}

TEST(DatanormFields, VersionFromFirstLineAndName) {
    EXPECT_EQ(erkenneVersion("V;050;", "/x/katalog"), 5);
    EXPECT_EQ(erkenneVersion("V 010101", "/x/Datanorm.001"), 4);
    EXPECT_EQ(erkenneVersion("A;N;1;", "/x/plain"), 5);
    try {
        erkenneVersion("V 010101", "/x.d/katalog");
        FAIL() << "no version";
    } catch (const ELoadfromFileExeption& fehler) {
        EXPECT_STREQ(fehler.what(), "Bitte nur Datanorm 4- oder 5-Dateien laden.");
    }
}

TEST(DatanormFieldValues, NumbersGiveZeroWhenMalformed) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger(" 7 "), 7);
    EXPECT_EQ(parseInteger("-3"), -3);
    EXPECT_EQ(parseInteger(""), 0);
    EXPECT_EQ(parseInteger("4x"), 0);
    EXPECT_EQ(parseInteger("99999999999"), 0);
    EXPECT_EQ(parseByte("258"), 2);  // low 8 bits
    EXPECT_EQ(parseByte("-1"), 255);
    EXPECT_DOUBLE_EQ(parseDecimal("12345"), 12345.0);
    EXPECT_DOUBLE_EQ(parseDecimal("123,45"), 123.45);
    EXPECT_DOUBLE_EQ(parseDecimal("12.5 EUR"), 12.5);
    EXPECT_DOUBLE_EQ(parseDecimal("abc"), 0.0);
}

TEST(DatanormFieldValues, HeaderDates) {
    EXPECT_EQ(parseDatumJJJJMMTT("20200131"), *dateValue(2020, 1, 31));
    EXPECT_EQ(parseDatumJJJJMMTT("20201301"), 0.0);
    EXPECT_EQ(parseDatumJJJJMMTT("2020013"), 0.0);
    EXPECT_EQ(parseDatumTTMMJJ("310169"), *dateValue(2069, 1, 31));
    EXPECT_EQ(parseDatumTTMMJJ("010170"), *dateValue(1970, 1, 1));
    EXPECT_EQ(parseDatumTTMMJJ("300299"), 0.0);
    EXPECT_EQ(*dateValue(1899, 12, 30), 0.0);
    EXPECT_EQ(*dateValue(1900, 1, 1), 2.0);
}

TEST(DatanormFieldValues, ShortDateFollowsTheUserFormat) {
    const double datum = *dateValue(2020, 1, 31);
    EXPECT_EQ(formatShortDate(datum), "31.01.2020");
    EXPECT_EQ(parseShortDate("31.01.2020"), datum);
    EXPECT_EQ(parseShortDate("31.1.20"), datum);
    EXPECT_FALSE(parseShortDate("").has_value());
    EXPECT_FALSE(parseShortDate("31.02.2020").has_value());
    EXPECT_FALSE(parseShortDate("gestern").has_value());
    EXPECT_EQ(formatIsoDate(datum), "2020-01-31");

    const NumberFormat deutsch = numberFormat();
    setNumberFormat(NumberFormat{'.', ",", "MM/dd/yyyy"});
    EXPECT_EQ(formatShortDate(datum), "01/31/2020");
    EXPECT_EQ(parseShortDate("01/31/2020"), datum);
    setNumberFormat(deutsch);
}

TEST(DatanormTextCase, ArticleNumbersDropBlanksAndControlsAndIgnoreCase) {
    EXPECT_EQ(normalisiereArtikelnummer("4711 0815"), "47110815");
    EXPECT_EQ(normalisiereArtikelnummer("AB-12"), "ab-12");
    EXPECT_EQ(normalisiereArtikelnummer("\tX\x01Y\r"), "xy");
    EXPECT_EQ(normalisiereArtikelnummer("ÄÖÜ-ß"), "äöü-ß");
    EXPECT_EQ(toUpperText("pce äö"), "PCE ÄÖ");
}

}  // namespace
}  // namespace velmora::datanorm
