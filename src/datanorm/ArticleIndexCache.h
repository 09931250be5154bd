#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/AtomicFile.h"

namespace velmora::datanorm {

// The article index cache beside a large article file (".EDA"): a first line with the
// sort state and the header date, then the file's new-article lines in Windows-1252.
// A cache of another date is replaced. The cache is a by-product: when it cannot be
// written, the load goes on without it and any existing file stays as it was.
class ArticleIndexCache {
public:
    // Deletes an outdated cache (no date, an unreadable date or another date than the
    // header's) and starts writing a new one when none is current.
    ArticleIndexCache(std::string artikeldatei, double kopfdatum, bool sorted);

    // True when a new cache is being written.
    bool schreibt() const { return FWriter != nullptr; }
    // Adds one new-article line (bytes in code page 850).
    void addArtikelzeile(std::string_view line);
    // Puts the new cache in place; false when it could not be written.
    bool abschliessen();

    const std::string& getDateiname() const { return FDateiname; }

private:
    bool istAktuell(double kopfdatum) const;

    std::string FDateiname;
    std::unique_ptr<AtomicFileWriter> FWriter;
    // Lines not yet written: one write per line would cost a system call per article.
    std::string FPuffer;
};

}  // namespace velmora::datanorm
