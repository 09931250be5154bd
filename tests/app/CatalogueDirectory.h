#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace velmora::testing {

// A small catalogue directory written from clear texts: the ".dta" files scrambled as
// delivered, "Datanorm.500" as DATANORM 5 lines in code page 850. Change or erase entries
// of `files` before calling write() to build a broken catalogue.
class CatalogueDirectory {
public:
    CatalogueDirectory();

    // Clear texts by file name; the line files with CR LF line ends.
    std::map<std::string, std::string> files;

    // Writes every file of `files` into the directory and returns the directory's path.
    std::string write() const;

    const TempDirectory& directory() const { return dir_; }

private:
    TempDirectory dir_;
};

}  // namespace velmora::testing
