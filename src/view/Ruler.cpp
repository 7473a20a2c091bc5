#include "view/Ruler.h"

#include "editing/EditingSession.h"
#include "platform/ResourceImages.h"
#include "view/EditorWindow.h"
#include "view/RulerScale.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace quenby {
namespace {

constexpr int kCornerBitmap = 5002;
constexpr int kLabelInset = 8;  // labels stand this far from the far edge

// "Arial" with a cell 12 pixels high, as the rulers have always labelled. Built per
// paint: fonts must not outlive the application.
QFont LabelFont() {
    QFont f(QStringLiteral("Arial"));
    f.setWeight(QFont::Normal);
    static const int pixelSize = [&f] {
        f.setPixelSize(12);
        const int cell = QFontMetrics(f).height();
        return cell > 12 ? std::max(1, int(std::lround(12.0 * 12.0 / cell))) : 12;
    }();
    f.setPixelSize(pixelSize);
    return f;
}

const QImage& CornerImage() {
    static const QImage image = ResourceImage(kCornerBitmap);
    return image;
}

}  // namespace

const QColor Ruler::kBackground(0, 57, 132);
const QColor Ruler::kInk(249, 230, 11);

Ruler::Ruler(QWidget* parent, EditorWindow& editor, bool horizontal)
    : QWidget(parent), editor_(&editor) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    editor.AttachRuler(this, horizontal);
}

EditorWindow* Ruler::editor() const { return editor_.data(); }

double Ruler::FaceOffset(const EditorWindow& editor, bool horizontal) const {
    const QPoint origin = editor.PageOrigin();
    const QPoint scroll = editor.ScrollPosition();
    if (horizontal) {
        return origin.x() - scroll.x() + kCornerSize;
    }
    return origin.y() - scroll.y();
}

double Ruler::WindowOffset(const EditorWindow& editor, bool horizontal) const {
    // Where the editor's client area starts, seen from this ruler.
    const QPoint client = editor.viewport()->mapToGlobal(QPoint(0, 0));
    const QPoint self = mapToGlobal(QPoint(0, 0));
    if (horizontal) {
        return client.x() - self.x() - kCornerSize;
    }
    return client.y() - self.y();
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!editor_) {
        return;
    }
    const EditorWindow& editor = *editor_;

    const bool horizontal = LiesHorizontally();
    const int wr = width();
    const int hr = height();
    const int length = horizontal ? wr : hr;
    const Document& doc = editor.session().document();
    const ruler::Layout layout = ruler::LayoutFor(
        length, editor.ZoomPercent(), editor.PixelsPerMm(), FaceOffset(editor, horizontal),
        horizontal ? doc.originX : doc.originY, horizontal);
    scalingError_ = layout.step.scalingError;
    const double d = WindowOffset(editor, horizontal);

    painter.setPen(QPen(kInk, 0));
    const QFont font = LabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (long long i = layout.firstIndex; i < layout.endIndex; ++i) {
        const double at = layout.MarkPosition(i) + d;
        const int p = int(std::trunc(at));
        // Marks beyond the ruler are not seen; labels may reach in from just outside.
        if (p < -100 || p > length + 100) {
            continue;
        }
        const int markLength = ruler::Layout::MarkLength(i);
        if (horizontal) {
            painter.drawLine(p, hr - markLength, p, hr - 1);
        } else {
            painter.drawLine(wr - markLength, p, wr - 1, p);
        }
        if (i % 10 != 0) {
            continue;
        }
        const QString text = QString::number(layout.LabelValue(i));
        const int labelAt = int(std::trunc(at + 2));
        if (horizontal) {
            // Bottom-left of the text cell at the label's place.
            painter.drawText(labelAt, hr - kLabelInset - metrics.descent(), text);
        } else {
            // Turned a quarter to read upwards, centred on the label's place.
            painter.save();
            painter.translate(wr - kLabelInset, labelAt);
            painter.rotate(-90);
            painter.drawText(-metrics.horizontalAdvance(text) / 2, -metrics.descent(), text);
            painter.restore();
        }
    }

    if (scalingError_) {
        // Said on the ruler itself: a message box at every paint would never let go.
        painter.setPen(kInk);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(kBackground);
        if (horizontal) {
            painter.drawText(rect().adjusted(kCornerSize + 2, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Scaling Error"));
        } else {
            painter.save();
            painter.translate(wr, hr);
            painter.rotate(-90);
            painter.drawText(QRect(0, -wr, hr, wr), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("Scaling Error"));
            painter.restore();
        }
    }

    if (horizontal && !CornerImage().isNull()) {
        painter.drawImage(QPoint(0, 0), CornerImage(), QRect(0, 0, kCornerSize, kCornerSize));
    }
}

void Ruler::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && editor_) {
        editor_->AbandonDrag();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace quenby
