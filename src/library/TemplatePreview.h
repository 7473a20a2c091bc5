#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace quenby {

struct Document;

// Where the template browser's preview draws the current face in a box: the zoom
// that fits the face (a card's with its flap all round, a fifth larger) into 90 % of
// the box along its longer side, and the face's rectangle in box pixels, the fitted
// rectangle centred in the box.
struct PreviewPlacement {
    int zoomPercent = 0;
    QRect face;  // empty: nothing to draw
};
PreviewPlacement PlacePreview(const Document& doc, QSize box, double pixelsPerMm);

// "Vista preliminar": the current face of the template being looked at, drawn as the
// page view draws it (without the printable area) at the zoom that fits the box, with
// a black frame round the box. It draws the document it is given and changes nothing
// of it or of any view.
class TemplatePreview final : public QWidget {
    Q_OBJECT

public:
    explicit TemplatePreview(double pixelsPerMm, QWidget* parent = nullptr);

    // The document to show; null shows the empty box.
    void ShowDocument(const Document* doc);
    const Document* ShownDocument() const { return doc_; }
    // Where the face is drawn at the box's present size.
    PreviewPlacement Placement() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pixelsPerMm_;
    const Document* doc_ = nullptr;
};

}  // namespace quenby
