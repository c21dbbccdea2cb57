// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine embedded images: their file formats byte by byte, and their drawings against the
// window texts (a vertex letter in the wrong corner would teach the wrong diagonal); and their
// drawings at twice and three times the size, with the letters where the 1x ones stand.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// ---- bytes -----------------------------------------------------------------------------------

QByteArray resource(const QString& name) {
    QFile file(QStringLiteral(":/assets/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int u8(const QByteArray& b, qsizetype at) {
    return at < b.size() ? quint8(b[at]) : -1;
}
int be16(const QByteArray& b, qsizetype at) {
    return u8(b, at) << 8 | u8(b, at + 1);
}
int le16(const QByteArray& b, qsizetype at) {
    return u8(b, at) | u8(b, at + 1) << 8;
}
qint64 le32(const QByteArray& b, qsizetype at) {
    return qint64(le16(b, at)) | qint64(le16(b, at + 2)) << 16;
}

struct Segment {
    int marker;
    QByteArray body; // without marker and length
};

// The marker segments of a JPEG file in order. Entropy-coded data after SOS is skipped (stuffed
// zero bytes and restart markers belong to it); whatever marker follows it is listed.
std::vector<Segment> jpegSegments(const QByteArray& b) {
    std::vector<Segment> out;
    qsizetype at = 0;
    while (at + 1 < b.size()) {
        if (u8(b, at) != 0xFF)
            return out; // not a marker where one must be: the caller sees the list end early
        const int marker = u8(b, at + 1);
        at += 2;
        if (marker == 0xD8 || marker == 0xD9) {
            out.push_back({marker, {}});
            continue;
        }
        const int length = be16(b, at);
        out.push_back({marker, b.mid(at + 2, length - 2)});
        at += length;
        if (marker == 0xDA) {
            while (at + 1 < b.size() && !(u8(b, at) == 0xFF && u8(b, at + 1) != 0 &&
                                          (u8(b, at + 1) < 0xD0 || u8(b, at + 1) > 0xD7)))
                ++at;
        }
    }
    return out;
}

QString markerName(int marker) {
    switch (marker) {
    case 0xD8:
        return QStringLiteral("SOI");
    case 0xE0:
        return QStringLiteral("APP0");
    case 0xDB:
        return QStringLiteral("DQT");
    case 0xC0:
        return QStringLiteral("SOF0");
    case 0xC4:
        return QStringLiteral("DHT");
    case 0xDA:
        return QStringLiteral("SOS");
    case 0xD9:
        return QStringLiteral("EOI");
    default:
        return QStringLiteral("FF%1").arg(marker, 2, 16, QLatin1Char('0')).toUpper();
    }
}

struct HuffmanTable {
    std::vector<int> counts; // codes of each length 1..16
    std::vector<int> symbols;
    bool operator==(const HuffmanTable&) const = default;
};

// The typical tables of the JPEG standard (Annex K.3). The codes of 16 bits carry every
// remaining symbol in ascending order, so only the shorter codes are listed.
HuffmanTable standardTable(bool ac, bool chroma) {
    if (!ac) {
        HuffmanTable t;
        t.counts = chroma ? std::vector<int>{0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}
                          : std::vector<int>{0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
        for (int s = 0; s < 12; ++s)
            t.symbols.push_back(s);
        return t;
    }
    HuffmanTable t;
    if (chroma) {
        t.counts = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 119};
        t.symbols = {0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12,
                     0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14,
                     0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15,
                     0x62, 0x72, 0xd1, 0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1};
    } else {
        t.counts = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 125};
        t.symbols = {0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13,
                     0x51, 0x61, 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42,
                     0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72, 0x82};
    }
    // AC symbols: end of block, run of sixteen zeros, and run r (0..15) before size s (1..10).
    std::vector<int> all = {0x00, 0xF0};
    for (int r = 0; r < 16; ++r)
        for (int s = 1; s <= 10; ++s)
            all.push_back(r << 4 | s);
    std::sort(all.begin(), all.end());
    for (int s : all)
        if (std::find(t.symbols.begin(), t.symbols.end(), s) == t.symbols.end())
            t.symbols.push_back(s);
    return t;
}

// ---- pixels ----------------------------------------------------------------------------------

int luma(QRgb c) {
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

bool isDark(QRgb c) {
    return luma(c) < 128;
}

// Ink of the maroon letters; the black and navy lines have no such red cast.
bool isMaroon(QRgb c) {
    return luma(c) < 190 && qRed(c) - qGreen(c) >= 16 && qRed(c) - qBlue(c) >= 16;
}

// Bounds of the pixels in `window` that satisfy `ink`; empty if none.
template <typename Ink> QRect inkBounds(const QImage& image, QRect window, Ink ink) {
    QRect bounds;
    window &= image.rect();
    for (int y = window.top(); y <= window.bottom(); ++y)
        for (int x = window.left(); x <= window.right(); ++x)
            if (ink(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Walks from a to b one pixel step along the longer axis and says, for each step, whether the
// line there is inked (a dark pixel at the ideal position or one pixel across it).
std::vector<bool> inkAlong(const QImage& image, QPoint a, QPoint b) {
    const int steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const bool xMajor = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    std::vector<bool> inked;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPoint p(int(std::lround(a.x() + t * (b.x() - a.x()))),
                       int(std::lround(a.y() + t * (b.y() - a.y()))));
        bool dark = false;
        for (int d = -1; d <= 1; ++d) {
            const QPoint q = xMajor ? p + QPoint(0, d) : p + QPoint(d, 0);
            dark = dark || (image.valid(q) && isDark(image.pixel(q)));
        }
        inked.push_back(dark);
    }
    return inked;
}

struct Run {
    bool inked;
    int length;
};

std::vector<Run> runs(const std::vector<bool>& steps) {
    std::vector<Run> out;
    for (bool s : steps) {
        if (out.empty() || out.back().inked != s)
            out.push_back({s, 0});
        ++out.back().length;
    }
    return out;
}

// ---- what the drawings must show -------------------------------------------------------------

// A letter or word of a lettered drawing: its glyph centre, the size range of its ink, and the
// window it is looked for in (every maroon pixel of a drawing must fall in one of these).
struct Label {
    const char* tag;
    const char* file;
    QPoint centre;
    QSize minSize, maxSize;
    QRect window;
};

// Single letters are looked for within 8 pixels of their centre. Their ink sizes set them apart:
// أ narrow and tall, ب wide and low, ج middling, د small.
constexpr QSize alifMin{2, 9}, alifMax{4, 13};
constexpr QSize baMin{9, 6}, baMax{13, 10};
constexpr QSize jimMin{6, 8}, jimMax{9, 11};
constexpr QSize dalMin{4, 4}, dalMax{7, 8};
constexpr QSize mimMin{4, 7}, mimMax{8, 10};
constexpr QSize wawMin{4, 6}, wawMax{7, 9};

QRect around(QPoint c, int r) {
    return QRect(c - QPoint(r, r), c + QPoint(r, r));
}
// Pixel box from inclusive edges, grown by a margin.
QRect extent(int left, int right, int top, int bottom, int margin = 3) {
    return QRect(QPoint(left - margin, top - margin), QPoint(right + margin, bottom + margin));
}
QPoint middle(QRect r) {
    return QPoint((r.left() + r.right() + 1) / 2, (r.top() + r.bottom() + 1) / 2);
}

// A word given by its extent: ink spanning it within 3 pixels.
Label word(const char* tag, const char* file, int left, int right, int top, int bottom) {
    const QRect e(QPoint(left, top), QPoint(right, bottom));
    return {tag,
            file,
            middle(e),
            e.size() - QSize(4, 4),
            e.size() + QSize(4, 4),
            extent(left, right, top, bottom)};
}

// A word given by its centre: 8 to 13 pixels high, `width` at most.
Label word(const char* tag, const char* file, QPoint centre, int width) {
    return {tag, file, centre, QSize(12, 8), QSize(width, 13), around(centre, width / 2 + 3)};
}

Label letter(const char* tag, const char* file, QPoint centre, QSize min, QSize max) {
    return {tag, file, centre, min, max, around(centre, 8)};
}

const std::vector<Label>& drawingLabels() {
    static const std::vector<Label> all = {
        letter("square alif, right of top right", "square.jpg", {239, 17}, alifMin, alifMax),
        letter("square ba, above top left", "square.jpg", {38, 13}, baMin, baMax),
        letter("square jim, right of bottom right", "square.jpg", {237, 205}, jimMin, jimMax),
        letter("square dal, left of bottom left", "square.jpg", {31, 204}, dalMin, dalMax),
        letter("square mim, below the centre", "square.jpg", {123, 134}, mimMin, mimMax),
        word("square length, above the top", "square.jpg", {148, 11}, 32),
        word("square width, left of the left side", "square.jpg", {14, 100}, 32),

        letter("rectangle alif, above top right", "rectangle.jpg", {266, 5}, alifMin, alifMax),
        letter("rectangle ba, left of top left", "rectangle.jpg", {28, 17}, baMin, baMax),
        letter("rectangle jim, below bottom right", "rectangle.jpg", {275, 169}, jimMin, jimMax),
        letter("rectangle dal, below bottom left", "rectangle.jpg", {26, 168}, dalMin, dalMax),
        letter("rectangle mim, below the crossing", "rectangle.jpg", {154, 98}, mimMin, mimMax),
        word("rectangle diagonal, above alif half", "rectangle.jpg", {170, 55}, 32),
        word("rectangle width, left side", "rectangle.jpg", {13, 64}, 32),
        word("rectangle length, below the bottom", "rectangle.jpg", {148, 175}, 32),

        letter("rhombus alif, above the top", "rhombus.jpg", {98, 8}, alifMin, alifMax),
        letter("rhombus ba, right of the right", "rhombus.jpg", {188, 115}, baMin, baMax),
        letter("rhombus jim, left of the left", "rhombus.jpg", {3, 116}, jimMin, jimMax),
        letter("rhombus dal, below the bottom", "rhombus.jpg", {98, 210}, dalMin, dalMax),
        letter("rhombus mim, right of the crossing", "rhombus.jpg", {131, 115}, mimMin, mimMax),
        word("rhombus first diagonal", "rhombus.jpg", 73, 118, 53, 63),
        word("rhombus second diagonal", "rhombus.jpg", 25, 76, 102, 112),

        letter("parallelogram ba, above top left", "parallelogram.jpg", {52, 11}, baMin, baMax),
        letter("parallelogram alif, right of top right", "parallelogram.jpg", {234, 17}, alifMin,
               alifMax),
        letter("parallelogram jim, below bottom right", "parallelogram.jpg", {195, 124}, jimMin,
               jimMax),
        letter("parallelogram dal, left of bottom left", "parallelogram.jpg", {2, 114}, dalMin,
               dalMax),
        letter("parallelogram waw, below the foot", "parallelogram.jpg", {50, 125}, wawMin, wawMax),
        word("parallelogram longer side", "parallelogram.jpg", 120, 171, 5, 16),
        word("parallelogram height", "parallelogram.jpg", 49, 80, 62, 72),
        word("parallelogram shorter side", "parallelogram.jpg", 208, 263, 68, 80),
        word("parallelogram base", "parallelogram.jpg", 105, 135, 126, 133),
    };
    return all;
}

const QColor drawingBackground(0xF0, 0xF0, 0xF0);

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void decodes_data();
    void decodes();
    void jpegFormat_data();
    void jpegFormat();
    void gifFormat();
    void iconFormat();
    void iconTransparency();

    void colourAt_data();
    void colourAt();
    void darkNear_data();
    void darkNear();
    void dashes_data();
    void dashes();
    void labels_data();
    void labels();
    void noStrayLetters_data();
    void noStrayLetters();
    void startTransparency_data();
    void startTransparency();
    void largerDrawings_data();
    void largerDrawings();
    void largerLabels_data();
    void largerLabels();
};

void TestAssets::decodes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon") << "icon.ico" << QByteArray("ico") << QSize(100, 60);
    QTest::newRow("start") << "start.gif" << QByteArray("gif") << QSize(239, 155);
    QTest::newRow("circle") << "circle.jpg" << QByteArray("jpeg") << QSize(202, 160);
    QTest::newRow("triangle parts") << "triangle-parts.jpg" << QByteArray("jpeg") << QSize(217, 96);
    QTest::newRow("triangle kinds")
        << "triangle-kinds.jpg" << QByteArray("jpeg") << QSize(218, 266);
    QTest::newRow("square") << "square.jpg" << QByteArray("jpeg") << QSize(248, 215);
    QTest::newRow("rectangle") << "rectangle.jpg" << QByteArray("jpeg") << QSize(279, 186);
    QTest::newRow("rhombus") << "rhombus.jpg" << QByteArray("jpeg") << QSize(193, 217);
    QTest::newRow("parallelogram") << "parallelogram.jpg" << QByteArray("jpeg") << QSize(265, 138);
}

void TestAssets::decodes() {
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(QStringLiteral(":/assets/") + file);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestAssets::jpegFormat_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("circle") << "circle.jpg" << QSize(202, 160);
    QTest::newRow("triangle parts") << "triangle-parts.jpg" << QSize(217, 96);
    QTest::newRow("triangle kinds") << "triangle-kinds.jpg" << QSize(218, 266);
    QTest::newRow("square") << "square.jpg" << QSize(248, 215);
    QTest::newRow("rectangle") << "rectangle.jpg" << QSize(279, 186);
    QTest::newRow("rhombus") << "rhombus.jpg" << QSize(193, 217);
    QTest::newRow("parallelogram") << "parallelogram.jpg" << QSize(265, 138);
}

void TestAssets::jpegFormat() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QByteArray bytes = resource(file);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes.right(2), QByteArray("\xFF\xD9"));
    const std::vector<Segment> segments = jpegSegments(bytes);

    // The marker sequence, quantisation tables counted as one however they are split.
    QStringList names;
    for (const Segment& s : segments)
        if (!(s.marker == 0xDB && !names.isEmpty() && names.last() == QLatin1String("DQT")))
            names << markerName(s.marker);
    QCOMPARE(names.join(QLatin1Char(' ')),
             QStringLiteral("SOI APP0 DQT SOF0 DHT DHT DHT DHT SOS EOI"));

    // JFIF 1.01, no density unit, aspect 1:1, no thumbnail.
    const QByteArray app0 = segments[1].body;
    QCOMPARE(app0.size(), 14);
    QCOMPARE(app0.left(5), QByteArray("JFIF\0", 5));
    QCOMPARE(u8(app0, 5), 1);
    QCOMPARE(u8(app0, 6), 1);
    QCOMPARE(u8(app0, 7), 0);
    QCOMPARE(be16(app0, 8), 1);
    QCOMPARE(be16(app0, 10), 1);
    QCOMPARE(u8(app0, 12), 0);
    QCOMPARE(u8(app0, 13), 0);

    // Two 8-bit quantisation tables holding 1 everywhere.
    std::map<int, QByteArray> quant;
    for (const Segment& s : segments) {
        if (s.marker != 0xDB)
            continue;
        for (qsizetype at = 0; at < s.body.size(); at += 65) {
            QCOMPARE(u8(s.body, at) >> 4, 0); // 8-bit entries
            quant[u8(s.body, at) & 15] = s.body.mid(at + 1, 64);
        }
    }
    QCOMPARE(quant.size(), std::size_t(2));
    for (const auto& [id, table] : quant) {
        QVERIFY(id == 0 || id == 1);
        QCOMPARE(table, QByteArray(64, '\1'));
    }

    // Baseline frame: 8-bit, the image size, Y at 2×2 with table 0, Cb and Cr at 1×1 with table 1.
    const QByteArray frame = std::find_if(segments.begin(), segments.end(), [](const Segment& s) {
                                 return s.marker == 0xC0;
                             })->body;
    QCOMPARE(u8(frame, 0), 8);
    QCOMPARE(be16(frame, 1), size.height());
    QCOMPARE(be16(frame, 3), size.width());
    QCOMPARE(u8(frame, 5), 3);
    const int sampling[3] = {0x22, 0x11, 0x11}, table[3] = {0, 1, 1};
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(u8(frame, 6 + 3 * c), c + 1);
        QCOMPARE(u8(frame, 7 + 3 * c), sampling[c]);
        QCOMPARE(u8(frame, 8 + 3 * c), table[c]);
    }

    // The four typical Huffman tables: DC and AC for luminance (0) and chrominance (1).
    std::map<int, HuffmanTable> huffman;
    for (const Segment& s : segments) {
        if (s.marker != 0xC4)
            continue;
        for (qsizetype at = 0; at < s.body.size();) {
            HuffmanTable t;
            int total = 0;
            for (int i = 0; i < 16; ++i) {
                t.counts.push_back(u8(s.body, at + 1 + i));
                total += t.counts.back();
            }
            for (int i = 0; i < total; ++i)
                t.symbols.push_back(u8(s.body, at + 17 + i));
            huffman[u8(s.body, at)] = t;
            at += 17 + total;
        }
    }
    QCOMPARE(huffman.size(), std::size_t(4));
    QVERIFY(huffman[0x00] == standardTable(false, false));
    QVERIFY(huffman[0x10] == standardTable(true, false));
    QVERIFY(huffman[0x01] == standardTable(false, true));
    QVERIFY(huffman[0x11] == standardTable(true, true));

    // One sequential scan of all three components, luminance tables for Y.
    const QByteArray scan = segments[segments.size() - 2].body;
    QCOMPARE(scan.toHex(' '), QByteArray("03 01 00 02 11 03 11 00 3f 00"));
}

