#pragma once

#include <QImage>
#include <QSize>

#include <future>
#include <string>
#include <vector>

namespace velmora {

// The pictures the main window shows from its first frame on.
struct FensterBilder {
    std::vector<QImage> symbol;  // the window's icon, in the sizes window managers show
    QImage logo;                 // the maker's logo, fitted into the size asked for
    QImage kopf;                 // the header beside it, whole (the label scales it)
};

// Decodes the window's pictures in appPath's images/ on a thread of its own, so that the
// decoding overlaps building the widgets. Without a thread to spare they are decoded on get().
std::future<FensterBilder> ladeFensterBilder(const std::string& appPath, QSize logoGroesse);

}  // namespace velmora
