#include "SamePixels.h"

#include <QString>

namespace {

QString Hex(QRgb pixel) {
    return QStringLiteral("%1").arg(pixel, 8, 16, QLatin1Char('0'));
}

}  // namespace

::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    long long differing = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (a != e) {
                if (differing == 0) {
                    first = QStringLiteral("(%1, %2) is %3, expected %4")
                                .arg(x)
                                .arg(y)
                                .arg(Hex(a), Hex(e));
                }
                ++differing;
            }
        }
    }
    if (differing == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << differing << " pixels differ; first " << first.toStdString();
}