void TestAssets::gifFormat() {
    const QByteArray b = resource(QStringLiteral("start.gif"));
    QCOMPARE(b.left(6), QByteArray("GIF89a"));
    QCOMPARE(le16(b, 6), 239);
    QCOMPARE(le16(b, 8), 155);
    // Global colour table present, colour resolution 8 bits, not sorted, 256 entries.
    QCOMPARE(u8(b, 10), 0x80 | 7 << 4 | 7);
    QCOMPARE(u8(b, 11), 0); // background index
    const qsizetype table = 13;
    QCOMPARE(b.mid(table + 3 * 255, 3), QByteArray("\xFF\xFF\xFF"));

    qsizetype at = table + 3 * 256;
    int controls = 0, images = 0;
    while (at < b.size() && u8(b, at) != 0x3B) {
        if (u8(b, at) == 0x21) {
            // Only the graphic control extension: no disposal, delay 0, index 255 transparent.
            QCOMPARE(u8(b, at + 1), 0xF9);
            QCOMPARE(u8(b, at + 2), 4);
            QCOMPARE(u8(b, at + 3), 0x01);
            QCOMPARE(le16(b, at + 4), 0);
            QCOMPARE(u8(b, at + 6), 255);
            QCOMPARE(u8(b, at + 7), 0);
            ++controls;
            at += 8;
        } else {
            QCOMPARE(u8(b, at), 0x2C);
            QCOMPARE(controls, 1); // the control comes before the image it applies to
            QCOMPARE(le16(b, at + 1), 0);
            QCOMPARE(le16(b, at + 3), 0);
            QCOMPARE(le16(b, at + 5), 239);
            QCOMPARE(le16(b, at + 7), 155);
            QCOMPARE(u8(b, at + 9), 0x40); // interlaced, no local colour table
            QCOMPARE(u8(b, at + 10), 8);   // LZW minimum code size
            at += 11;
            while (at < b.size() && u8(b, at) != 0)
                at += 1 + u8(b, at);
            ++at;
            ++images;
        }
    }
    QCOMPARE(controls, 1);
    QCOMPARE(images, 1);
    QCOMPARE(at, b.size() - 1); // the trailer ends the file
}

