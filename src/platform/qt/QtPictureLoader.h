#pragma once

#include <QImage>

#include "canvas/PictureLoader.h"

namespace velmora {

// A decoded picture for QtCanvas; white-keyed bitmaps carry the key as an alpha channel.
class QtPicture : public Picture {
public:
    QtPicture(QImage image, Transparency transparency);
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    const QImage& image() const { return image_; }
    Transparency transparency() const { return transparency_; }

private:
    QImage image_;
    Transparency transparency_;
};

// Reads BMP, JPEG, PNG and GIF files with Qt's image readers, in the format asked for
// (not guessed from the content). Qt's allocation limit refuses oversized pictures.
class QtPictureLoader : public PictureLoader {
public:
    std::unique_ptr<Picture> load(const std::string& path, PictureFormat format,
                                  Transparency transparency) override;
};

}  // namespace velmora
