#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvas/PrintTarget.h"
#include "platform/qt/QtRecordedPage.h"

namespace velmora {

// A printout recorded page by page as vector pages: what the preview shows and prints, and
// what the planner writes as PDF.
class QtRecordedDocument : public PrintTarget {
public:
    QtRecordedDocument();
    ~QtRecordedDocument() override;

    // Discards earlier pages and starts recording with one empty page.
    void beginDoc(const std::string& jobTitle) override;
    void newPage() override;
    void endDoc() override;
    // The last page's surface. Throws std::logic_error before the first beginDoc.
    Canvas& canvas() override;

    bool isRecording() const { return recording_; }
    const std::string& jobTitle() const { return jobTitle_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Page number 1 .. pageCount(); throws std::out_of_range otherwise.
    const QtRecordedPage& page(int number) const;

    // Notifications for the preview: recording started, ended, and a page was added.
    std::function<void()> onBeginDoc;
    std::function<void()> onEndDoc;
    std::function<void()> onChange;

private:
    std::vector<std::unique_ptr<QtRecordedPage>> pages_;
    std::string jobTitle_;
    bool recording_ = false;
};

}  // namespace velmora