void TestAssets::iconFormat() {
    const QByteArray b = resource(QStringLiteral("icon.ico"));
    QCOMPARE(b.size(), 8046);
    // Directory: one icon of 100 × 60, 256 colours, one plane, 8 bits, 8024 bytes at 22.
    QCOMPARE(le16(b, 0), 0);
    QCOMPARE(le16(b, 2), 1);
    QCOMPARE(le16(b, 4), 1);
    QCOMPARE(u8(b, 6), 100);
    QCOMPARE(u8(b, 7), 60);
    QCOMPARE(u8(b, 8), 0);
    QCOMPARE(u8(b, 9), 0);
    QCOMPARE(le16(b, 10), 1);
    QCOMPARE(le16(b, 12), 8);
    QCOMPARE(le32(b, 14), 8024);
    QCOMPARE(le32(b, 18), 22);
    // Bitmap header: the height counts colour and mask rows; uncompressed 8-bit.
    QCOMPARE(le32(b, 22), 40);
    QCOMPARE(le32(b, 26), 100);
    QCOMPARE(le32(b, 30), 120);
    QCOMPARE(le16(b, 34), 1);
    QCOMPARE(le16(b, 36), 8);
    QCOMPARE(le32(b, 38), 0);
    // After the palette (256 × 4) and the colour rows (60 × 100): the mask, 16 bytes a row,
    // columns 0–3 and 97–99 set.
    const qsizetype mask = 22 + 40 + 1024 + 6000;
    QCOMPARE(b.size() - mask, 60 * 16);
    for (int row = 0; row < 60; ++row)
        for (int x = 0; x < 128; ++x) {
            const bool set = u8(b, mask + row * 16 + x / 8) & (0x80 >> (x % 8));
            const bool transparent = x < 4 || (x >= 97 && x < 100);
            if (set != transparent)
                QFAIL(qPrintable(QStringLiteral("mask row %1 column %2").arg(row).arg(x)));
        }
}

