// Each picture box shows its picture: unscaled from the top-left of its inner area, cut off at
// its border, with the box's background where the picture is transparent or ends; and every
// window carries the common icon.

#include "app/application.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <optional>

class TestPictureBoxes : public QObject {
    Q_OBJECT

    std::optional<app::Application> application; // builds every window the program has
    std::map<QString, QWidget*> windows;

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
        auto* label = windows.at(window)->findChild<QLabel*>(box);
        QVERIFY(label);
        const QImage expected(u":/assets/"_qs + picture);
        QVERIFY(!expected.isNull());
        const QImage grabbed = label->grab().toImage();
        const QRect inner = label->contentsRect();
        QCOMPARE(inner.topLeft(), QPoint(2, 2)); // inside the 2-pixel sunken border
        const QRgb face = QApplication::palette().color(QPalette::Button).rgb();

        // Every pixel of the inner area: the picture where it reaches, else the background.
        for (int y = 0; y < inner.height(); ++y) {
            for (int x = 0; x < inner.width(); ++x) {
                const bool onPicture = x < shown.width() && y < shown.height();
                QRgb want = face;
                if (onPicture && qAlpha(expected.pixel(x, y)) == 255)
                    want = expected.pixel(x, y);
                const QRgb got = grabbed.pixel(inner.x() + x, inner.y() + y);
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
        for (int x = 0; x < grabbed.width(); ++x)
            for (int y : {0, 1, grabbed.height() - 2, grabbed.height() - 1})
                QCOMPARE(grabbed.pixel(x, y), border.pixel(x, y));
        for (int y = 0; y < grabbed.height(); ++y)
            for (int x : {0, 1, grabbed.width() - 2, grabbed.width() - 1})
                QCOMPARE(grabbed.pixel(x, y), border.pixel(x, y));
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
