#pragma once

#include <functional>
#include <memory>
#include <string>

namespace velmora {

class Canvas;

// Where a printout goes, page by page: the preview window, or pages recorded for a PDF.
// A document holds at least one page; its pages are A4 in units of 0.1 mm.
class PrintTarget {
public:
    static constexpr int pageWidth = 2100;
    static constexpr int pageHeight = 2970;

    virtual ~PrintTarget() = default;

    // Starts a document titled jobTitle (the window caption and the printer's job name)
    // with one empty page.
    virtual void beginDoc(const std::string& jobTitle) = 0;
    // Appends an empty page and makes it the one canvas() draws on.
    virtual void newPage() = 0;
    // Finishes the document; drawing after it is ignored.
    virtual void endDoc() = 0;
    // The surface of the current page, with the logical extent pageWidth x pageHeight; only
    // between beginDoc and endDoc.
    virtual Canvas& canvas() = 0;
};

// Makes a fresh target for each printout (the preview window: a new window every time).
using PrintTargetFactory = std::function<std::unique_ptr<PrintTarget>()>;

}  // namespace velmora
