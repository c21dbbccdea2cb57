// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "writers.h"

#include <QFile>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const QString& path, const std::string& what) {
    throw std::runtime_error(path.toStdString() + ": " + what);
}

// libjpeg reports errors through a callback that must not return; unwinding through the C
// library is not safe, and a drawing tool has nothing to save, so it stops.
[[noreturn]] void jpegError(j_common_ptr cinfo) {
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    std::fprintf(stderr, "libjpeg: %s\n", message);
    std::exit(1);
}

void put16(QByteArray& out, unsigned v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, unsigned v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int appendToBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

void writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(path, "cannot write");
}

} // namespace

void writeJpeg(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = jpegError;
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    // The defaults already give YCbCr with 2×2 / 1×1 / 1×1 sampling, the typical Huffman
    // tables and a JFIF 1.01 header; each is set again so the file does not hang on them.
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_set_quality(&cinfo, 100, TRUE); // every quantiser 1, still baseline
    cinfo.optimize_coding = FALSE;
    cinfo.arith_code = FALSE;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 0; // aspect ratio only
    cinfo.X_density = 1;
    cinfo.Y_density = 1;
    cinfo.write_Adobe_marker = FALSE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    writeFile(bytes, path);
}

void writeGif(const IndexedImage& image, int transparentIndex, const QString& path) {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToBytes, &error);
    if (!gif)
        fail(path, GifErrorString(error));
    auto check = [&](int result, const char* step) {
        if (result != GIF_OK) {
            const std::string why = std::string(step) + ": " + GifErrorString(gif->Error);
            EGifCloseFile(gif, nullptr);
            fail(path, why);
        }
    };

    std::array<GifColorType, 256> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = {GifByteType(qRed(image.palette[i])), GifByteType(qGreen(image.palette[i])),
                      GifByteType(qBlue(image.palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    map->SortFlag = false;

    EGifSetGifVersion(gif, true); // GIF89a
    constexpr int colourResolution = 8;
    constexpr int backgroundIndex = 0;
    const int screen =
        EGifPutScreenDesc(gif, image.width, image.height, colourResolution, backgroundIndex, map);
    GifFreeMapObject(map);
    check(screen, "screen");

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = transparentIndex;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension), "control");

    check(EGifPutImageDesc(gif, 0, 0, image.width, image.height, true, nullptr), "image");
    // giflib writes rows as given: hand them over in the order of the four interlace passes.
    constexpr int passStart[4] = {0, 4, 2, 1}, passStep[4] = {8, 8, 4, 2};
    std::vector<GifPixelType> row(std::size_t(image.width));
    for (int pass = 0; pass < 4; ++pass)
        for (int y = passStart[pass]; y < image.height; y += passStep[pass]) {
            const auto first = image.indices.begin() + std::ptrdiff_t(y) * image.width;
            std::copy(first, first + image.width, row.begin());
            check(EGifPutLine(gif, row.data(), image.width), "row");
        }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        fail(path, GifErrorString(error));
    writeFile(bytes, path);
}

void writeIco(const IndexedImage& image, int maskedLeft, int maskedRight, const QString& path) {
    constexpr unsigned directorySize = 6 + 16;
    constexpr unsigned headerSize = 40;
    const unsigned colourRowBytes = (unsigned(image.width) + 3) / 4 * 4;
    const unsigned maskRowBytes = (unsigned(image.width) + 31) / 32 * 4;
    const unsigned colourBytes = colourRowBytes * unsigned(image.height);
    const unsigned maskBytes = maskRowBytes * unsigned(image.height);
    const unsigned imageBytes = headerSize + 256 * 4 + colourBytes + maskBytes;

    QByteArray out;
    // Icon directory: reserved, type 1 (icon), one entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(char(image.width));
    out.append(char(image.height));
    out.append(char(0)); // colour count: 0 for 256 colours
    out.append(char(0)); // reserved
    put16(out, 1);       // planes
    put16(out, 8);       // bits per pixel
    put32(out, imageBytes);
    put32(out, directorySize);

    // Bitmap header; the height counts the colour rows and the mask rows together.
    put32(out, headerSize);
    put32(out, unsigned(image.width));
    put32(out, unsigned(image.height) * 2);
    put16(out, 1);
    put16(out, 8);
    put32(out, 0); // no compression
    put32(out, colourBytes + maskBytes);
    put32(out, 0); // no resolution
    put32(out, 0);
    put32(out, 0); // all 256 colours used
    put32(out, 0);

    for (QRgb c : image.palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(qsizetype(colourRowBytes), '\0');
        for (int x = 0; x < image.width; ++x)
            row[x] =
                char(image.indices[std::size_t(y) * std::size_t(image.width) + std::size_t(x)]);
        out.append(row);
    }
    QByteArray maskRow(qsizetype(maskRowBytes), '\0');
    for (int x = 0; x < image.width; ++x)
        if (x < maskedLeft || x >= image.width - maskedRight)
            maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
    for (int y = 0; y < image.height; ++y)
        out.append(maskRow);

    if (unsigned(out.size()) != directorySize + imageBytes)
        fail(path, "icon size does not add up");
    writeFile(out, path);
}
