#pragma once

#include <memory>
#include <string>

#include "canvas/Picture.h"

namespace velmora {

// Reads picture files for one kind of canvas.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The picture in `path` decoded as `format`; nullptr when the file is missing or cannot
    // be decoded (truncated, corrupt, another format, too large). Never throws for bad files.
    virtual std::unique_ptr<Picture> load(const std::string& path, PictureFormat format,
                                          Transparency transparency) = 0;
};

}  // namespace velmora
