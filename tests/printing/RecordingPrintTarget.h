#pragma once

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "canvas/PrintTarget.h"
#include "support/RecordingCanvas.h"

namespace velmora::testing {

// A print target that records every page on its own recording canvas of 2100 x 2970
// units and logs the document calls ("begin <title>", "page", "end").
class RecordingPrintTarget : public PrintTarget {
public:
    void beginDoc(const std::string& jobTitle) override {
        calls.push_back("begin " + jobTitle);
        pages.clear();
        pages.push_back(makePage());
    }
    void newPage() override {
        calls.push_back("page");
        pages.push_back(makePage());
    }
    void endDoc() override { calls.push_back("end"); }
    Canvas& canvas() override { return *pages.back(); }

    // The log of page number (from 1).
    const std::vector<std::string>& log(int page) const { return pages.at(page - 1)->log(); }

    std::vector<std::string> calls;
    std::vector<std::unique_ptr<RecordingCanvas>> pages;
    // Picture files every page can load (path, width, height); others are missing.
    std::vector<std::tuple<std::string, int, int>> pictures;

private:
    std::unique_ptr<RecordingCanvas> makePage() const {
        auto page = std::make_unique<RecordingCanvas>(pageWidth, pageHeight, 254);
        for (const auto& [path, width, height] : pictures) {
            page->loader().addPicture(path, width, height);
        }
        return page;
    }
};

// The clip rectangle "L,T,R,B" of the first text drawn exactly as `text`; empty when none is.
inline std::string clipOf(const std::vector<std::string>& log, const std::string& text) {
    const std::string quoted = " \"" + text + "\" ";
    for (const std::string& line : log) {
        if (line.rfind("text ", 0) == 0 && line.find(quoted) != std::string::npos) {
            const std::size_t clip = line.find(" clip ") + 6;
            return line.substr(clip, line.find(' ', clip) - clip);
        }
    }
    return "";
}

// Whether a logged line starts with `prefix`.
inline bool logged(const std::vector<std::string>& log, const std::string& prefix) {
    for (const std::string& line : log) {
        if (line.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace velmora::testing