void TestAssets::iconTransparency() {
    const QImage icon(QStringLiteral(":/assets/icon.ico"));
    QVERIFY(icon.hasAlphaChannel());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const bool transparent = x < 4 || x >= 97;
            if (qAlpha(icon.pixel(x, y)) != (transparent ? 0 : 255))
                QFAIL(qPrintable(QStringLiteral("alpha at %1,%2").arg(x).arg(y)));
        }
}

void TestAssets::colourAt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("tolerance");

    const QColor black(0, 0, 0), bg = drawingBackground, white(0xFF, 0xFF, 0xFF);
    constexpr int line = 70; // black or navy through compression noise
    constexpr int flat = 8;  // a flat area

    // Square: corners, side middles and the crossing of the diagonals; empty places.
    for (QPoint p :
         {QPoint(41, 21), QPoint(225, 21), QPoint(225, 205), QPoint(41, 205), QPoint(133, 21),
          QPoint(225, 113), QPoint(133, 205), QPoint(41, 113), QPoint(133, 113)})
        QTest::addRow("square line %d,%d", p.x(), p.y()) << "square.jpg" << p << black << line;
    for (QPoint p : {QPoint(133, 60), QPoint(90, 113), QPoint(180, 113), QPoint(133, 170),
                     QPoint(10, 160), QPoint(240, 110), QPoint(133, 212), QPoint(100, 5)})
        QTest::addRow("square empty %d,%d", p.x(), p.y()) << "square.jpg" << p << bg << flat;

    for (QPoint p :
         {QPoint(40, 17), QPoint(264, 17), QPoint(264, 161), QPoint(40, 161), QPoint(152, 17),
          QPoint(264, 89), QPoint(152, 161), QPoint(40, 89), QPoint(152, 89)})
        QTest::addRow("rectangle line %d,%d", p.x(), p.y())
            << "rectangle.jpg" << p << black << line;
    for (QPoint p : {QPoint(152, 40), QPoint(100, 89), QPoint(210, 89), QPoint(152, 140),
                     QPoint(100, 5), QPoint(272, 89), QPoint(210, 178)})
        QTest::addRow("rectangle empty %d,%d", p.x(), p.y()) << "rectangle.jpg" << p << bg << flat;

    // Rhombus: vertices, crossing, the two upper side middles (exact lattice points).
    for (QPoint p : {QPoint(96, 20), QPoint(176, 116), QPoint(96, 203), QPoint(16, 116),
                     QPoint(96, 116), QPoint(136, 68), QPoint(56, 68)})
        QTest::addRow("rhombus line %d,%d", p.x(), p.y()) << "rhombus.jpg" << p << black << line;
    for (QPoint p : {QPoint(130, 140), QPoint(60, 140), QPoint(130, 90), QPoint(40, 40),
                     QPoint(160, 190), QPoint(20, 200)})
        QTest::addRow("rhombus empty %d,%d", p.x(), p.y()) << "rhombus.jpg" << p << bg << flat;

    // Parallelogram: vertices, the foot of the height; empty places either side of the height.
    for (QPoint p :
         {QPoint(56, 20), QPoint(232, 20), QPoint(184, 116), QPoint(8, 116), QPoint(56, 116),
          QPoint(144, 20), QPoint(96, 116), QPoint(32, 68), QPoint(208, 68)})
        QTest::addRow("parallelogram line %d,%d", p.x(), p.y())
            << "parallelogram.jpg" << p << black << line;
    for (QPoint p : {QPoint(50, 40), QPoint(62, 40), QPoint(150, 60), QPoint(150, 100),
                     QPoint(20, 20), QPoint(240, 120), QPoint(120, 122)})
        QTest::addRow("parallelogram empty %d,%d", p.x(), p.y())
            << "parallelogram.jpg" << p << bg << flat;

    // Circle chart: mint inside, darker frame top and left, lighter right and bottom; cyan
    // marks where each circle's part lies, background where a misplaced mark would be.
    const QColor mint(0xC7, 0xE8, 0xE1), cyan(0x2C, 0xA8, 0xC4);
    const QColor frameDark(0x50, 0x64, 0x62), frameLight(0x72, 0x86, 0x84);
    QTest::newRow("circle background") << "circle.jpg" << QPoint(65, 100) << mint << flat;
    QTest::newRow("circle inside a circle") << "circle.jpg" << QPoint(101, 45) << mint << flat;
    QTest::newRow("circle frame top") << "circle.jpg" << QPoint(100, 0) << frameDark << 12;
    QTest::newRow("circle frame left") << "circle.jpg" << QPoint(0, 80) << frameDark << 12;
    QTest::newRow("circle frame right") << "circle.jpg" << QPoint(201, 80) << frameLight << 12;
    QTest::newRow("circle frame bottom") << "circle.jpg" << QPoint(100, 159) << frameLight << 12;
    QTest::newRow("circle diameter") << "circle.jpg" << QPoint(174, 40) << cyan << 40;
    QTest::newRow("circle diameter left end") << "circle.jpg" << QPoint(160, 40) << cyan << 40;
    QTest::newRow("circle radius") << "circle.jpg" << QPoint(40, 38) << cyan << 40;
    QTest::newRow("circle radius, not left") << "circle.jpg" << QPoint(20, 38) << mint << flat;
    QTest::newRow("circle perimeter ring") << "circle.jpg" << QPoint(77, 39) << cyan << 40;
    QTest::newRow("circle perimeter gap") << "circle.jpg" << QPoint(118, 22) << mint << flat;
    QTest::newRow("circle chord") << "circle.jpg" << QPoint(171, 130) << cyan << 40;
    QTest::newRow("circle chord, not centre") << "circle.jpg" << QPoint(171, 116) << mint << flat;
    QTest::newRow("circle arc") << "circle.jpg" << QPoint(88, 98) << cyan << 45;
    QTest::newRow("circle arc, not lower right")
        << "circle.jpg" << QPoint(112, 138) << mint << flat;
    QTest::newRow("circle sector") << "circle.jpg" << QPoint(18, 121) << cyan << 40;
    QTest::newRow("circle sector, not right") << "circle.jpg" << QPoint(38, 118) << mint << flat;

    // Triangle parts: pale green in the frame, grey column outside it, white triangle.
    const QColor paleGreen(0xE8, 0xF1, 0xD6);
    QTest::newRow("parts background")
        << "triangle-parts.jpg" << QPoint(40, 30) << paleGreen << flat;
    QTest::newRow("parts grey column")
        << "triangle-parts.jpg" << QPoint(0, 50) << QColor(0x80, 0x83, 0x78) << 12;
    for (QPoint p : {QPoint(1, 50), QPoint(100, 0), QPoint(216, 50), QPoint(100, 95)})
        QTest::addRow("parts frame %d,%d", p.x(), p.y())
            << "triangle-parts.jpg" << p << black << line;
    QTest::newRow("parts inside") << "triangle-parts.jpg" << QPoint(130, 60) << white << flat;
    for (QPoint p :
         {QPoint(18, 73), QPoint(160, 13), QPoint(160, 73), QPoint(89, 73), QPoint(160, 43)})
        QTest::addRow("parts side %d,%d", p.x(), p.y())
            << "triangle-parts.jpg" << p << black << line;

    // Triangle kinds: pale green, grey bottom row, a white inside for each of the six.
    const QColor paleGreen2(0xEA, 0xF3, 0xD8);
    QTest::newRow("kinds background")
        << "triangle-kinds.jpg" << QPoint(105, 130) << paleGreen2 << flat;
    QTest::newRow("kinds grey row")
        << "triangle-kinds.jpg" << QPoint(100, 265) << QColor(0x80, 0x81, 0x7C) << 12;
    QTest::newRow("kinds frame") << "triangle-kinds.jpg" << QPoint(100, 264) << black << line;
    for (QPoint p : {QPoint(48, 70), QPoint(158, 60), QPoint(59, 155), QPoint(160, 155),
                     QPoint(80, 230), QPoint(160, 232)})
        QTest::addRow("kinds inside %d,%d", p.x(), p.y())
            << "triangle-kinds.jpg" << p << white << flat;
    for (QPoint p : {QPoint(33, 27), QPoint(158, 10), QPoint(59, 113), QPoint(165, 114),
                     QPoint(95, 194), QPoint(196, 189), QPoint(167, 240), QPoint(22, 240)})
        QTest::addRow("kinds vertex %d,%d", p.x(), p.y())
            << "triangle-kinds.jpg" << p << black << line;
    QTest::newRow("kinds right-angle box")
        << "triangle-kinds.jpg" << QPoint(89, 234) << QColor(0xB8, 0xB8, 0xB8) << 20;

    // Start picture: the flat colours of its objects.
    QTest::newRow("start ball") << "start.gif" << QPoint(128, 112) << QColor(0xFA, 0x1A, 0x44) << 2;
    QTest::newRow("start ball shade")
        << "start.gif" << QPoint(100, 138) << QColor(0xAF, 0x04, 0x04) << 2;
    QTest::newRow("start cone lit")
        << "start.gif" << QPoint(92, 90) << QColor(0x2F, 0xA4, 0xE4) << 2;
    QTest::newRow("start cone shade")
        << "start.gif" << QPoint(71, 100) << QColor(0x04, 0x04, 0x64) << 2;
    QTest::newRow("start cube front")
        << "start.gif" << QPoint(40, 110) << QColor(0xFA, 0xEF, 0x7A) << 2;
    QTest::newRow("start cube top")
        << "start.gif" << QPoint(33, 82) << QColor(0xFA, 0xE4, 0x04) << 2;
    QTest::newRow("start cube side")
        << "start.gif" << QPoint(7, 110) << QColor(0xAF, 0x7A, 0x04) << 2;
    QTest::newRow("start graph area")
        << "start.gif" << QPoint(124, 58) << QColor(0xC4, 0xE4, 0xEF) << 2;
    QTest::newRow("start graph base")
        << "start.gif" << QPoint(165, 102) << QColor(0x04, 0xCF, 0x64) << 2;
    QTest::newRow("start compass bar")
        << "start.gif" << QPoint(174, 62) << QColor(0x04, 0x04, 0x04) << 2;
    QTest::newRow("start compass handle")
        << "start.gif" << QPoint(195, 3) << QColor(0x04, 0x04, 0x04) << 2;

    // Icon: the panel's grey where the clip art leaves it, its mid grey right edge.
    QTest::newRow("icon panel top") << "icon.ico" << QPoint(10, 0) << QColor(0xF3, 0xF3, 0xF3) << 2;
    QTest::newRow("icon panel bottom")
        << "icon.ico" << QPoint(90, 59) << QColor(0xE8, 0xE8, 0xE8) << 2;
    QTest::newRow("icon right edge")
        << "icon.ico" << QPoint(96, 30) << QColor(0xAA, 0xAA, 0xAA) << 2;
    QTest::newRow("icon ball") << "icon.ico" << QPoint(53, 45) << QColor(0xFA, 0x1A, 0x44) << 12;
}

