#pragma once

#include "editing/EditingSession.h"
#include "view/EditorWindow.h"
#include "view/HorizontalRuler.h"
#include "view/VerticalRuler.h"

#include "support/Fakes.h"

#include <QEvent>
#include <QGridLayout>
#include <QObject>
#include <QWidget>

#include <map>

namespace quenby::test {

// Counts the paints each watched widget receives.
class PaintCounter final : public QObject {
public:
    int Count(QObject* widget) const {
        const auto it = paints.find(widget);
        return it == paints.end() ? 0 : it->second;
    }
    void Reset() { paints.clear(); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
        }
        return false;
    }

    std::map<QObject*, int> paints;
};

// The page view as the main frame lays it out: the horizontal ruler over the editor,
// the vertical ruler at its left, at 96 dots per inch.
struct ViewFrame {
    explicit ViewFrame(QSize size = QSize(900, 700)) {
        editor = new EditorWindow(session, &frame);
        horizontal = new HorizontalRuler(&frame, *editor);
        vertical = new VerticalRuler(&frame, *editor);
        auto* grid = new QGridLayout(&frame);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(0);
        grid->addWidget(horizontal, 0, 0, 1, 2);
        grid->addWidget(vertical, 1, 0);
        grid->addWidget(editor, 1, 1);
        editor->SetPixelsPerMm(96.0 / 25.4);
        frame.resize(size);
        for (QObject* o : {static_cast<QObject*>(editor->viewport()),
                           static_cast<QObject*>(horizontal), static_cast<QObject*>(vertical)}) {
            o->installEventFilter(&paints);
        }
    }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    EditingSession session{messages, dialogs};
    QWidget frame;
    PaintCounter paints;
    EditorWindow* editor = nullptr;
    HorizontalRuler* horizontal = nullptr;
    VerticalRuler* vertical = nullptr;
};

}  // namespace quenby::test
