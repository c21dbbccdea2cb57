// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's look: its own fonts, used even where the machine has none, every caption of
// every window wholly inside its box at every scale setting, and frames whose caption is set
// into their top line.

#include "app/application.h"
#include "look/framestyle.h"
#include "look/look.h"
#include "numeric/runtimeerror.h"
#include "windows/contact.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextLayout>
#include <cmath>
#include <optional>
#include <qdrawutil.h>

class TestLook : public QObject {
    Q_OBJECT

    std::optional<app::Application> application; // builds every window the program has
    std::vector<QWidget*> windows;

    // Each glyph run of a text laid out in the application font: its font family and whether
    // any character fell back to the missing-glyph box.
    static QList<QGlyphRun> layOut(const QString& text) {
        QTextLayout layout(text, QApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        return layout.glyphRuns();
    }

    static QRect captionBox(QGroupBox* frame) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }

private slots:
    void initTestCase() {
        application.emplace();
        for (app::WindowId id : app::allWindowIds)
            windows.push_back(application->windows().show(id));
    }

    // The scale entries of CTest say what the screen must look like to the program, so a
    // setting that silently stopped working cannot pass for a clean one.
    void seesTheScaleSetting() {
        const QByteArray ratio = qgetenv("KOZMAT_EXPECT_RATIO"), dpi = qgetenv("KOZMAT_EXPECT_DPI");
        if (ratio.isEmpty() && dpi.isEmpty())
            QSKIP("no scale setting expected");
        const QScreen* screen = QApplication::primaryScreen();
        if (!ratio.isEmpty())
            QCOMPARE(windows.front()->devicePixelRatioF(), ratio.toDouble());
        if (!dpi.isEmpty())
            QCOMPARE(screen->logicalDotsPerInch(), dpi.toDouble());
    }

