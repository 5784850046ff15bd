// The night colours' rule for a single pixel, and the count of a picture's pixels that break
// it, shared by the night check and its tests.

#pragma once

#include <QImage>

#include <algorithm>

namespace JEX {

// A pixel fails at night when max(G, B) > max(24, R / 4): green or blue that is more than a
// trace, and more than a quarter of the red beside it, takes the eyes' dark adaptation.
constexpr bool failsAtNight(int r, int g, int b) {
    const int gb = std::max(g, b);
    // 4 * gb > r compares with the exact quarter, so a red of 99 allows no green of 25.
    return gb > 24 && 4 * gb > r;
}

// How many pixels of the picture fail at night. With marks, it also draws where they are:
// the picture dimmed to grey, each failing pixel in bright cyan.
inline qsizetype countNightFailures(const QImage& picture, QImage* marks = nullptr) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (marks)
        *marks = QImage(rgb.size(), QImage::Format_RGB32);
    qsizetype failing = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        auto* out = marks ? reinterpret_cast<QRgb*>(marks->scanLine(y)) : nullptr;
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = line[x];
            const bool fails = failsAtNight(qRed(p), qGreen(p), qBlue(p));
            failing += fails;
            if (out) {
                const int grey = qGray(p) / 3;
                out[x] = fails ? qRgb(0, 255, 255) : qRgb(grey, grey, grey);
            }
        }
    }
    return failing;
}

} // namespace JEX
