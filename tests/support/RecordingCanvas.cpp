#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace velmora::testing {

namespace {

std::string hex(Color color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", color.red, color.green, color.blue);
    return buffer;
}

std::string point(TPoint p) {
    return std::to_string(p.X) + "," + std::to_string(p.Y);
}

std::string rect(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}

std::string penText(const Pen& pen) {
    return "pen " + hex(pen.color) + "/" + std::to_string(pen.width);
}

std::string brushText(const Brush& brush) {
    switch (brush.style) {
        case BrushStyle::Clear:
            return "brush clear";
        case BrushStyle::CrossHatch:
            return "brush cross " + hex(brush.color);
        case BrushStyle::Solid:
            break;
    }
    return "brush solid " + hex(brush.color);
}

std::string fontText(const Font& font) {
    std::string text = "font " + font.name + " " + std::to_string(font.height);
    if (font.style & fontStyle::bold) {
        text += " bold";
    }
    if (font.style & fontStyle::italic) {
        text += " italic";
    }
    if (font.style & fontStyle::underline) {
        text += " underline";
    }
    if (font.style & fontStyle::strikeOut) {
        text += " strikeout";
    }
    text += " " + hex(font.color);
    if (font.escapement != 0) {
        text += " esc " + std::to_string(font.escapement);
    }
    return text;
}

int codePoints(const std::string& text) {
    int count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace

class RecordingCanvas::Raster : public RasterImage {
public:
    Raster(const RecordingCanvas& owner, int width, int height)
        : canvas_(width, height, owner.pixelsPerInch_, owner.log_, owner.loader_,
                  owner.indent_ + "  ") {}
    Canvas& canvas() override { return canvas_; }
    int width() const override { return canvas_.width(); }
    int height() const override { return canvas_.height(); }

private:
    RecordingCanvas canvas_;
};

void RecordingPictureLoader::addPicture(const std::string& path, int width, int height) {
    pictures_[path] = Size{width, height};
}

std::unique_ptr<Picture> RecordingPictureLoader::load(const std::string& path, PictureFormat,
                                                      Transparency transparency) {
    ++loads_[path];
    auto found = pictures_.find(path);
    if (found == pictures_.end()) {
        return nullptr;
    }
    return std::make_unique<RecordingPicture>(path, found->second.width, found->second.height,
                                              transparency);
}

int RecordingPictureLoader::loadCount(const std::string& path) const {
    auto found = loads_.find(path);
    return found == loads_.end() ? 0 : found->second;
}

RecordingCanvas::RecordingCanvas(int width, int height, int pixelsPerInch)
    : RecordingCanvas(width, height, pixelsPerInch, std::make_shared<std::vector<std::string>>(),
                      std::make_shared<RecordingPictureLoader>(), "") {}

RecordingCanvas::RecordingCanvas(int width, int height, int pixelsPerInch,
                                 std::shared_ptr<std::vector<std::string>> log,
                                 std::shared_ptr<RecordingPictureLoader> loader, std::string indent)
    : width_(width),
      height_(height),
      pixelsPerInch_(pixelsPerInch),
      log_(std::move(log)),
      loader_(std::move(loader)),
      indent_(std::move(indent)) {}

void RecordingCanvas::write(const std::string& line) {
    log_->push_back(indent_ + line);
}

void RecordingCanvas::fillRect(const TRect& r) {
    write("fillRect " + rect(r) + " " + brushText(brush()));
}

void RecordingCanvas::rectangle(const TRect& r) {
    write("rectangle " + rect(r) + " " + penText(pen()) + " " + brushText(brush()));
}

void RecordingCanvas::roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
    write("roundRect " + rect(r) + " corner " + std::to_string(ellipseWidth) + "x" +
          std::to_string(ellipseHeight) + " " + penText(pen()) + " " + brushText(brush()));
}

void RecordingCanvas::polygon(const TPoints& points) {
    std::string line = "polygon";
    for (TPoint p : points) {
        line += " " + point(p);
    }
    write(line + " " + penText(pen()) + " " + brushText(brush()));
}

void RecordingCanvas::drawLine(TPoint from, TPoint to) {
    write("line " + point(from) + " " + point(to) + " " + penText(pen()));
}

int RecordingCanvas::textWidth(const std::string& text) {
    return 7 * codePoints(text);
}

int RecordingCanvas::textHeight(const std::string&) {
    return std::abs(font().height);
}

void RecordingCanvas::textRect(const TRect& clip, TPoint start, const std::string& text) {
    write("text " + point(start) + " clip " + rect(clip) + " \"" + text + "\" " + fontText(font()) +
          " " + brushText(brush()));
}

void RecordingCanvas::stretchDraw(const TRect& r, const Picture& picture) {
    const auto& recorded = dynamic_cast<const RecordingPicture&>(picture);
    std::string line = "picture " + recorded.path() + " " + std::to_string(recorded.width()) + "x" +
                       std::to_string(recorded.height());
    if (recorded.transparency() == Transparency::WhiteIsTransparent) {
        line += " transparent";
    }
    write(line + " " + rect(r));
}

std::unique_ptr<RasterImage> RecordingCanvas::createRasterImage(int width, int height) {
    write("raster " + std::to_string(width) + "x" + std::to_string(height));
    return std::make_unique<Raster>(*this, width, height);
}

void RecordingCanvas::copyRect(const TRect& r, const RasterImage& image) {
    write("copyRect " + rect(r) + " raster " + std::to_string(image.width()) + "x" +
          std::to_string(image.height()));
}

::testing::AssertionResult sameLog(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& actual) {
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    // Longest common subsequence, then walk it to list the differing lines in order.
    const size_t n = expected.size();
    const size_t m = actual.size();
    std::vector<std::vector<size_t>> common(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;) {
        for (size_t j = m; j-- > 0;) {
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::ostringstream diff;
    diff << "logs differ\n--- expected\n+++ actual\n";
    size_t i = 0;
    size_t j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            diff << "  " << expected[i++] << "\n";
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            diff << "- " << expected[i++] << "\n";
        } else {
            diff << "+ " << actual[j++] << "\n";
        }
    }
    return ::testing::AssertionFailure() << diff.str();
}

}  // namespace velmora::testing