    void fontsAreTheProgramsOwn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::newRow("arabic") << u"كوزماط"_qs << u"Noto Sans Arabic UI"_qs;
        QTest::newRow("diacritics") << u"أضلاعًا"_qs << u"Noto Sans Arabic UI"_qs;
        QTest::newRow("arabic comma") << u"،"_qs << u"Noto Sans Arabic UI"_qs;
        QTest::newRow("latin") << u"kozmat@example.org (PI) 3,14159"_qs << u"Noto Sans"_qs;
        QTest::newRow("signs") << u"90° * / + - ="_qs << u"Noto Sans"_qs;
    }
    void fontsAreTheProgramsOwn() {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QCOMPARE(QApplication::font().pixelSize(), 10);
        const QList<QGlyphRun> runs = layOut(text);
        QVERIFY(!runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            QCOMPARE(run.rawFont().familyName(), family);
            QVERIFY(!run.glyphIndexes().contains(0)); // no missing-glyph box
        }
    }

    // Every text the program shows: each window's title and captions, the contact texts, the
    // error messages. Each drawn whole from the program's fonts, as the build cuts them down
    // (a character the cut lacks is a missing-glyph box where the system's fonts are hidden:
    // tst_look_without_fonts).
    void textsInOwnFonts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        const auto add = [](const QString& name, const QString& text, const QFont& font) {
            if (!text.trimmed().isEmpty())
                QTest::newRow(qPrintable(name)) << text << font;
        };
        for (QWidget* w : windows) {
            add(w->objectName() + u"/title"_qs, w->windowTitle(), QApplication::font());
            for (QWidget* c : w->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<QLabel*>(c);
                const auto* button = qobject_cast<QAbstractButton*>(c);
                const auto* frame = qobject_cast<QGroupBox*>(c);
                add(w->objectName() + u'/' + c->objectName(),
                    label    ? label->text()
                    : button ? button->text()
                    : frame  ? frame->title()
                             : u""_qs,
                    c->font());
            }
        }
        using windows::Contact;
        for (Contact contact : {Contact::Credit, Contact::Email, Contact::Website})
            add(u"contact %1"_qs.arg(int(contact)), windows::contactText(contact),
                QApplication::font());
        using numeric::RuntimeError;
        for (const RuntimeError& error : {RuntimeError::overflow(), RuntimeError::outOfMemory(),
                                          RuntimeError::divisionByZero(), RuntimeError::internal()})
            add(u"error %1"_qs.arg(error.number), error.message(), QApplication::font());
    }
    void textsInOwnFonts() {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        QVERIFY(!runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            const QString family = run.rawFont().familyName();
            QVERIFY2(family == u"Noto Sans Arabic UI" || family == u"Noto Sans",
                     qPrintable(family));
            QVERIFY(!run.glyphIndexes().contains(0)); // no missing-glyph box
        }
    }

    // Arabic letters take their joined forms: the same letter gives another glyph alone and
    // inside a word.
    // Every character a pupil can type on an Arabic or a Latin keyboard is drawn from the fonts
    // the program resolves (its own, then fallback), never as the missing-glyph box.
    void typedCharactersShow_data() {
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("base"); // each is typed after it: marks sit on a letter
        auto range = [](char32_t first, char32_t last) {
            QString s;
            for (char32_t c = first; c <= last; ++c)
                s += QString::fromUcs4(&c, 1);
            return s;
        };
        QTest::newRow("arabic letters")
            << range(0x0621, 0x063A) + range(0x0641, 0x064A) << QString();
        QTest::newRow("arabic diacritics") << range(0x064B, 0x0652) << u"ب"_qs;
        QTest::newRow("tatweel") << u"ـ"_qs << QString();
        QTest::newRow("arabic-indic digits") << range(0x0660, 0x0669) << QString();
        QTest::newRow("arabic separators") << u"٫ ، ؛ ؟"_qs << QString();
        QTest::newRow("ascii digits") << range('0', '9') << QString();
        QTest::newRow("latin letters") << range('A', 'Z') + range('a', 'z') << QString();
        QTest::newRow("ascii punctuation")
            << range('!', '/') + range(':', '@') + range('[', '`') + range('{', '~') << QString();
        QTest::newRow("keyboard signs") << u"° × ÷ « » § £ € µ ²"_qs << QString();
        QTest::newRow("french and german letters")
            << u"àâçéèêëîïôùûüÿœæäöß ÀÇÉÈÊÔÙÄÖÜ"_qs << QString();
    }
    void typedCharactersShow() {
        QFETCH(QString, characters);
        QFETCH(QString, base);
        for (QChar ch : characters) {
            if (ch == u' ')
                continue;
            const QString c(ch);
            const QList<QGlyphRun> runs = layOut(base + c);
            QVERIFY2(!runs.isEmpty(), qPrintable(c));
            for (const QGlyphRun& run : runs)
                QVERIFY2(!run.glyphIndexes().contains(0),
                         qPrintable(c + u" in "_qs + run.rawFont().familyName()));
        }
    }

    void arabicIsShaped() {
        const auto glyphs = [](const QString& text) { return layOut(text).front().glyphIndexes(); };
        const quint32 alone = glyphs(u"س"_qs).front();
        const auto word = glyphs(u"سهل"_qs);
        QCOMPARE(word.size(), 3);
        QVERIFY(!word.contains(alone));
    }

    void captionsFit_data() {
        QTest::addColumn<QWidget*>("control");
        for (QWidget* w : windows)
            for (QWidget* c : w->findChildren<QWidget*>())
                QTest::newRow(qPrintable(w->objectName() + u'/' + c->objectName())) << c;
    }
    void captionsFit() {
        QFETCH(QWidget*, control);
        const QFontMetrics metrics(control->font());
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const QRect box = label->contentsRect();
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                     int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width(),
                     qPrintable(QStringLiteral("needs %1 x %2 in %3 x %4")
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(box.width())
                                    .arg(box.height())));
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            // The room the style leaves for the caption: beside a radio button's circle, or
            // inside a push button's margins.
            const int room =
                qobject_cast<QRadioButton*>(button)
                    ? button->style()
                          ->subElementRect(QStyle::SE_RadioButtonContents, &option, button)
                          .width()
                    : button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            const int needed = metrics.horizontalAdvance(button->text());
            QVERIFY2(needed <= room,
                     qPrintable(QStringLiteral("needs %1 in %2").arg(needed).arg(room)));
            // The round indicator whole inside the button, no taller than a line of text.
            if (qobject_cast<QRadioButton*>(button)) {
                const QRect indicator = button->style()->subElementRect(
                    QStyle::SE_RadioButtonIndicator, &option, button);
                QVERIFY2(button->rect().contains(indicator) &&
                             indicator.height() <= metrics.height(),
                         qPrintable(QStringLiteral("indicator %1 x %2 at %3 in %4 x %5")
                                        .arg(indicator.width())
                                        .arg(indicator.height())
                                        .arg(indicator.y())
                                        .arg(button->width())
                                        .arg(button->height())));
            }
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            const QRect label = captionBox(frame);
            QVERIFY(metrics.horizontalAdvance(frame->title()) < label.width());
            QVERIFY(label.right() + look::FrameStyle::captionGap < frame->width() - 2);
        }
    }

    // The etched line (dark, with light below it) runs at the caption's middle row on both
    // sides of the caption, clear of it by the gap, and does not run under it.
    void framesCarryTheirCaption_data() {
        QTest::addColumn<QGroupBox*>("frame");
        for (QWidget* w : windows)
            for (QGroupBox* f : w->findChildren<QGroupBox*>())
                QTest::newRow(qPrintable(w->objectName() + u'/' + f->objectName())) << f;
    }
    void framesCarryTheirCaption() {
        QFETCH(QGroupBox*, frame);
        const QImage shot = frame->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        if (ratio != std::floor(ratio))
            QSKIP("lines fall between device pixels at a fractional ratio");
        const int r = int(ratio);
        const QRect label = captionBox(frame);
        QVERIFY(!frame->title().isEmpty());
        const int lineRow = label.top() + label.height() / 2;
        QVERIFY(lineRow > label.top() && lineRow < label.bottom());
        const QRgb dark = frame->palette().color(QPalette::Dark).rgb();
        const QRgb light = frame->palette().color(QPalette::Light).rgb();
        const QRgb face = frame->palette().color(QPalette::Window).rgb();
        // Device pixel of a logical pixel's top-left corner.
        const auto at = [&](int x, int y) { return shot.pixel(x * r, y * r); };
        // A control of the table may stand over the line (the triangle window's Label2 does).
        const auto covered = [&](int x) {
            for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child->geometry().contains(x, lineRow) ||
                    child->geometry().contains(x, lineRow + 1))
                    return true;
            return false;
        };
        const auto etched = [&](int x) {
            return covered(x) || (at(x, lineRow) == dark && at(x, lineRow + 1) == light);
        };
        const int gapLeft = label.left() - look::FrameStyle::captionGap;
        const int gapRight = label.right() + look::FrameStyle::captionGap;
        for (int x = 2; x < gapLeft; ++x)
            QVERIFY2(etched(x), qPrintable(QStringLiteral("no line at x %1").arg(x)));
        for (int x = gapRight + 1; x < frame->width() - 2; ++x)
            QVERIFY2(etched(x), qPrintable(QStringLiteral("no line at x %1").arg(x)));
        for (int x = gapLeft; x <= gapRight; ++x)
            QVERIFY2(!etched(x),
                     qPrintable(QStringLiteral("line under the caption at x %1").arg(x)));
        for (int x : {gapLeft, gapRight})
            QCOMPARE(at(x, lineRow), face);
        // The caption itself is drawn there.
        bool inked = false;
        for (int y = label.top(); y <= label.bottom() && !inked; ++y)
            for (int x = label.left(); x <= label.right() && !inked; ++x)
                inked = at(x, y) != face;
        QVERIFY(inked);
    }

    // Filled rather than stroked, the etched border has Qt's own etched pixels, clipped round
    // the caption's gap wherever it falls.
    void etchedFrameAsQtDrawsIt_data() {
        QTest::addColumn<QRect>("gap");
        QTest::newRow("caption inside") << QRect(30, 2, 40, 12);
        QTest::newRow("caption over the corner") << QRect(0, 2, 20, 12);
        QTest::newRow("no caption") << QRect();
    }
    void etchedFrameAsQtDrawsIt() {
        QFETCH(QRect, gap);
        const QRect frame(3, 6, 120, 60);
        const QPalette palette = QApplication::style()->standardPalette();
        QImage qt(130, 70, QImage::Format_RGB32), mine(qt.size(), qt.format());
        qt.fill(Qt::white);
        mine.fill(Qt::white);
        QPainter painter(&qt);
        painter.setClipRegion(QRegion(frame) - gap);
        qDrawShadeRect(&painter, frame, palette, true, 1, 0);
        painter.end();
        painter.begin(&mine);
        look::drawEtchedFrame(&painter, frame, gap, palette);
        painter.end();
        QCOMPARE(mine, qt);
    }

    // Another proxy style may be put over the frames' (focus drawing is): the frames stay the
    // same, down to the pixel.
    void framesUnderAnotherStyle() {
        QWidget* start = windows.front();
        auto* frame = start->findChild<QGroupBox*>(u"Frame2"_qs);
        QVERIFY(frame);
        QProxyStyle outer(new look::FrameStyle(QStyleFactory::create(u"Fusion"_qs)));
        QGroupBox copy(frame->title());
        copy.setStyle(&outer);
        copy.setAutoFillBackground(true);
        copy.setPalette(frame->palette());
        copy.setFont(frame->font());
        copy.resize(frame->size());
        const QRect label = captionBox(frame);
        QCOMPARE(captionBox(&copy), label);
        // The caption band, above the frame's first control.
        const QRect band(0, 0, frame->width(), label.bottom() + 3);
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY(!child->geometry().intersects(band));
        const QImage mine = copy.grab().toImage(), program = frame->grab().toImage();
        QCOMPARE(mine.copy(band), program.copy(band));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
