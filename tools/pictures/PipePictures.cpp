#include "PipePictures.h"

#include <QPainter>
#include <QTransform>

namespace velmora::pictures {

namespace {

// Drawn without anti-aliasing: a blended edge would turn near-white instead of transparent.
const QColor pipe(0x3E, 0x5C, 0x7A);
const QColor fitting(0xB0, 0x3A, 0x2E);
const QColor flange(0x22, 0x33, 0x44);

// Pieces are drawn for rows running left to right ("h"); the pieces of vertical rows ("v")
// are their mirror images across the diagonal. Letters name sides in "h" terms: "o"/"u" the
// wall side across the row (top/bottom), "l"/"r" the ends along the row.
// The pipe fills the band's height, as the runs between the tanks do.
constexpr int pieceWidth = 48;
constexpr int pieceHeight = 16;

struct Piece {
    QImage image;
    QPainter painter;
    Piece(int width, int height) : image(width, height, QImage::Format_RGB32) {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setPen(Qt::NoPen);
    }
    void bar(int x, int y, int width, int height, const QColor& colour) {
        painter.fillRect(x, y, width, height, colour);
    }
    void along(int fromX, int toX) { bar(fromX, 0, toX - fromX, image.height(), pipe); }
    void disc(int centreX, int radius, const QColor& colour) {
        painter.setBrush(colour);
        painter.drawEllipse(QPoint(centreX, image.height() / 2), radius, radius);
    }
    // The elbow at x where the pipe turns towards the other row, away from the wall side
    // `across`: a collar open towards that row.
    void riser(int x, char across) {
        bar(x - 4, 0, 8, image.height(), flange);
        const int open = across == 'o' ? image.height() / 2 : 0;
        bar(x - 2, open, 4, image.height() / 2, fitting);
    }
    QImage finish() {
        painter.end();
        return image;
    }
};

int endX(char end, int width, int inset) {
    return end == 'l' ? inset : width - 1 - inset;
}

QImage run() {
    Piece piece(8, 8);
    piece.bar(0, 0, 8, 8, pipe);
    return piece.finish();
}

// Half of the pipe band over an inner tank; the dome's fitting sits where the halves meet.
QImage middle(char half) {
    Piece piece(pieceWidth, pieceHeight);
    piece.along(0, pieceWidth);
    piece.disc(half == 'l' ? pieceWidth : 0, 5, fitting);
    return piece.finish();
}

// The band with a riser at its `end` towards the other row.
QImage up(char across, char end) {
    Piece piece(pieceWidth, pieceHeight);
    piece.along(0, pieceWidth);
    piece.riser(endX(end, pieceWidth, 4), across);
    return piece.finish();
}

// The filling connection at the row's `end`, with the dome fitting in the band's middle.
QImage start(char end, int width) {
    Piece piece(width, pieceHeight);
    piece.along(0, width);
    piece.disc(width / 2, 4, fitting);
    piece.bar(end == 'l' ? 0 : width - 5, 0, 5, pieceHeight, flange);
    return piece.finish();
}

QImage startWithRiser(char across, char end) {
    constexpr int width = 32;
    QImage image = start(end, width);
    Piece riser(width, pieceHeight);
    riser.painter.drawImage(0, 0, image);
    riser.riser(endX(end == 'l' ? 'r' : 'l', width, 4), across);
    return riser.finish();
}

// The vent cap closing the row at its `end`.
QImage endCap(char end) {
    Piece piece(pieceWidth, pieceHeight);
    const int capX = endX(end, pieceWidth, 3);
    piece.along(end == 'l' ? capX : 0, end == 'l' ? pieceWidth : capX);
    piece.bar(capX - 2, 0, 5, pieceHeight, flange);
    return piece.finish();
}

QImage transposed(const QImage& image) {
    return image.transformed(QTransform().rotate(90)).mirrored(true, false);
}

// The letter naming the same side in a vertical row's pieces.
QChar verticalLetter(char letter) {
    switch (letter) {
        case 'o':
            return QLatin1Char('l');
        case 'u':
            return QLatin1Char('r');
        case 'l':
            return QLatin1Char('o');
        default:
            return QLatin1Char('u');
    }
}

char opposite(char letter) {
    switch (letter) {
        case 'o':
            return 'u';
        case 'u':
            return 'o';
        case 'l':
            return 'r';
        default:
            return 'l';
    }
}

// Saves the piece for rows along x under `hName` and its mirror for rows along y under the
// same name with every letter translated.
void savePair(PictureWriter& writer, const QString& prefix, const QString& letters,
              const QImage& piece) {
    QString vertical;
    for (QChar c : letters) {
        vertical += verticalLetter(c.toLatin1());
    }
    writer.save(QStringLiteral("images/graphics/h/%1%2.bmp").arg(prefix, letters), piece);
    writer.save(QStringLiteral("images/graphics/v/%1%2.bmp").arg(prefix, vertical),
                transposed(piece));
}

QString letters(std::initializer_list<char> list) {
    QString text;
    for (char c : list) {
        text += QLatin1Char(c);
    }
    return text;
}

}  // namespace

void writePipePictures(PictureWriter& writer) {
    // Runs are drawn one pixel line at a time, so only their colour matters; every
    // direction and letter gets one.
    const QImage runPiece = run();
    for (const char* folder : {"h", "v"}) {
        for (const char* direction : {"h", "v"}) {
            for (const char* letter : {"o", "u", "l", "r"}) {
                writer.save(QStringLiteral("images/graphics/%1/rohr_%2%3.bmp")
                                .arg(QLatin1String(folder), QLatin1String(direction),
                                     QLatin1String(letter)),
                            runPiece);
            }
        }
    }
    for (char across : {'o', 'u'}) {
        for (char end : {'l', 'r'}) {
            savePair(writer, QStringLiteral("ep_middle_"), letters({across, end}), middle(end));
            savePair(writer, QStringLiteral("hp_start_up_"), letters({across, end}),
                     startWithRiser(across, end));
            savePair(writer, QStringLiteral("hp_end_"), letters({across, end}), endCap(end));
            // The last letter repeats the wall side, mirrored when the plan mirrors.
            for (char last : {across, opposite(across)}) {
                savePair(writer, QStringLiteral("up_"), letters({across, end, last}),
                         up(across, end));
            }
        }
    }
    for (char end : {'l', 'r'}) {
        savePair(writer, QStringLiteral("hp_start_"), letters({end}), start(end, pieceWidth));
    }
}

}  // namespace velmora::pictures
