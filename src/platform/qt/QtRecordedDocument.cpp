#include "platform/qt/QtRecordedDocument.h"

#include <stdexcept>

namespace velmora {

QtRecordedDocument::QtRecordedDocument() = default;
QtRecordedDocument::~QtRecordedDocument() = default;

void QtRecordedDocument::beginDoc(const std::string& jobTitle) {
    jobTitle_ = jobTitle;
    pages_.clear();
    pages_.push_back(std::make_unique<QtRecordedPage>());
    recording_ = true;
    if (onBeginDoc) {
        onBeginDoc();
    }
    if (onChange) {
        onChange();
    }
}

void QtRecordedDocument::newPage() {
    if (!pages_.empty()) {
        pages_.back()->finish();
    }
    pages_.push_back(std::make_unique<QtRecordedPage>());
    if (onChange) {
        onChange();
    }
}

void QtRecordedDocument::endDoc() {
    if (!pages_.empty()) {
        pages_.back()->finish();
    }
    recording_ = false;
    if (onEndDoc) {
        onEndDoc();
    }
}

Canvas& QtRecordedDocument::canvas() {
    if (pages_.empty()) {
        throw std::logic_error("QtRecordedDocument::canvas: no document begun");
    }
    return pages_.back()->canvas();
}

const QtRecordedPage& QtRecordedDocument::page(int number) const {
    return *pages_.at(static_cast<std::size_t>(number - 1));
}

}  // namespace velmora
