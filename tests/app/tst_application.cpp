// The life of the program: welcome before any window, one window per slot, exit with farewell,
// and errors that leave the program running.

#include "app/application.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

struct Message {
    QString prompt, title;
    int style;
    int visibleWindows; // when it was shown
};

int visibleWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible();
    return n;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;
    std::vector<Message> messages;

    QWidget* start() { return application->windows().window(app::WindowId::Start); }
    template <class T> T* get(const char* name) { return start()->findChild<T*>(name); }

private slots:
    void initTestCase() {
        platform::setMessageHook([this](const QString& prompt, const QString& title, int style) {
            messages.push_back({prompt, title, style, visibleWindows()});
        });
    }
    void init() {
        messages.clear();
        application.emplace();
        application->start();
    }
    void cleanup() {
        application.reset();
        settle();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void welcomeComesBeforeAnyWindow() {
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"أهلا و سهلا بكم في كوزماط الإصدار الأول");
        QCOMPARE(messages[0].title, u"ترحيب");
        QCOMPARE(messages[0].style, 4096);
        QCOMPARE(messages[0].visibleWindows, 0);
        QVERIFY(start());
        QVERIFY(start()->isVisible());
        QCOMPARE(start()->objectName(), u"البداية");
        QCOMPARE(visibleWindows(), 1);
    }

    void oneWindowPerSlot() {
        QWidget* first = start();
        QCOMPARE(application->windows().show(app::WindowId::Start), first);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void closedWindowIsBuiltAnewWithItsInitialContents() {
        get<QLineEdit>("Text1")->setText(u"42"_qs);
        QTest::mouseClick(get<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(start()->close());
        settle();
        QVERIFY(!start());
        QCOMPARE(visibleWindows(), 0);

        QWidget* again = application->windows().show(app::WindowId::Start);
        QVERIFY(again && again->isVisible());
        QVERIFY(get<QLineEdit>("Text1")->text().isEmpty());
        QCOMPARE(get<QLabel>("Label4")->text(), u"أتمنى أن ينال البرنامج إعجابكم");
    }

    void exitSaysGoodbyeAndEnds() {
        int status = -1;
        QTimer::singleShot(
            0, this, [&] { QTest::mouseClick(get<QPushButton>("Command10"), Qt::LeftButton); });
        status = QApplication::exec();
        QCOMPARE(status, 0);
        QCOMPARE(messages.size(), size_t(2));
        QCOMPARE(messages[1].prompt, u"مع السلامة");
        QCOMPARE(messages[1].title, u"توديع");
        QCOMPARE(messages[1].style, 0);
        // Shown while the windows are still there, then every window is gone at once.
        QCOMPARE(messages[1].visibleWindows, 1);
        QCOMPARE(visibleWindows(), 0);
    }

    void anErrorLeavesTheProgramRunning() {
        get<QLineEdit>("Text1")->setText(u"5"_qs);
        get<QLineEdit>("Text2")->setText(u"0"_qs);
        QTest::mouseClick(get<QRadioButton>("Option4"), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>("Command11"), Qt::LeftButton);
        QCOMPARE(messages.size(), size_t(2));
        QCOMPARE(messages[1].prompt, u"خطأ 11: القسمة على صفر");
        QCOMPARE(messages[1].title, u"كوزماط");
        QVERIFY(start()->isVisible());
        QCOMPARE(get<QLineEdit>("Text1")->text(), u"5");
        QCOMPARE(get<QLineEdit>("Text2")->text(), u"0");

        get<QLineEdit>("Text2")->setText(u"2"_qs);
        QTest::mouseClick(get<QPushButton>("Command11"), Qt::LeftButton);
        QCOMPARE(get<QLabel>("Label1")->text(), u"2.5");
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
