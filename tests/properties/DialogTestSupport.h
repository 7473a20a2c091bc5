#pragma once

#include "controls/ColourSwatch.h"
#include "document/Element.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "properties/SamplePreview.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace quenby::test {

// An element as a tool makes it, dragged from (20, 20) to (220, 120) at 100 % zoom.
inline ElementPtr MakeElement(ElementKind kind) {
    const std::array<QPoint, 4> points = {QPoint(20, 20), QPoint(220, 20), QPoint(220, 120),
                                          QPoint(20, 120)};
    return CreateElement(FixedOwner(100), 0, kind, points);
}

// Answers the next modal dialog once it runs: `answer` gets it and closes it.
inline void WhenDialogOpens(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        answer(*dialog);
    });
}

// Clicks a check box or radio button on its mark: a click beyond its text misses it.
inline void ClickMark(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Delivers what the colour picker posted.
inline void DeliverPosted() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Every control a person can use has a name a screen reader says.
inline void ExpectEveryControlNamed(const QWidget& dialog) {
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const ColourSwatch*>(w) || qobject_cast<const SamplePreview*>(w);
        if (control && w->window() == &dialog) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
    EXPECT_FALSE(dialog.accessibleName().isEmpty());
}

// Pixels of a colour (within `tolerance` in each component) in a widget as it draws
// itself.
inline int PixelsOf(QWidget& widget, QColor colour, int tolerance = 0) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            n += std::abs(c.red() - colour.red()) <= tolerance &&
                 std::abs(c.green() - colour.green()) <= tolerance &&
                 std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    }
    return n;
}

// Writes a widget's picture for a person to look at when QUENBY_DRAWING_DUMP names a folder.
inline void Dump(QWidget& widget, const char* name) {
    if (const QString folder = qEnvironmentVariable("QUENBY_DRAWING_DUMP"); !folder.isEmpty()) {
        widget.grab().save(folder + QLatin1Char('/') + QLatin1String(name) +
                           QStringLiteral(".png"));
    }
}

}  // namespace quenby::test
