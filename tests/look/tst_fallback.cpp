// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The fonts text is drawn from, started as the program starts: up to the welcome box only the
// program's own, which hold every character of an Arabic and a Latin keyboard; from the start
// window on the system's as well, for a character the program's fonts lack.

#include "app/application.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLineEdit>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QWindow>
#include <optional>

namespace {

const QStringList ownFamilies = {u"Noto Sans"_qs, u"Noto Sans Arabic UI"_qs};

// The font families the toolkit lists, without the generic names it always adds.
QStringList listedFamilies() {
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString& family) {
        return family == u"Sans Serif" || family == u"Serif" || family == u"Monospace";
    });
    families.sort();
    return families;
}

QList<QGlyphRun> layOut(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

// The families the text is drawn from, or an empty list when a character falls to the
// missing-glyph box.
QStringList drawnFrom(const QString& text, const QFont& font) {
    QStringList families;
    const QList<QGlyphRun> runs = layOut(text, font);
    if (runs.isEmpty())
        return {};
    for (const QGlyphRun& run : runs) {
        // Where no font has a character, the toolkit draws it with a font of boxes that has
        // no character map (and no family name).
        const QRawFont font = run.rawFont();
        if (!font.isValid() || font.fontTable("cmap").isEmpty() || run.glyphIndexes().contains(0))
            return {};
        families << font.familyName();
    }
    return families;
}

QString range(char32_t first, char32_t last) {
    QString s;
    for (char32_t c = first; c <= last; ++c)
        s += QString::fromUcs4(&c, 1);
    return s;
}

// Letters of scripts neither of the program's fonts has, and the font of fonts-noto-core that
// has them (the test packages install it).
void foreignLetters() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("systemFont");
    const QString noto = u"/usr/share/fonts/truetype/noto/"_qs;
    QTest::newRow("hebrew alef") << u"\u05D0"_qs << noto + u"NotoSansHebrew-Regular.ttf"_qs;
    QTest::newRow("hebrew word") << u"\u05E9\u05DC\u05D5\u05DD"_qs
                                 << noto + u"NotoSansHebrew-Regular.ttf"_qs;
    QTest::newRow("devanagari ka") << u"\u0915"_qs << noto + u"NotoSansDevanagari-Regular.ttf"_qs;
    QTest::newRow("devanagari conjunct")
        << u"\u0915\u094D\u0937"_qs << noto + u"NotoSansDevanagari-Regular.ttf"_qs;
}

} // namespace

class TestFallback : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;
    QLineEdit* box = nullptr; // of the start window
    bool welcomeDrawnOnOwnFonts = false;

