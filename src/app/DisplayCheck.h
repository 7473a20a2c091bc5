#pragma once

#include <QSize>

class QScreen;
class QWidget;

namespace quenby {

// The display the program needs: at least 800 × 600 device pixels in 16-bit colour.
struct DisplayFacts {
    QSize devicePixels;  // the screen's real pixels (geometry × device pixel ratio)
    int bitsPerPixel = 0;
};

DisplayFacts DescribeScreen(const QScreen& screen);
bool IsDisplayLargeEnough(const DisplayFacts& display);

// Warning 2010, shown when the display is too small.
void ShowDisplayTooSmall(QWidget* parent);

}  // namespace quenby
