#include "DemoDatanorm.h"

#include <charconv>
#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "base/CodePage.h"

namespace velmora {

namespace {

// One record: every field is followed by ";", as the reader only counts terminated fields.
class Record {
public:
    explicit Record(std::string_view context) : context_(context) {}

    Record& field(std::string_view text) {
        if (text.find_first_of(";\r\n") != std::string_view::npos) {
            throw std::runtime_error(context_ + ": \"" + std::string(text) +
                                     "\" holds a field or line separator");
        }
        if (toUtf8(fromUtf8(text, CodePage::Cp850), CodePage::Cp850) != text) {
            throw std::runtime_error(context_ + ": \"" + std::string(text) +
                                     "\" does not fit code page 850");
        }
        line_ += text;
        line_ += ';';
        return *this;
    }
    Record& fields(std::initializer_list<std::string_view> texts) {
        for (std::string_view text : texts) {
            field(text);
        }
        return *this;
    }
    Record& emptyFields(int count) {
        for (int i = 0; i < count; ++i) {
            field("");
        }
        return *this;
    }
    const std::string& line() const { return line_; }

private:
    std::string context_;
    std::string line_;
};

// "1090.00" -> "109000": DATANORM 5 keeps prices in hundredths.
std::string priceInCents(std::string_view euros, const std::string& context) {
    const auto point = euros.find('.');
    const std::string_view whole = euros.substr(0, point);
    std::string cents = point == std::string_view::npos ? "" : std::string(euros.substr(point + 1));
    const auto allDigits = [](std::string_view text) {
        return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || !allDigits(whole) || cents.size() > 2 || !allDigits(cents)) {
        throw std::runtime_error(context + ": malformed price \"" + std::string(euros) + "\"");
    }
    cents.resize(2, '0');
    const std::string text = std::string(whole) + cents;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::to_string(value);
}

std::vector<std::string> childTexts(pugi::xml_node node, const char* name) {
    std::vector<std::string> texts;
    for (pugi::xml_node child : node.children(name)) {
        texts.emplace_back(child.text().get());
    }
    return texts;
}

}  // namespace

std::string demoDatanormFile(pugi::xml_node articles) {
    std::vector<std::string> lines;
    lines.push_back(
        Record("header")
            .fields(
                {"V", "050", "A", articles.attribute("datum").value(),
                 articles.attribute("waehrung").value(), articles.attribute("beschreibung").value(),
                 articles.attribute("copyright").value(), articles.attribute("ersteller").value()})
            .emptyFields(3)
            .fields({articles.attribute("strasse").value(), articles.attribute("land").value(),
                     articles.attribute("plz").value(), articles.attribute("ort").value()})
            .line());
    std::vector<std::string> textLines;
    for (pugi::xml_node article : articles.children("artikel")) {
        const std::string number = article.attribute("nr").value();
        const std::string context = "article " + number;
        const std::vector<std::string> longText = childTexts(article, "langtext");
        const std::vector<std::string> dimensionText = childTexts(article, "dimension");
        const std::string longTextNumber = longText.empty() ? "" : "L" + number;
        // Fields 1-13: kind, flag, number, short texts, unit, price kind and unit, price,
        // discount group, main and sub product group, match code.
        lines.push_back(Record(context)
                            .fields({"A", "N", number, article.attribute("kurztext1").value(),
                                     article.attribute("kurztext2").value(),
                                     article.attribute("einheit").value(), "1", "1",
                                     priceInCents(article.attribute("preis").value(), context), "",
                                     article.attribute("warengruppe").value(), "", ""})
                            .emptyFields(7)
                            // Fields 21-29: packing quantity, catalogue page, text flag, long-text
                            // number, cost kind, stock flag, reference numbers, VAT flag.
                            .fields({"1", "", longText.empty() ? "0" : "1", longTextNumber, "", "",
                                     "", "", "1"})
                            .line());
        for (std::size_t i = 0; i < longText.size(); ++i) {
            textLines.push_back(
                Record(context)
                    .fields({"T", "N", longTextNumber, "1", std::to_string(i + 1), longText[i]})
                    .emptyFields(2)
                    .line());
        }
        for (std::size_t i = 0; i < dimensionText.size(); ++i) {
            textLines.push_back(
                Record(context)
                    .fields({"D", "N", number, std::to_string(i + 1), "", dimensionText[i]})
                    .emptyFields(5)
                    .line());
        }
    }
    lines.insert(lines.end(), textLines.begin(), textLines.end());
    std::string file;
    for (const std::string& line : lines) {
        file += line;
        file += "\r\n";
    }
    return fromUtf8(file, CodePage::Cp850);
}

}  // namespace velmora