private slots:
    void initTestCase() { application.emplace(); }

    // Before the welcome box the toolkit knows the program's fonts and nothing else.
    void onlyOwnFontsBeforeWelcome() { QCOMPARE(listedFamilies(), ownFamilies); }

    void keyboardCharactersBeforeWelcome_data() {
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("base"); // each is typed after it: marks sit on a letter
        QTest::newRow("arabic letters")
            << range(0x0621, 0x063A) + range(0x0641, 0x064A) << QString();
        QTest::newRow("arabic lam-alef") << u"لا لأ لإ لآ"_qs << QString();
        QTest::newRow("arabic diacritics") << range(0x064B, 0x0652) << u"ب"_qs;
        QTest::newRow("tatweel") << u"ـ"_qs << QString();
        QTest::newRow("arabic-indic digits") << range(0x0660, 0x0669) << QString();
        QTest::newRow("arabic punctuation") << u"٫٬، ؛ ؟ ﴾﴿"_qs << QString();
        QTest::newRow("ascii digits") << range('0', '9') << QString();
        QTest::newRow("latin letters") << range('A', 'Z') + range('a', 'z') << QString();
        QTest::newRow("ascii punctuation")
            << range('!', '/') + range(':', '@') + range('[', '`') + range('{', '~') << QString();
        QTest::newRow("keyboard signs") << u"° × ÷ « » § £ € µ ² ¤ ¨"_qs << QString();
        QTest::newRow("french and german letters")
            << u"àâçéèêëîïôùûüÿœæäöß ÀÇÉÈÊÔÙÄÖÜ"_qs << QString();
    }
    // Each drawn whole from the program's own fonts, in the welcome box's configuration.
    void keyboardCharactersBeforeWelcome() {
        QFETCH(QString, characters);
        QFETCH(QString, base);
        for (QChar ch : characters) {
            if (ch == u' ')
                continue;
            const QStringList families = drawnFrom(base + ch, QApplication::font());
            QVERIFY2(!families.isEmpty(), qPrintable(QString(ch)));
            for (const QString& family : families)
                QVERIFY2(ownFamilies.contains(family),
                         qPrintable(QString(ch) + u" in "_qs + family));
        }
    }

    // Without the system's fonts these show as the missing-glyph box: the configuration is
    // really the program's own (and the letters below really need the system's fonts).
    void foreignLettersBeforeWelcome_data() { foreignLetters(); }
    void foreignLettersBeforeWelcome() {
        QFETCH(QString, letter);
        QVERIFY(drawnFrom(letter, QApplication::font()).isEmpty());
    }

    // The program's start-up: the welcome box, answered once the start window is prepared
    // behind it, then the start window.
    void startUp() {
        QTimer answer;
        answer.setInterval(1);
        connect(&answer, &QTimer::timeout, this, [this, &answer] {
            QWidget* welcome = QApplication::activeModalWidget();
            if (!welcome || !welcome->windowHandle() || !welcome->windowHandle()->isExposed())
                return;
            if (!application->windows().prepared(app::WindowId::Start)) {
                // The box is drawn: so far only the program's fonts are listed.
                welcomeDrawnOnOwnFonts = listedFamilies() == ownFamilies;
                return;
            }
            answer.stop();
            QTest::keyClick(welcome, Qt::Key_Return);
        });
        answer.start();
        application->start();
        QWidget* start = application->windows().window(app::WindowId::Start);
        QVERIFY(start && start->isVisible());
        QVERIFY(welcomeDrawnOnOwnFonts);
        box = start->findChild<QLineEdit*>(u"Text1"_qs);
        QVERIFY(box);
    }

    // Once the start window is drawn the system's fonts are there too, and the program's are
    // still the ones its text is drawn from.
    void ownFontsAfterWelcome() {
        QVERIFY(box);
        QTRY_VERIFY(listedFamilies().size() > ownFamilies.size());
        QCOMPARE(drawnFrom(u"كوزماط"_qs, box->font()), QStringList{u"Noto Sans Arabic UI"_qs});
        QCOMPARE(drawnFrom(u"kozmat"_qs, box->font()), QStringList{u"Noto Sans"_qs});
    }

    // Typed into a box of the start window, a letter neither of the program's fonts has is drawn
    // from a system font that has it, unless the user's font configuration hides every such
    // font (KOZMAT_USER_HIDES_HEBREW: CTest gives a configuration that does).
    void foreignLettersInStartWindow_data() { foreignLetters(); }
    void foreignLettersInStartWindow() {
        QFETCH(QString, letter);
        QFETCH(QString, systemFont);
        if (!QFile::exists(systemFont))
            QSKIP("the machine has no font for this letter");
        QVERIFY(box);
        box->clear();
        box->setFocus();
        // As a keyboard of that script types them: key events that carry the text.
        for (QChar ch : letter)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(box->text(), letter);
        const QStringList families = drawnFrom(box->text(), box->font());
        const bool hidden = qEnvironmentVariableIsSet("KOZMAT_USER_HIDES_HEBREW") &&
                            QByteArray(QTest::currentDataTag()).startsWith("hebrew");
        if (hidden) {
            QVERIFY2(families.isEmpty(), qPrintable(families.join(u", ")));
            return;
        }
        QVERIFY2(!families.isEmpty(), "a missing-glyph box");
        for (const QString& family : families)
            QVERIFY2(!ownFamilies.contains(family), qPrintable(family));
    }
};

int main(int argc, char* argv[]) {
    // As the program starts: the program's own fonts before the application object.
    platform::startOnOwnFonts();
    QApplication qapp(argc, argv);
    TestFallback test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fallback.moc"
