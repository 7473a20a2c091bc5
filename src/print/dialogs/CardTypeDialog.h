#pragma once

#include <QDialog>

#include <optional>

class QListWidget;

namespace quenby {

// "Seleccionar tipo de tarjeta": the six card folds with a picture of the one
// selected. The result is the chosen fold.
class CardTypeDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CardTypeDialog(QWidget* parent = nullptr);

    int SelectedFold() const;
    QListWidget* FoldList() const { return list_; }
    // The bitmap of the fold picture shown now (11000 + row).
    int PictureId() const;

private:
    class FoldPicture;
    QListWidget* list_;
    FoldPicture* picture_;
};

// Runs the dialog; the chosen fold on OK. The caller then makes the document a
// card of that fold (Document::ChooseCardType) and re-fits the view.
std::optional<int> RunCardTypeDialog(QWidget* parent);

}  // namespace quenby
