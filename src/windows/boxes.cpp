#include "windows/boxes.h"

#include "numeric/numberentry.h"
#include "numeric/resulttext.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace windows {
namespace {

QString shown(double value) {
    const QString point = QLocale::system().decimalPoint();
    return numeric::resultText(value, point.isEmpty() ? QChar(u'.') : point.front());
}

} // namespace

double readNumber(const QLineEdit* box) {
    return numeric::numberEntry(box->text());
}

void writeResult(QLineEdit* box, double value) {
    box->setText(shown(value));
}

void writeResult(QLabel* label, double value) {
    label->setText(shown(value));
}

} // namespace windows
