// write-large-catalogue DIR: writes the search benchmark's generated catalogue into DIR, so
// that the planner can be run on it (scripts/compare-search.sh).
#include <filesystem>
#include <iostream>

#include "LargeCatalogue.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write-large-catalogue DIR\n";
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    velmora::bench::writeLargeCatalogue(argv[1]);
    return 0;
}
