#pragma once

// The mouse editing without a window: a context that draws its feedback into an
// image, records the cursor, beeps and panes, and answers the menu and the dialogs
// as a test tells it.
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/CalendarInsertion.h"
#include "editing/EditingSession.h"
#include "editing/MouseEditing.h"
#include "editing/PictureChooser.h"
#include "editing/ToolContext.h"
#include "platform/DeviceContext.h"
#include "print/PaperLayout.h"
#include "support/Fakes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace quenby::test {

class FakeToolContext final : public ToolContext {
public:
    explicit FakeToolContext(const Document& doc) : doc_(doc) { Repaint(); }

    PageGeometry Geometry() const override {
        PageGeometry g;
        g.zoomPercent = zoom;
        g.pixelsPerMm = 96.0 / 25.4;
        g.scroll = scroll;
        g.client = surface.size();
        const QRect page = PageRect(doc_, zoom, g.pixelsPerMm);
        g.pageOrigin = doc_.isCard == kCard
                           ? QPoint(30 + page.width() / 10, 30 + page.height() / 10)
                           : QPoint(30, 30);
        g.face = page.translated(g.pageOrigin);
        return g;
    }
    void DrawFeedback(const FeedbackPainter& paint) override {
        QPainter painter(&surface);
        DeviceContext dc(painter);
        const FixedOwner view = Geometry().ClientView();
        paint(dc, view);
        ++feedbackDrawings;
    }
    int SurfaceGeneration() override { return generation; }
    void SetCursor(const PageCursor& c) override { cursors.push_back(c); }
    void Beep() override { ++beeps; }
    void ShowPointerPanes(const QString& x, const QString& y) override { panes = {x, y}; }
    void FocusPage() override { ++focused; }
    void RedrawRulers() override { ++rulerRedraws; }
    int RunContextMenu(const std::vector<ContextMenuEntry>& entries, QPoint) override {
        menus.push_back(entries);
        return menuChoice;
    }
    bool RunTextDialog(Element& element, bool newElement) override {
        textDialogs.push_back(newElement);
        return textDialog ? textDialog(element) : false;
    }
    const PictureContext* Pictures() override { return pictures; }
    std::optional<CalendarChoice> RunCalendarDialog(const PictureContext&) override {
        ++calendarDialogs;
        return calendarChoice;
    }

    // A full repaint: the surface shows the base again and earlier feedback is gone.
    void Repaint() {
        surface = Base();
        ++generation;
    }
    // What the surface shows without feedback: a pattern, so that not-XOR drawing
    // changes every pixel it touches.
    QImage Base() const {
        QImage image(QSize(800, 600), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF));
            }
        }
        return image;
    }
    PageCursor LastCursor() const { return cursors.empty() ? PageCursor{} : cursors.back(); }

    int zoom = 100;
    QPoint scroll;
    QImage surface;
    int generation = 0;
    int feedbackDrawings = 0;
    std::vector<PageCursor> cursors;
    int beeps = 0;
    std::pair<QString, QString> panes;
    int focused = 0;
    int rulerRedraws = 0;
    std::vector<std::vector<ContextMenuEntry>> menus;
    int menuChoice = 0;
    std::vector<bool> textDialogs;
    std::function<bool(Element&)> textDialog;
    const PictureContext* pictures = nullptr;
    std::optional<CalendarChoice> calendarChoice;
    int calendarDialogs = 0;

private:
    const Document& doc_;
};

// A session with a card (fold 3, portrait A4), the fake context and the mouse editing,
// at 100 %: document units are four to a pixel, and document (0, 0) lies at the face's
// corner.
class ToolTest : public ::testing::Test {
protected:
    ToolTest() { doc().ChooseCardType(3); }

    Document& doc() { return session.document(); }
    PageGeometry Geometry() const { return context.Geometry(); }
    // The client point of a document point, for the events.
    QPoint At(DocPoint p) const { return Geometry().ClientView().ToDevice(p); }
    QPoint At(float x, float y) const { return At(DocPoint{x, y}); }

    Element& AddBox(float left, float top, float width, float height, bool selected = false,
                    ElementKind kind = ElementKind::Box) {
        ElementPtr e = CreateBlankElement();
        e->kind = kind;
        e->page = doc().currentPage;
        e->corners = {DocPoint{left, top}, DocPoint{left + width, top},
                      DocPoint{left + width, top + height}, DocPoint{left, top + height}};
        e->selected = selected ? 1 : 0;
        if (HasTextBlock(kind)) {
            e->text = std::make_unique<TextBlock>();
        }
        Element& ref = *e;
        doc().elements.Append(std::move(e));
        return ref;
    }

    void Click(QPoint client, bool control = false) {
        mouse.LeftPress(client, control);
        mouse.LeftRelease(client);
    }
    void Drag(QPoint from, QPoint to, bool control = false) {
        mouse.LeftPress(from, control);
        mouse.Move(from + (to - from) / 2);
        mouse.Move(to);
        mouse.LeftRelease(to);
    }
    // The device point of handle `index` of `element`, in client pixels.
    QPoint HandlePoint(const Element& element, int index) const {
        return HandlePoints(element, Geometry().ClientView())[std::size_t(index - 1)];
    }
    // The middle of the handle's square, where a press takes it.
    QPoint Grip(const Element& element, int index) const {
        return HandleSquare(element, index, HandlePoint(element, index)).center();
    }

    std::vector<const Element*> Selected() {
        std::vector<const Element*> selected;
        for (const Element& e : doc().elements) {
            if (e.selected) {
                selected.push_back(&e);
            }
        }
        return selected;
    }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    EditingSession session{messages, dialogs};
    FakeToolContext context{session.document()};
    MouseEditing mouse{session, context};
};

}  // namespace quenby::test