void TestAssets::colourAt() {
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    QFETCH(int, tolerance);
    const QImage image(QStringLiteral(":/assets/") + file);
    QVERIFY(image.valid(at));
    const QRgb found = image.pixel(at);
    QVERIFY2(channelDistance(found, colour.rgb()) <= tolerance,
             qPrintable(QStringLiteral("found #%1, want %2")
                            .arg(found & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                            .arg(colour.name())));
}

void TestAssets::darkNear_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    // Lines through points that fall between pixels: a dark pixel within one pixel.
    QTest::newRow("rhombus lower right side") << "rhombus.jpg" << QPoint(136, 160);
    QTest::newRow("rhombus lower left side") << "rhombus.jpg" << QPoint(56, 160);
    QTest::newRow("parts hypotenuse") << "triangle-parts.jpg" << QPoint(89, 43);
    QTest::newRow("parts link above hypotenuse") << "triangle-parts.jpg" << QPoint(92, 30);
    QTest::newRow("parts link below base") << "triangle-parts.jpg" << QPoint(82, 80);
    QTest::newRow("parts link right of side") << "triangle-parts.jpg" << QPoint(175, 44);
    QTest::newRow("parts link to top vertex") << "triangle-parts.jpg" << QPoint(175, 13);
    QTest::newRow("parts link to corner") << "triangle-parts.jpg" << QPoint(175, 73);
    QTest::newRow("parts link up from left vertex") << "triangle-parts.jpg" << QPoint(18, 60);
    QTest::newRow("circle outline upper left") << "circle.jpg" << QPoint(11, 38);
    QTest::newRow("circle outline upper middle") << "circle.jpg" << QPoint(101, 21);
    QTest::newRow("circle outline upper right") << "circle.jpg" << QPoint(174, 59);
    QTest::newRow("circle outline lower left") << "circle.jpg" << QPoint(28, 100);
    QTest::newRow("circle outline lower middle") << "circle.jpg" << QPoint(119, 118);
    QTest::newRow("circle outline lower right") << "circle.jpg" << QPoint(171, 139);
    QTest::newRow("kinds scalene side") << "triangle-kinds.jpg" << QPoint(62, 56);
    QTest::newRow("kinds obtuse long side") << "triangle-kinds.jpg" << QPoint(154, 214);
}

