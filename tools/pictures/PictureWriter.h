#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace velmora::pictures {

// Writes pictures below one directory, each file atomically, creating folders as needed.
// Failures are collected, not thrown.
class PictureWriter {
public:
    explicit PictureWriter(const QString& root);

    // `relativePath` ends in .jpg (JPEG, quality 92), .bmp (24-bit bitmap) or .png (with
    // alpha) and stays below the root; any other path is a failure.
    void save(const QString& relativePath, const QImage& image);

    int written() const { return written_; }
    const QStringList& failures() const { return failures_; }

private:
    QDir root_;
    int written_ = 0;
    QStringList failures_;
};

}  // namespace velmora::pictures
