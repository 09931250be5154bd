#pragma once

#include <filesystem>

namespace velmora::bench {

// Writes a catalogue of 1000 products of one group with 40 group-wide variants into dir
// (which must exist): the files the program reads beside its executable, without pictures.
void writeLargeCatalogue(const std::filesystem::path& dir);

}  // namespace velmora::bench
