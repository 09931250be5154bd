#pragma once

#include <QByteArray>

#include <string>

#include "platform/qt/QtRasterImage.h"

namespace velmora {

// Drawing without a window, for command-line tools: creates the application object that Qt's
// fonts need (on the offscreen platform unless the user chose one), once per process.
void ensureOffscreenApplication();

// Writes the bytes as the file, atomically; false with a message in error on failure.
bool writeBytesAtomically(const std::string& file, const QByteArray& bytes, std::string& error);

// Writes the image as a PNG file, atomically; false with a message in error on failure.
bool savePngAtomically(const QtRasterImage& image, const std::string& file, std::string& error);

}  // namespace velmora
