#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas/Picture.h"
#include "canvas/PictureLoader.h"

namespace velmora {

// One picture file of the cache: its name as requested and the picture read at creation.
class TGrafikStoredPicture {
public:
    const std::string& Filename() const { return FFilename; }
    // The picture, or nullptr when the file was missing or unreadable at creation.
    const Picture* Data() const { return FData.get(); }

protected:
    TGrafikStoredPicture(PictureLoader& loader, std::string filename, PictureFormat format,
                         Transparency transparency);

private:
    std::string FFilename;
    std::unique_ptr<Picture> FData;
};

// A bitmap (.bmp) of the cache; white is its transparent colour.
class TGrafikStoredBitmap : public TGrafikStoredPicture {
public:
    TGrafikStoredBitmap(PictureLoader& loader, std::string filename);
};

// A JPEG picture of the cache, drawn opaque.
class TGrafikStoredJpeg : public TGrafikStoredPicture {
public:
    TGrafikStoredJpeg(PictureLoader& loader, std::string filename);
};

// The pictures one drawing surface has asked for, each file read at most once for the
// life of the cache. A file that was missing or unreadable at its first request stays
// absent; a file changed on disk later is not read again.
class TGrafikStoredData {
public:
    // The loader must outlive the cache.
    explicit TGrafikStoredData(PictureLoader& loader);

    // The picture of the file, file names compared without regard to ASCII letter case;
    // nullptr when the file is missing or unreadable. The cache owns the picture.
    const Picture* getBitmap(const std::string& AFilename);
    const Picture* getJpeg(const std::string& AFilename);

    int bitmapCount() const { return static_cast<int>(FBitmapList.size()); }
    int jpegCount() const { return static_cast<int>(FJpegList.size()); }

private:
    PictureLoader& FLoader;
    std::vector<std::unique_ptr<TGrafikStoredBitmap>> FBitmapList;
    std::vector<std::unique_ptr<TGrafikStoredJpeg>> FJpegList;
};

}  // namespace velmora
