// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small PNG encoder for the generator's pictures.
#include "png_file.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace slot::art
{

namespace
{

std::uint32_t crc32(const QByteArray &bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t {};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : bytes) {
        c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void put32(QByteArray &out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((v >> shift) & 0xFF));
    }
}

void chunk(QByteArray &out, const char *type, const QByteArray &data)
{
    put32(out, static_cast<std::uint32_t>(data.size()));
    QByteArray body(type, 4);
    body += data;
    out += body;
    put32(out, crc32(body));
}

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

// Applies one of the five PNG filters to a row; bpp is bytes per pixel.
QByteArray filtered(int type, const QByteArray &row, const QByteArray &prev, int bpp)
{
    QByteArray out(row.size() + 1, '\0');
    out[0] = static_cast<char>(type);
    for (int i = 0; i < row.size(); ++i) {
        const int x = static_cast<std::uint8_t>(row[i]);
        const int a = i >= bpp ? static_cast<std::uint8_t>(row[i - bpp]) : 0;
        const int b = static_cast<std::uint8_t>(prev[i]);
        const int c = i >= bpp ? static_cast<std::uint8_t>(prev[i - bpp]) : 0;
        const int predicted = type == 1 ? a
            : type == 2                 ? b
            : type == 3                 ? (a + b) / 2
            : type == 4                 ? paeth(a, b, c)
                                        : 0;
        out[i + 1] = static_cast<char>((x - predicted) & 0xFF);
    }
    return out;
}

long cost(const QByteArray &f)
{
    long sum = 0;
    for (int i = 1; i < f.size(); ++i) {
        sum += std::abs(static_cast<int>(static_cast<std::int8_t>(f[i])));
    }
    return sum;
}

} // namespace

QByteArray encodePng(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < img.height() && opaque; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            opaque = opaque && qAlpha(line[x]) == 255;
        }
    }
    const int bpp = opaque ? 3 : 4;
    QByteArray raw;
    QByteArray prev(img.width() * bpp, '\0');
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row;
        row.reserve(img.width() * bpp);
        for (int x = 0; x < img.width(); ++x) {
            row.append(static_cast<char>(qRed(line[x])));
            row.append(static_cast<char>(qGreen(line[x])));
            row.append(static_cast<char>(qBlue(line[x])));
            if (!opaque) {
                row.append(static_cast<char>(qAlpha(line[x])));
            }
        }
        // The usual heuristic: the filter with the smallest sum of signed residuals.
        QByteArray best = filtered(0, row, prev, bpp);
        long bestCost = cost(best);
        for (int type = 1; type <= 4; ++type) {
            QByteArray f = filtered(type, row, prev, bpp);
            const long c = cost(f);
            if (c < bestCost) {
                bestCost = c;
                best = f;
            }
        }
        raw += best;
        prev = row;
    }
    QByteArray header;
    put32(header, static_cast<std::uint32_t>(img.width()));
    put32(header, static_cast<std::uint32_t>(img.height()));
    header.append(char(8)); // bits per channel
    header.append(char(opaque ? 2 : 6)); // RGB or RGBA
    header.append(3, '\0'); // deflate, adaptive filters, no interlace

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", qCompress(raw, 9).mid(4)); // qCompress prefixes the length to a zlib stream
    chunk(out, "IEND", {});
    return out;
}

} // namespace slot::art
