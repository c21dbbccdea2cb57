// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Each picture box shows its picture: unscaled from the top-left of its inner area, cut off at
// its border, with the box's background where the picture is transparent or ends, drawn for the
// screen's pixel ratio (run again by CTest at ratios 2 and 3); a focused box shows a focus
// frame; and every window carries the common icon.

#include "app/application.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <optional>

class TestPictureBoxes : public QObject {
    Q_OBJECT

    std::optional<app::Application> application; // builds every window the program has
    std::map<QString, QWidget*> windows;

    // The ratio CTest set (QT_SCALE_FACTOR), checked against what the boxes see.
    int pictureRatio() const {
        const int r = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR")
                          : 1;
        const QWidget* w = windows.begin()->second;
        return qFuzzyCompare(w->devicePixelRatioF(), qreal(r)) ? r : -1;
    }

private slots:
    void initTestCase() {
        application.emplace();
        for (app::WindowId id : app::allWindowIds) {
            QWidget* w = application->windows().show(id);
            windows[w->objectName()] = w;
        }
    }

    void pictures_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("shown"); // what fits in the inner area
        QTest::newRow("start") << u"البداية"_qs << "Picture1"
                               << "start.gif" << QSize(239, 155);
        QTest::newRow("square") << u"المربع"_qs << "Picture1"
                                << "square.jpg" << QSize(248, 215);
        QTest::newRow("rectangle") << u"المستطيل"_qs << "Picture1"
                                   << "rectangle.jpg" << QSize(279, 186);
        QTest::newRow("rhombus") << u"المعين"_qs << "Picture1"
                                 << "rhombus.jpg" << QSize(193, 217);
        QTest::newRow("parallelogram") << "Form1"
                                       << "Picture1"
                                       << "parallelogram.jpg" << QSize(265, 138);
        QTest::newRow("circle, cut right and below") << "Form2"
                                                     << "Picture1"
                                                     << "circle.jpg" << QSize(197, 157);
        QTest::newRow("triangle parts, cut right") << "Form3"
                                                   << "Picture1"
                                                   << "triangle-parts.jpg" << QSize(213, 96);
        QTest::newRow("triangle kinds, cut below") << "Form3"
                                                   << "Picture2"
                                                   << "triangle-kinds.jpg" << QSize(218, 261);
    }
    void pictures() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, picture);
        QFETCH(QSize, shown);
        QVERIFY(pictureRatio() > 0);
        auto* label = windows.at(window)->findChild<QLabel*>(box);
        QVERIFY(label);
        label->clearFocus(); // the focus frame has a test of its own
        const int r = pictureRatio();
        const QImage original(u":/assets/"_qs + picture);
        const QImage expected(widgets::picturePath(picture, r));
        QVERIFY(!expected.isNull());
        // The larger drawing itself, not the 1x one enlarged.
        QCOMPARE(expected.size(), original.size() * r);
        QCOMPARE(label->pixmap().devicePixelRatio(), qreal(r));
        const QImage grabbed = label->grab().toImage();
        QCOMPARE(grabbed.size(), label->size() * r);
        const QRect inner(label->contentsRect().topLeft() * r, label->contentsRect().size() * r);
        QCOMPARE(label->contentsRect().topLeft(), QPoint(2, 2)); // inside the 2-pixel border
        const QRgb face = QApplication::palette().color(QPalette::Button).rgb();
        shown *= r;

        // Every pixel of the inner area: the picture where it reaches, else the background.
        for (int y = 0; y < inner.height(); ++y) {
            for (int x = 0; x < inner.width(); ++x) {
                const bool onPicture = x < shown.width() && y < shown.height();
                QRgb want = face;
                if (onPicture && qAlpha(expected.pixel(x, y)) == 255)
                    want = expected.pixel(x, y);
                const QRgb got = grabbed.pixel(inner.x() + x, inner.y() + y);
                // Where a larger drawing's soft edge lets the background through, it is blended.
                if (onPicture && r > 1 && qAlpha(expected.pixel(x, y)) != 255 &&
                    qAlpha(expected.pixel(x, y)) != 0)
                    continue;
                if (got != want)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(got, 8, 16)
                                         .arg(want, 8, 16)));
            }
        }

        // The border stays the border: compare it with an empty box of the same kind.
        QLabel empty;
        empty.setFrameStyle(label->frameStyle());
        empty.setLineWidth(label->lineWidth());
        empty.setAutoFillBackground(true);
        empty.setPalette(label->palette());
        empty.resize(label->size());
        const QImage border = empty.grab().toImage();
        QCOMPARE(border.size(), grabbed.size());
        for (int x = 0; x < grabbed.width(); ++x)
            for (int d = 0; d < 2 * r; ++d)
                for (int y : {d, grabbed.height() - 1 - d})
                    QCOMPARE(grabbed.pixel(x, y), border.pixel(x, y));
        for (int y = 0; y < grabbed.height(); ++y)
            for (int d = 0; d < 2 * r; ++d)
                for (int x : {d, grabbed.width() - 1 - d})
                    QCOMPARE(grabbed.pixel(x, y), border.pixel(x, y));
    }

    // The box with the keyboard focus: a frame two pixels wide in the highlight colour just
    // inside the border, the rest of the picture as without focus.
    void focusFrame_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::newRow("start") << u"البداية"_qs << "Picture1";
        QTest::newRow("triangle kinds") << "Form3"
                                        << "Picture2";
    }
    void focusFrame() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QWidget* w = windows.at(window);
        auto* label = w->findChild<QLabel*>(box);
        label->clearFocus();
        const QImage plain = label->grab().toImage();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        label->setFocus();
        QVERIFY(label->hasFocus());
        const QImage focused = label->grab().toImage();
        const int r = pictureRatio();
        const QRect inner(label->contentsRect().topLeft() * r, label->contentsRect().size() * r);
        const QRect within = inner.adjusted(2 * r, 2 * r, -2 * r, -2 * r);
        const QRgb highlight = label->palette().color(QPalette::Highlight).rgb();
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                const bool onFrame = inner.contains(x, y) && !within.contains(x, y);
                const QRgb want = onFrame ? highlight : plain.pixel(x, y);
                if (focused.pixel(x, y) != want)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
        label->clearFocus();
    }

    void ratioRoundsUp_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 2;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2") << 2.0 << 2;
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("4") << 4.0 << 3;
    }
    void ratioRoundsUp() {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        QCOMPARE(widgets::pictureScale(ratio), scale);
    }

    void everyWindowHasTheIcon_data() {
        QTest::addColumn<QString>("window");
        for (const auto& [name, w] : windows)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowHasTheIcon() {
        QFETCH(QString, window);
        const QIcon icon = windows.at(window)->windowIcon();
        QVERIFY(!icon.isNull());
        const QImage expected(u":/assets/icon.ico"_qs);
        const QImage shown =
            icon.pixmap(expected.size()).toImage().convertToFormat(expected.format());
        QCOMPARE(shown, expected);
        // The masked columns stay transparent, the panel opaque.
        for (int y = 0; y < shown.height(); y += 7) {
            for (int x : {0, 3, 97, 99})
                QCOMPARE(qAlpha(shown.pixel(x, y)), 0);
            for (int x : {4, 50, 96})
                QCOMPARE(qAlpha(shown.pixel(x, y)), 255);
        }
    }
};

QTEST_MAIN(TestPictureBoxes)
#include "tst_pictureboxes.moc"
