#include "windows/boxes.h"

#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "platform/announce.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace windows {
namespace {

QString shown(double value) {
    const QString point = QLocale::system().decimalPoint();
    return numeric::resultText(value, point.isEmpty() ? QChar(u'.') : point.front());
}

// A screen reader hears what the new text is as well as the text.
void announceResult(QWidget* control, const QString& text) {
    platform::announce(control, QStringLiteral("النتيجة %1").arg(text));
}

} // namespace

double readNumber(const QLineEdit* box) {
    return numeric::numberEntry(box->text());
}

void writeResult(QLineEdit* box, double value) {
    box->setText(shown(value));
    announceResult(box, box->text());
}

void writeResult(QLabel* label, double value) {
    label->setText(shown(value));
    announceResult(label, label->text());
}

} // namespace windows
