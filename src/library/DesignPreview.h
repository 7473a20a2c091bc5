#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace quenby {

class Dib;

// The calendar dialog's "Vista preliminar de diseño": the design on white, fitted
// into the area with its proportions kept and palette index 255 left out.
class DesignPreview final : public QWidget {
    Q_OBJECT

public:
    explicit DesignPreview(QWidget* parent = nullptr);
    ~DesignPreview() override;

    void SetPicture(std::unique_ptr<Dib> picture);
    const Dib* Picture() const { return picture_.get(); }
    // Where the picture is drawn now; empty without one.
    QRect PictureRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Dib> picture_;
    QImage scaled_;  // the picture as last shown, kept while the area keeps its size
};

}  // namespace quenby
