// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The four lettered drawings of the shape windows. The vertex letters must name the same
// corners as the windows' labels: a pupil reads "أ د" in the window and looks for it here.
#include "drawing.h"
#include "pictures.h"

namespace {

using draw::Dash;
using draw::plotLine;

const QColor background(0xF0, 0xF0, 0xF0);
const QColor outline(0x00, 0x00, 0x00);
const QColor maroon(0x5A, 0x10, 0x10);

// Font pixel sizes: vertex letters come out 6 (د) to 12 (أ) pixels high, words about 10.
constexpr qreal letterSize = 12;
constexpr qreal wordSize = 10;

QImage canvas(int width, int height, int scale) {
    QImage image = draw::newImage(width, height, scale, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

void letter(QPainter& p, const char* text, QPoint centre) {
    draw::drawTextCentred(p, QString::fromUtf8(text), letterSize, centre, maroon);
}

void word(QPainter& p, const char* text, QPoint centre) {
    draw::drawTextCentred(p, QString::fromUtf8(text), wordSize, centre, maroon);
}

void wordInBox(QPainter& p, const char* text, QRect box) {
    draw::drawTextInBox(p, QString::fromUtf8(text), box, maroon);
}

// Pixel box from inclusive edges.
QRect box(int left, int right, int top, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// A diagonal whose dash pattern is centred on the crossing, so the crossing is always inked.
void diagonal(QImage& image, QPoint from, QPoint to, QPoint crossing, QColor colour, Dash dash) {
    const int stepsToCrossing = draw::lineSteps(from, crossing);
    plotLine(image, from, to, colour, dash, draw::phaseCentringDash(dash, stepsToCrossing));
}

} // namespace

QImage drawSquare(int scale) {
    // Corners named by their letters: أ top right, ب top left, ج bottom right, د bottom left.
    constexpr QPoint alif{225, 21}, ba{41, 21}, jim{225, 205}, dal{41, 205};
    constexpr QPoint centre{133, 113};
    const QColor navy(0x0B, 0x0A, 0x32);
    // 20 steps drawn, 4 left out, counted along the horizontal.
    constexpr Dash longDash{20, 4};

    QImage image = canvas(248, 215, scale);
    diagonal(image, alif, dal, centre, navy, longDash);
    diagonal(image, ba, jim, centre, navy, longDash);
    draw::plotOutline(image, {ba, alif, jim, dal}, outline);

    QPainter p(&image);
    letter(p, "أ", {239, 17});
    letter(p, "ب", {38, 13});
    letter(p, "ج", {237, 205});
    letter(p, "د", {31, 204});
    letter(p, "م", {123, 134});
    word(p, "الطول", {148, 11});
    // One pixel right of the intended centre, so the word is not cut at the picture's edge.
    word(p, "العرض", {15, 100});
    return image;
}

QImage drawRectangle(int scale) {
    constexpr QPoint alif{264, 17}, ba{40, 17}, jim{264, 161}, dal{40, 161};
    constexpr QPoint centre{152, 89};
    const QColor navy(0x0B, 0x0A, 0x32);
    constexpr Dash longDash{20, 4};

    QImage image = canvas(279, 186, scale);
    diagonal(image, alif, dal, centre, navy, longDash);
    diagonal(image, ba, jim, centre, navy, longDash);
    draw::plotOutline(image, {ba, alif, jim, dal}, outline);

    QPainter p(&image);
    // أ one pixel lower than intended: the tall letter would touch the top edge.
    letter(p, "أ", {266, 6});
    letter(p, "ب", {28, 17});
    letter(p, "ج", {275, 169});
    letter(p, "د", {26, 168});
    letter(p, "م", {154, 98});
    word(p, "القطر", {170, 55});
    // Two pixels right of the intended centre, so the word is not cut at the picture's edge.
    word(p, "العرض", {15, 64});
    word(p, "الطول", {148, 175});
    return image;
}

QImage drawRhombus(int scale) {
    constexpr QPoint top{96, 20}, right{176, 116}, bottom{96, 203}, left{16, 116};
    constexpr QPoint crossing{96, 116};
    const QColor navy(0x09, 0x0A, 0x3A);
    // Each diagonal starts with a full dash at its top or left vertex.
    constexpr Dash dash{18, 6};

    QImage image = canvas(193, 217, scale);
    plotLine(image, top, bottom, navy, dash);
    plotLine(image, left, right, navy, dash);
    draw::plotOutline(image, {top, right, bottom, left}, outline);

    QPainter p(&image);
    letter(p, "أ", {98, 8});
    letter(p, "ب", {188, 115});
    // One pixel right of the intended centre, so the letter is not cut at the picture's edge.
    letter(p, "ج", {4, 116});
    letter(p, "د", {98, 210});
    letter(p, "م", {131, 115});

    // "القطر الأول" straddles the vertical diagonal: the line runs through the gap between
    // the two words. Both words share one size, chosen so the pair is 46 pixels wide (x 73..118);
    // keeping the gap on the line puts the pair about two pixels right of that.
    constexpr int firstLabelRow = 58;
    constexpr qreal gapLeft = crossing.x() - 1, gapRight = crossing.x() + 2;
    const QString rightWord = QString::fromUtf8("القطر"), leftWord = QString::fromUtf8("الأول");
    const qreal pairWidth = 118 + 1 - 73 - (gapRight - gapLeft);
    const qreal unitWidth =
        draw::textBounds(rightWord, 1).width() + draw::textBounds(leftWord, 1).width();
    const qreal size = pairWidth / unitWidth;
    draw::drawTextSpanning(p, leftWord, gapLeft - draw::textBounds(leftWord, size).width(), gapLeft,
                           firstLabelRow, maroon);
    draw::drawTextSpanning(p, rightWord, gapRight,
                           gapRight + draw::textBounds(rightWord, size).width(), firstLabelRow,
                           maroon);

    wordInBox(p, "القطر الثاني", box(25, 76, 102, 112));
    return image;
}

QImage drawParallelogram(int scale) {
    // ب top left, أ top right, ج bottom right, د bottom left; و is the foot of the height from ب.
    constexpr QPoint ba{56, 20}, alif{232, 20}, jim{184, 116}, dal{8, 116};
    constexpr QPoint foot{ba.x(), dal.y()};
    const QColor navy(0x0C, 0x0C, 0x24);
    constexpr Dash dotted{3, 3};

    QImage image = canvas(265, 138, scale);
    draw::plotOutline(image, {ba, alif, jim, dal}, outline);

    QPainter p(&image);
    letter(p, "ب", {52, 11});
    letter(p, "أ", {234, 17});
    letter(p, "ج", {195, 124});
    // One pixel right of the intended centre, so the letter is not cut at the picture's edge.
    letter(p, "د", {3, 114});
    letter(p, "و", {50, 125});
    wordInBox(p, "الضلع الأكبر", box(120, 171, 5, 16));
    wordInBox(p, "الإرتفاع", box(49, 80, 62, 72));
    wordInBox(p, "الضلع الأصغر", box(208, 263, 68, 80));
    wordInBox(p, "القاعدة", box(105, 135, 126, 133));
    p.end();

    // The height is drawn last, crossing its word; it keeps the vertex and the foot black.
    plotLine(image, ba + QPoint(0, 1), foot - QPoint(0, 1), navy, dotted);
    return image;
}
