#include "cli/plan/StderrHost.h"

#include <iostream>

namespace velmora {

namespace {

// The program's messages separate their lines by CR LF; a terminal wants LF.
void printMessage(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c != '\r') {
            lines += c;
        }
    }
    std::cerr << lines << '\n';
}

}  // namespace

void StderrHost::showError(const std::string& text) {
    printMessage(text);
}

void StderrHost::showInformation(const std::string& text) {
    printMessage(text);
}

}  // namespace velmora
