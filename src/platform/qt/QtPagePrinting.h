#pragma once

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace velmora {

class QtRecordedDocument;

// Prints the given pages (numbers from 1) of a finished document onto a paged device whose
// paper is A4 without margins, one recorded unit to 0.1 mm; a new device page before every
// page but the first. The device's document is begun and ended also when the list is
// empty. False when the device cannot be painted on.
bool printRecordedPages(QPagedPaintDevice& device, const QtRecordedDocument& document,
                        const std::vector<int>& pages);

// All pages of the document as a PDF file (A4 portrait, titled with the job title), written
// atomically. False with a message in error on failure.
bool writePdfAtomically(const QtRecordedDocument& document, const std::string& file,
                        std::string& error);

}  // namespace velmora
