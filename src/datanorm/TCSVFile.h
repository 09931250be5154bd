#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::datanorm {

// A table of text cells addressed by column and row (both from 0), stored as ";"-separated
// lines without quoting, rows separated by CR LF and no line break after the last row.
class TCSVFile {
public:
    // Text of a cell; empty for a cell the table does not hold.
    const std::string& getCell(std::size_t col, std::size_t row) const;
    // Sets a cell, growing the table as needed.
    void setCell(std::size_t col, std::size_t row, std::string text);
    std::size_t getRowCount() const { return FRows.size(); }
    void Clear() { FRows.clear(); }

    // Replaces the table by the file: UTF-16 little-endian when the file starts with
    // FF FE, Windows-1252 otherwise. Throws EDatanormFileError when it cannot be read or is
    // larger than a side file may be (kMaxSeitendateiBytes).
    void LoadFromFile(const std::string& path);
    // Writes the table atomically, as UTF-16 little-endian with byte-order mark when
    // unicode is set, else in Windows-1252. Throws EDatanormFileError on failure; an
    // existing file is then left as it was.
    void SaveToFile(const std::string& path, bool unicode) const;

private:
    std::vector<std::vector<std::string>> FRows;
};

}  // namespace velmora::datanorm