void TestAssets::darkNear() {
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    const QImage image(QStringLiteral(":/assets/") + file);
    QVERIFY(!inkBounds(image, around(at, 1), isDark).isEmpty());
}

void TestAssets::dashes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("on");
    QTest::addColumn<int>("off");
    QTest::addColumn<bool>("startsWithDash");
    // Dash and gap lengths in pixel steps along the longer axis.
    QTest::newRow("square first diagonal")
        << "square.jpg" << QPoint(225, 21) << QPoint(41, 205) << 20 << 4 << false;
    QTest::newRow("square second diagonal")
        << "square.jpg" << QPoint(41, 21) << QPoint(225, 205) << 20 << 4 << false;
    QTest::newRow("rectangle first diagonal")
        << "rectangle.jpg" << QPoint(264, 17) << QPoint(40, 161) << 20 << 4 << false;
    QTest::newRow("rectangle second diagonal")
        << "rectangle.jpg" << QPoint(40, 17) << QPoint(264, 161) << 20 << 4 << false;
    // The rhombus's diagonals up to the crossing, clear of the letter م further right.
    QTest::newRow("rhombus first diagonal")
        << "rhombus.jpg" << QPoint(96, 20) << QPoint(96, 116) << 18 << 6 << true;
    QTest::newRow("rhombus second diagonal")
        << "rhombus.jpg" << QPoint(16, 116) << QPoint(96, 116) << 18 << 6 << true;
    // The height, above and below its word.
    QTest::newRow("parallelogram height, upper")
        << "parallelogram.jpg" << QPoint(56, 21) << QPoint(56, 58) << 3 << 3 << true;
    QTest::newRow("parallelogram height, lower")
        << "parallelogram.jpg" << QPoint(56, 76) << QPoint(56, 115) << 3 << 3 << false;
}

