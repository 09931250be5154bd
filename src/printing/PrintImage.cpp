#include "printing/PrintImage.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "base/AsciiCase.h"

namespace velmora {

namespace {

std::optional<PictureFormat> formatOfExtension(const std::string& file) {
    const std::string extension = toAsciiLower(std::filesystem::path(file).extension().string());
    if (extension == ".jpg" || extension == ".jpeg") {
        return PictureFormat::Jpeg;
    }
    if (extension == ".bmp") {
        return PictureFormat::Bitmap;
    }
    if (extension == ".png") {
        return PictureFormat::Png;
    }
    if (extension == ".gif") {
        return PictureFormat::Gif;
    }
    return std::nullopt;
}

}  // namespace

TPrintImage::TPrintImage(TPrintItem& AParent, std::string AImageFile, const TRect& ARect)
    : TPrintItem(&AParent, ARect), ImageFile(std::move(AImageFile)) {}

void TPrintImage::Draw() {
    Canvas* canvas = GetCanvas();
    const std::optional<PictureFormat> format = formatOfExtension(ImageFile);
    if (canvas && format) {
        const auto picture = canvas->pictureLoader().load(ImageFile, *format, Transparency::Opaque);
        if (picture) {
            canvas->stretchDraw(GetAbsRect(), *picture);
        }
    }
    TPrintItem::Draw();
}

}  // namespace velmora
