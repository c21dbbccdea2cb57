// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The focus mark of an option button is plainly visible and leaves the circle and the caption's
// letters whole, at every scale setting CTest runs it under.

#include "app/application.h"
#include "windows/create.h"

#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

class TestFocusMark : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;

    static QImage image(QWidget* w) {
        return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() {
        app::prepareApplication();
        window.reset(windows::createWindow(windows::WindowId::Start));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void optionMark_data() {
        QTest::addColumn<QString>("option");
        for (const char* name : {"Option1", "Option2", "Option3", "Option4"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void optionMark() {
        QFETCH(QString, option);
        auto* button = window->findChild<QRadioButton*>(option);
        QVERIFY(button);
        window->findChild<QWidget*>(u"Text1"_qs)->setFocus();
        const QImage without = image(button);
        button->setFocus();
        QVERIFY(button->hasFocus());
        const QImage with = image(button);
        QCOMPARE(with.size(), without.size());

        QStyleOptionButton styleOption;
        styleOption.initFrom(button);
        const qreal ratio = with.devicePixelRatio();
        const auto inImage = [ratio](const QRect& r) {
            return QRect((QRectF(r).topLeft() * ratio).toPoint(),
                         (QSizeF(r.size()) * ratio).toSize());
        };
        const QRect circle = inImage(
            button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, button));
        int changed = 0, circleChanged = 0, letterLost = 0;
        const QRgb text = button->palette().color(QPalette::WindowText).rgb();
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) {
                const QRgb a = without.pixel(x, y), b = with.pixel(x, y);
                if (a == b)
                    continue;
                ++changed;
                circleChanged += circle.contains(x, y);
                // A dark pixel of a letter that the mark painted over in another colour.
                letterLost += qGray(a) < 96 && b != text && qGray(b) >= qGray(a) + 64;
            }
        // Plainly visible: a frame round the caption, not a pixel or two.
        QVERIFY2(changed >= button->width() * ratio, qPrintable(QString::number(changed)));
        QCOMPARE(circleChanged, 0);
        QCOMPARE(letterLost, 0);
    }
};

QTEST_MAIN(TestFocusMark)
#include "tst_focusmark.moc"