void TestAssets::dashes() {
    QFETCH(QString, file);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, on);
    QFETCH(int, off);
    QFETCH(bool, startsWithDash);
    const QImage image(QStringLiteral(":/assets/") + file);
    const std::vector<Run> r = runs(inkAlong(image, from, to));
    QVERIFY2(r.size() >= 5, "too few dashes");
    if (startsWithDash) {
        QVERIFY(r.front().inked);
        QVERIFY(std::abs(r.front().length - on) <= 1);
    }
    // Every dash and gap but the two cut by the ends.
    for (std::size_t i = 1; i + 1 < r.size(); ++i) {
        const int want = r[i].inked ? on : off;
        QVERIFY2(std::abs(r[i].length - want) <= 1,
                 qPrintable(QStringLiteral("%1 of %2 steps, run %3")
                                .arg(r[i].inked ? "dash" : "gap")
                                .arg(r[i].length)
                                .arg(i)));
    }
}

void TestAssets::labels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<QRect>("window");
    for (const Label& l : drawingLabels())
        QTest::newRow(l.tag) << l.file << l.centre << l.minSize << l.maxSize << l.window;
}

void TestAssets::labels() {
    QFETCH(QString, file);
    QFETCH(QPoint, centre);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);
    QFETCH(QRect, window);
    const QImage image(QStringLiteral(":/assets/") + file);
    const QRect ink = inkBounds(image, window, isMaroon);
    QVERIFY2(!ink.isEmpty(), "no maroon ink");
    const QString found = QStringLiteral("ink x %1..%2 y %3..%4")
                              .arg(ink.left())
                              .arg(ink.right())
                              .arg(ink.top())
                              .arg(ink.bottom());
    const QPoint c = middle(ink);
    QVERIFY2(std::abs(c.x() - centre.x()) <= 2 && std::abs(c.y() - centre.y()) <= 2,
             qPrintable(found));
    QVERIFY2(ink.width() >= minSize.width() && ink.width() <= maxSize.width(), qPrintable(found));
    QVERIFY2(ink.height() >= minSize.height() && ink.height() <= maxSize.height(),
             qPrintable(found));
}

void TestAssets::noStrayLetters_data() {
    QTest::addColumn<QString>("file");
    for (const char* f : {"square.jpg", "rectangle.jpg", "rhombus.jpg", "parallelogram.jpg"})
        QTest::newRow(f) << f;
}

