#pragma once

#include <QPointer>
#include <QWidget>

namespace quenby {

class EditorWindow;

// A millimetre ruler beside the page view, aligned to the face and the measuring
// origin, following the view's zoom and scrolling. The editor window repaints it.
class Ruler : public QWidget {
    Q_OBJECT

public:
    // Yellow marks and labels on dark blue.
    static const QColor kBackground;
    static const QColor kInk;
    static constexpr int kCornerSize = 20;  // the horizontal ruler's corner square

    // Whether the last paint found no step that fits ("Scaling Error").
    bool ScalingErrorShown() const { return scalingError_; }

protected:
    Ruler(QWidget* parent, EditorWindow& editor, bool horizontal);

    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Null once the editor window is gone (the frame may take it down first).
    EditorWindow* editor() const;

private:
    // Counted horizontal when at least as wide as high, whatever the class.
    bool LiesHorizontally() const { return width() >= height(); }
    // The face edge's distance from this ruler's start, and the ruler's own offset d.
    double FaceOffset(const EditorWindow& editor, bool horizontal) const;
    double WindowOffset(const EditorWindow& editor, bool horizontal) const;

    QPointer<EditorWindow> editor_;
    bool scalingError_ = false;
};

}  // namespace quenby
