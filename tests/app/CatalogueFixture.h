#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/Host.h"
#include "catalogue/files/TempDirectory.h"

namespace velmora::testing {

// Remembers what the core asks of the window: error messages and the request to end.
class RecordingHost : public NullHost {
public:
    RecordingHost() { installHost(this); }
    ~RecordingHost() override { installHost(nullptr); }
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    void showError(const std::string& text) override { errors.push_back(text); }
    void requestQuit() override { ++quitRequests; }

    std::vector<std::string> errors;
    int quitRequests = 0;
};

// A small catalogue directory written from clear texts: the ".dta" files scrambled as
// delivered, "Datanorm.500" as DATANORM 5 lines in code page 850. Change or erase entries
// of `files` before calling write() to build a broken catalogue.
class CatalogueFixture {
public:
    CatalogueFixture();

    // Clear texts by file name; the line files with CR LF line ends.
    std::map<std::string, std::string> files;

    // Writes every file of `files` into the directory and returns the directory's path.
    std::string write() const;

    const TempDirectory& directory() const { return dir_; }

private:
    TempDirectory dir_;
};

}  // namespace velmora::testing
