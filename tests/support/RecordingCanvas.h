#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace velmora::testing {

// A picture of the recording loader: only its file name and size.
class RecordingPicture : public Picture {
public:
    RecordingPicture(std::string path, int width, int height, Transparency transparency)
        : path_(std::move(path)), width_(width), height_(height), transparency_(transparency) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& path() const { return path_; }
    Transparency transparency() const { return transparency_; }

private:
    std::string path_;
    int width_;
    int height_;
    Transparency transparency_;
};

// Knows only the pictures a test adds; every other path is a missing file. Counts loads.
class RecordingPictureLoader : public PictureLoader {
public:
    void addPicture(const std::string& path, int width, int height);
    std::unique_ptr<Picture> load(const std::string& path, PictureFormat format,
                                  Transparency transparency) override;
    // How often `path` (exact spelling) was asked for.
    int loadCount(const std::string& path) const;

private:
    struct Size {
        int width;
        int height;
    };
    std::map<std::string, Size> pictures_;
    std::map<std::string, int> loads_;
};

// A canvas that writes every drawing call as one text line with its coordinates and the
// state it used, for exact golden comparisons. Text metrics are fixed: 7 units per
// character at any size, height = |font height|. State changes alone are not logged.
//
// Lines look like:
//   fillRect 0,0,400,300 brush solid FFFFFF
//   rectangle 10,10,100,80 pen 000000/1 brush solid C0C0C0
//   roundRect 0,0,300,40 corner 10x10 pen EEEEEE/1 brush solid EEEEEE
//   polygon 1,2 3,4 5,6 pen 000000/1 brush cross FFFF00
//   line 1,2 3,4 pen 000000/1
//   text 12,5 clip 10,5,60,18 "5,000 m" font Arial -13 bold 000000 esc -900 brush clear
//   picture app/images/x.bmp 48x16 transparent 1,2,3,4
//   raster 1770x1770
//   copyRect 200,393,1970,2163 raster 1770x1770
// Lines drawn on a raster image made by this canvas go into the same log, indented by two.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 400, int height = 300, int pixelsPerInch = 96);

    const std::vector<std::string>& log() const { return *log_; }
    void clearLog() { log_->clear(); }
    RecordingPictureLoader& loader() { return *loader_; }

    int width() const override { return width_; }
    int height() const override { return height_; }
    int pixelsPerInch() const override { return pixelsPerInch_; }
    void fillRect(const TRect& rect) override;
    void rectangle(const TRect& rect) override;
    void roundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) override;
    void polygon(const TPoints& points) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void textRect(const TRect& clip, TPoint start, const std::string& text) override;
    void stretchDraw(const TRect& rect, const Picture& picture) override;
    PictureLoader& pictureLoader() override { return *loader_; }
    std::unique_ptr<RasterImage> createRasterImage(int width, int height) override;
    void copyRect(const TRect& rect, const RasterImage& image) override;

protected:
    void drawLine(TPoint from, TPoint to) override;

private:
    class Raster;
    RecordingCanvas(int width, int height, int pixelsPerInch,
                    std::shared_ptr<std::vector<std::string>> log,
                    std::shared_ptr<RecordingPictureLoader> loader, std::string indent);
    void write(const std::string& line);

    int width_;
    int height_;
    int pixelsPerInch_;
    std::shared_ptr<std::vector<std::string>> log_;
    std::shared_ptr<RecordingPictureLoader> loader_;
    std::string indent_;
};

// Succeeds when the logs are equal; otherwise the failure message is a unified-diff-like
// listing ("-" expected only, "+" actual only, " " both).
::testing::AssertionResult sameLog(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& actual);

}  // namespace velmora::testing
