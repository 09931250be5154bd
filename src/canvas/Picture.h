#pragma once

namespace velmora {

// The file formats a picture can be read from.
enum class PictureFormat { Bitmap, Jpeg, Png, Gif };

// Whether white (RGB 255/255/255) pixels of a picture leave the surface below unchanged.
enum class Transparency { Opaque, WhiteIsTransparent };

// A decoded raster picture, opaque to the drawing code: only the canvas that belongs to
// the loader which made it can draw it (Canvas::stretchDraw).
class Picture {
public:
    virtual ~Picture() = default;
    // Size of the decoded picture in its own pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;
};

}  // namespace velmora
