#pragma once

#include <QDialog>

#include <memory>

namespace quenby {

class Dib;

// "Vista preliminar de imagen": one library picture, larger than its thumbnail, on
// a white square.
class PicturePreviewDialog final : public QDialog {
    Q_OBJECT

public:
    PicturePreviewDialog(std::unique_ptr<Dib> picture, QWidget* parent = nullptr);
    ~PicturePreviewDialog() override;

private:
    class PreviewArea;
};

}  // namespace quenby
