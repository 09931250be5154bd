#pragma once

#include <QImage>
#include <QSize>

#include <future>
#include <string>
#include <vector>

namespace velmora {

// The pictures the main window shows in its first frame.
struct FensterBilder {
    QImage logo;  // the maker's logo, fitted into the size asked for
    QImage kopf;  // the header beside it, whole (the label scales it)
};

// Decodes the window's pictures in appPath's images/ on a thread of its own, so that the
// decoding overlaps building the widgets: first those of the first frame, then the window's
// icon. Without a thread to spare they are decoded when first asked for.
class FensterBilderLaden {
public:
    FensterBilderLaden(const std::string& appPath, QSize logoGroesse);

    // Waits for the logo and the header; once.
    FensterBilder bilder();
    // Waits for the icon in the sizes window managers show; once.
    std::vector<QImage> symbol();

private:
    std::future<FensterBilder> bilder_;
    std::future<std::vector<QImage>> symbol_;
};

}  // namespace velmora
