#include "app/DisplayCheck.h"

#include "platform/ResourceStrings.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <cmath>

namespace quenby {

DisplayFacts DescribeScreen(const QScreen& screen) {
    // A screen the desktop scales (high density) has more real pixels than its
    // geometry says; those are what count.
    const qreal ratio = screen.devicePixelRatio();
    const QSize logical = screen.geometry().size();
    return {QSize(static_cast<int>(std::lround(logical.width() * ratio)),
                  static_cast<int>(std::lround(logical.height() * ratio))),
            screen.depth()};
}

bool IsDisplayLargeEnough(const DisplayFacts& display) {
    return display.bitsPerPixel >= 16 && display.devicePixels.width() >= 800 &&
           display.devicePixels.height() >= 600;
}

void ShowDisplayTooSmall(QWidget* parent) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, ResourceString(7999),
                    QStringLiteral("La pantalla es demasiado pequeña para este programa.\n"
                                   "Se necesitan al menos 800 × 600 píxeles y 16 bits de color."),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Dialog2010"));
    box.exec();
}

}  // namespace quenby
