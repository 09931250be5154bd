#include "drawing/TGrafikStoredData.h"

#include <utility>

#include "base/AsciiCase.h"

namespace velmora {

namespace {

template <typename Entry>
const Picture* findOrLoad(std::vector<std::unique_ptr<Entry>>& list, PictureLoader& loader,
                          const std::string& filename) {
    for (const auto& entry : list) {
        if (equalsIgnoringAsciiCase(entry->Filename(), filename)) {
            return entry->Data();
        }
    }
    list.push_back(std::make_unique<Entry>(loader, filename));
    return list.back()->Data();
}

}  // namespace

TGrafikStoredPicture::TGrafikStoredPicture(PictureLoader& loader, std::string filename,
                                           PictureFormat format, Transparency transparency)
    : FFilename(std::move(filename)), FData(loader.load(FFilename, format, transparency)) {}

TGrafikStoredBitmap::TGrafikStoredBitmap(PictureLoader& loader, std::string filename)
    : TGrafikStoredPicture(loader, std::move(filename), PictureFormat::Bitmap,
                           Transparency::WhiteIsTransparent) {}

TGrafikStoredJpeg::TGrafikStoredJpeg(PictureLoader& loader, std::string filename)
    : TGrafikStoredPicture(loader, std::move(filename), PictureFormat::Jpeg, Transparency::Opaque) {
}

TGrafikStoredData::TGrafikStoredData(PictureLoader& loader) : FLoader(loader) {}

const Picture* TGrafikStoredData::getBitmap(const std::string& AFilename) {
    return findOrLoad(FBitmapList, FLoader, AFilename);
}

const Picture* TGrafikStoredData::getJpeg(const std::string& AFilename) {
    return findOrLoad(FJpegList, FLoader, AFilename);
}

}  // namespace velmora