void TestAssets::noStrayLetters() {
    QFETCH(QString, file);
    const QImage image(QStringLiteral(":/assets/") + file);
    std::vector<QRect> allowed;
    for (const Label& l : drawingLabels())
        if (file == QLatin1String(l.file))
            allowed.push_back(l.window);
    QVERIFY(!allowed.empty());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isMaroon(image.pixel(x, y)))
                continue;
            const bool placed = std::any_of(allowed.begin(), allowed.end(),
                                            [&](const QRect& r) { return r.contains(x, y); });
            if (!placed)
                QFAIL(qPrintable(QStringLiteral("maroon ink at %1,%2").arg(x).arg(y)));
        }
}

void TestAssets::startTransparency_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("transparent");
    for (QPoint p : {QPoint(0, 0), QPoint(238, 0), QPoint(0, 154), QPoint(238, 154), QPoint(20, 40),
                     QPoint(170, 140), QPoint(230, 120), QPoint(150, 20)})
        QTest::addRow("empty %d,%d", p.x(), p.y()) << p << true;
    for (QPoint p : {QPoint(122, 121), QPoint(83, 60), QPoint(40, 110), QPoint(125, 10),
                     QPoint(195, 62), QPoint(173, 125), QPoint(217, 125)})
        QTest::addRow("drawn %d,%d", p.x(), p.y()) << p << false;
}

void TestAssets::startTransparency() {
    QFETCH(QPoint, at);
    QFETCH(bool, transparent);
    const QImage image(QStringLiteral(":/assets/start.gif"));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(at)), transparent ? 0 : 255);
}

namespace {

QString larger(const QString& file, int scale) {
    return file.left(file.lastIndexOf(u'.')) + QStringLiteral("@%1x.png").arg(scale);
}

} // namespace

void TestAssets::largerDrawings_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    for (const char* f :
         {"icon.ico", "start.gif", "circle.jpg", "triangle-parts.jpg", "triangle-kinds.jpg",
          "square.jpg", "rectangle.jpg", "rhombus.jpg", "parallelogram.jpg"})
        for (int scale : {2, 3})
            QTest::addRow("%s@%dx", f, scale) << QString::fromLatin1(f) << scale;
}

void TestAssets::largerDrawings() {
    QFETCH(QString, file);
    QFETCH(int, scale);
    const QString path = QStringLiteral(":/assets/") + larger(file, scale);
    QCOMPARE(QImageReader(path).format(), QByteArray("png"));
    const QImage image(path);
    const QImage original(QStringLiteral(":/assets/") + file);
    QCOMPARE(image.size(), original.size() * scale);
    if (file == u"icon.ico"_qs) {
        // The columns the 1x icon masks are transparent, the panel opaque.
        for (int y = 0; y < image.height(); y += 7) {
            for (int x : {0, 4 * scale - 1, 97 * scale, 100 * scale - 1})
                QCOMPARE(qAlpha(image.pixel(x, y)), 0);
            for (int x : {4 * scale, 50 * scale, 97 * scale - 1})
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
        }
    } else if (file == u"start.gif"_qs) {
        QVERIFY(image.hasAlphaChannel());
        // Transparent where the 1x picture is, drawn where it is (away from the soft edges).
        for (int y = 2; y < original.height(); y += 9)
            for (int x = 2; x < original.width(); x += 9) {
                const QRect around(x - 1, y - 1, 3, 3);
                int alpha = 0;
                for (int yy = around.top(); yy <= around.bottom(); ++yy)
                    for (int xx = around.left(); xx <= around.right(); ++xx)
                        alpha += qAlpha(original.pixel(xx, yy)) ? 1 : 0;
                if (alpha == 0 || alpha == 9)
                    QCOMPARE(qAlpha(image.pixel(x * scale + scale / 2, y * scale + scale / 2)),
                             alpha ? 255 : 0);
            }
    } else {
        QVERIFY(!image.hasAlphaChannel());
    }
}

void TestAssets::largerLabels_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QSize>("minSize");
    QTest::addColumn<QSize>("maxSize");
    QTest::addColumn<QRect>("window");
    for (const Label& l : drawingLabels())
        for (int scale : {2, 3})
            QTest::addRow("%s @%dx", l.tag, scale)
                << l.file << scale << l.centre << l.minSize << l.maxSize << l.window;
}

// Each letter and word of the 1x drawing, at the scaled place and size.
void TestAssets::largerLabels() {
    QFETCH(QString, file);
    QFETCH(int, scale);
    QFETCH(QPoint, centre);
    QFETCH(QSize, minSize);
    QFETCH(QSize, maxSize);
    QFETCH(QRect, window);
    const QImage image(QStringLiteral(":/assets/") + larger(file, scale));
    const QRect scaledWindow(window.topLeft() * scale, window.size() * scale);
    const QRect ink = inkBounds(image, scaledWindow, isMaroon);
    QVERIFY2(!ink.isEmpty(), "no maroon ink");
    const QString found = QStringLiteral("ink x %1..%2 y %3..%4")
                              .arg(ink.left())
                              .arg(ink.right())
                              .arg(ink.top())
                              .arg(ink.bottom());
    const QPoint c = middle(ink);
    const QPoint want = centre * scale + QPoint(scale / 2, scale / 2);
    QVERIFY2(std::abs(c.x() - want.x()) <= 2 * scale && std::abs(c.y() - want.y()) <= 2 * scale,
             qPrintable(found));
    QVERIFY2(ink.width() >= (minSize.width() - 1) * scale &&
                 ink.width() <= (maxSize.width() + 1) * scale,
             qPrintable(found));
    QVERIFY2(ink.height() >= (minSize.height() - 1) * scale &&
                 ink.height() <= (maxSize.height() + 1) * scale,
             qPrintable(found));
}

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
