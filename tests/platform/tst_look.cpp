// The program's look: its own fonts, used even where the machine has none, and every caption
// of every window wholly inside its box.

#include "app/application.h"
#include "platform/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <optional>

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

private slots:
    void initTestCase() {
        application.emplace();
        for (app::WindowId id : app::allWindowIds)
            windows.push_back(application->windows().show(id));
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
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            QVERIFY(metrics.horizontalAdvance(frame->title()) < frame->width());
        }
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
