// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// draw-pictures [--verbose] [--menu-icon PNG] [--web-icons DIR] FOLDER
// Draws the program's nine picture files into FOLDER (normally assets/), each also at twice and
// three times its size for high-density screens (NAME@2x.png, NAME@3x.png), with --menu-icon
// the desktop menu's icon (normally packaging/org.example.Kozmat.png), and with --web-icons the
// icons of the installed web page, kozmat-192.png and kozmat-512.png (normally
// src/platform/web).
#include "drawing.h"
#include "palette.h"
#include "pictures.h"
#include "writers.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

struct JpegPicture {
    const char* file;
    QImage (*draw)(int scale);
};

constexpr JpegPicture jpegPictures[] = {
    {"square.jpg",         drawSquare       },
    {"rectangle.jpg",      drawRectangle    },
    {"rhombus.jpg",        drawRhombus      },
    {"parallelogram.jpg",  drawParallelogram},
    {"circle.jpg",         drawCircleChart  },
    {"triangle-parts.jpg", drawTriangleParts},
    {"triangle-kinds.jpg", drawTriangleKinds},
};

// The GIF keeps index 255 for the transparent white.
constexpr int gifTransparentIndex = 255;

// The larger drawings are lossless and keep their full colour and soft edges: a high-density
// screen shows them as they are.
void writePng(QImage image, const QDir& folder, const char* file, int scale) {
    const QString name = QString::fromLatin1(file);
    const QString path =
        folder.filePath(name.left(name.lastIndexOf(u'.')) + QStringLiteral("@%1x.png").arg(scale));
    image.setDevicePixelRatio(1);
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void drawScaled(const QDir& folder, int scale) {
    for (const JpegPicture& picture : jpegPictures)
        writePng(picture.draw(scale).convertToFormat(QImage::Format_RGB888), folder, picture.file,
                 scale);
    writePng(drawStartPicture(scale).convertToFormat(QImage::Format_ARGB32), folder, "start.gif",
             scale);
    // The icon's masked columns become transparent, as the 1× icon's mask makes them.
    QImage icon = drawWindowIcon(scale).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (x < iconLeftMasked * scale || x >= (iconWidth - iconRightMasked) * scale)
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    writePng(icon, folder, "icon.ico", scale);
}

void drawAll(const QDir& folder) {
    for (const JpegPicture& picture : jpegPictures) {
        if (draw::verbose)
            std::fprintf(stderr, "%s\n", picture.file);
        writeJpeg(picture.draw(1), folder.filePath(QString::fromLatin1(picture.file)));
    }

    const QImage start = drawStartPicture(1);
    const std::vector<QRgb> startPalette =
        choosePalette(start, startPictureColours(), gifTransparentIndex);
    writeGif(toIndexed(start, startPalette, gifTransparentIndex, qRgb(0xFF, 0xFF, 0xFF)),
             gifTransparentIndex, folder.filePath(QStringLiteral("start.gif")));

    // Index 0 is black: under the mask, black leaves the screen as it is.
    const QImage icon = drawWindowIcon(1);
    IndexedImage indexedIcon = toIndexed(icon, choosePalette(icon, {qRgb(0, 0, 0)}, 256));
    for (int y = 0; y < iconHeight; ++y)
        for (int x = 0; x < iconWidth; ++x)
            if (x < iconLeftMasked || x >= iconWidth - iconRightMasked)
                indexedIcon.indices[std::size_t(y * iconWidth + x)] = 0;
    writeIco(indexedIcon, iconLeftMasked, iconRightMasked,
             folder.filePath(QStringLiteral("icon.ico")));

    for (int scale : {2, 3})
        drawScaled(folder, scale);
}

// The desktop menu wants a square icon: the window icon, centred on a transparent square.
void writeMenuIcon(const QDir& folder, const QString& file) {
    const QImage icon(folder.filePath(QStringLiteral("icon.ico")));
    if (icon.isNull())
        throw std::runtime_error("cannot read back icon.ico");
    constexpr int side = 128;
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((side - icon.width()) / 2, (side - icon.height()) / 2, icon);
    painter.end();
    if (!square.save(file, "PNG"))
        throw std::runtime_error("cannot write " + file.toStdString());
}

// An installed web page's icon stands on a home screen among square ones: the window icon,
// drawn anew at the smallest whole scale at least as large as four fifths of the side and
// brought to that size, on a white rounded square.
void writeWebIcons(const QDir& folder) {
    constexpr int visible = iconWidth - iconLeftMasked - iconRightMasked;
    for (const int side : {192, 512}) {
        const int room = side * 4 / 5, scale = (room + visible - 1) / visible;
        QImage drawn = drawWindowIcon(scale).copy(iconLeftMasked * scale, 0, visible * scale,
                                                  iconHeight * scale);
        drawn.setDevicePixelRatio(1);
        const QImage art = drawn.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage square(side, side, QImage::Format_ARGB32);
        square.fill(Qt::transparent);
        QPainter painter(&square);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(0, 0, side, side), side / 6.0, side / 6.0);
        painter.drawImage((side - art.width()) / 2, (side - art.height()) / 2, art);
        painter.end();
        const QString file = folder.filePath(QStringLiteral("kozmat-%1.png").arg(side));
        if (!square.save(file, "PNG"))
            throw std::runtime_error("cannot write " + file.toStdString());
    }
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--verbose")) {
        draw::verbose = true;
        args.removeFirst();
    }
    QString menuIcon;
    if (args.value(0) == QLatin1String("--menu-icon") && args.size() > 1) {
        menuIcon = args.at(1);
        args.remove(0, 2);
    }
    QString webIcons;
    if (args.value(0) == QLatin1String("--web-icons") && args.size() > 1) {
        webIcons = args.at(1);
        args.remove(0, 2);
    }
    if (args.size() != 1) {
        std::fprintf(
            stderr,
            "usage: draw-pictures [--verbose] [--menu-icon PNG] [--web-icons DIR] FOLDER\n");
        return 2;
    }
    const QDir folder(args.first());
    if (!folder.exists()) {
        std::fprintf(stderr, "draw-pictures: no folder %s\n", qPrintable(args.first()));
        return 1;
    }
    if (!draw::loadArabicFont()) {
        std::fprintf(stderr, "draw-pictures: cannot load the Arabic font "
                             "(Debian package fonts-noto-ui-core)\n");
        return 1;
    }
    try {
        drawAll(folder);
        if (!menuIcon.isEmpty())
            writeMenuIcon(folder, menuIcon);
        if (!webIcons.isEmpty())
            writeWebIcons(QDir(webIcons));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw-pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
