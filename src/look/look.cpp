// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look/look.h"

#include "look/focusstyle.h"
#include "look/framestyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <utility>

namespace look {
namespace {

// The layouts were made for a font of about 8 points (10.7 pixels at 96 dots per inch): at 10
// pixels every caption fits its box, at 12 some twenty formulas and definitions lose words.
constexpr int fontPixelSize = 10;

const QString latinFont = QStringLiteral(":/fonts/latin.ttf");
const QString arabicFont = QStringLiteral(":/fonts/arabic.ttf");
bool installed = false;

// Registers an embedded font in place (the resource is stored uncompressed, so no copy is
// made) and returns its id.
int addFont(const QString& path) {
    const QResource resource(path);
    Q_ASSERT(resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression);
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                    static_cast<qsizetype>(resource.size()));
    return QFontDatabase::addApplicationFontFromData(data);
}

// Registers an embedded font and returns its family name.
QString registerFont(const QString& path) {
    return QFontDatabase::applicationFontFamilies(addFont(path)).value(0);
}

// The icon of the windows and message boxes, read and decoded when the first of them shows.
const QIcon& windowIcon() {
    static const QIcon icon = [] {
        QIcon sizes(QStringLiteral(":/assets/icon.ico"));
        sizes.addFile(QStringLiteral(":/assets/icon@2x.png"));
        sizes.addFile(QStringLiteral(":/assets/icon@3x.png"));
        return sizes;
    }();
    return icon;
}

void fillWithButtonFace(QWidget* widget, const QColor& face) {
    widget->setAutoFillBackground(true);
    // A palette of its own comes from the form, which sets one only for a back colour.
    if (widget->testAttribute(Qt::WA_SetPalette))
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, face);
    widget->setPalette(palette);
}

} // namespace

void installLook() {
    if (std::exchange(installed, true))
        return;
    const QString latin = registerFont(latinFont);
    const QString arabic = registerFont(arabicFont);

    // The text is set in pixels, so the style's measures stay as at 96 dots per inch whatever
    // the font resolution: else a radio button's circle outgrows its caption's line.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication::setStyle(
        new FocusStyle(new FrameStyle(QStyleFactory::create(QStringLiteral("Fusion")))));
    QApplication::setPalette(QApplication::style()->standardPalette());

    QFont font;
    font.setFamilies({latin, arabic});
    font.setPixelSize(fontPixelSize);
    font.setWeight(QFont::Normal);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
}

void refreshFonts() {
    if (!installed)
        return;
    // Each change of the registered fonts empties the toolkit's font list; it is listed again,
    // the system's fonts with it, only once a font is next looked up: after both are back.
    QFontDatabase::removeAllApplicationFonts();
    addFont(latinFont);
    addFont(arabicFont);
}

void prepareWindow(QWidget* window, QWidget* firstTabStop) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    fillWithButtonFace(window, face);
    window->setWindowIcon(windowIcon());
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child))
            fillWithButtonFace(child, face);
    }
    // Without this a window would start at its first-created control.
    firstTabStop->setFocus();
}

const QIcon& programIcon() {
    return windowIcon();
}

} // namespace look
