#pragma once

#include "controls/ColourPickerLayout.h"
#include "platform/ColourRef.h"
#include "platform/StringIds.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <optional>

namespace quenby {

// Asks a person for any colour, starting from `initial`; nothing when they cancel.
using FullColourDialog =
    std::function<std::optional<ColourRef>(ColourRef initial, QWidget* parent)>;
// The platform's full colour dialog.
std::optional<ColourRef> RunFullColourDialog(ColourRef initial, QWidget* parent);

// "QVSColorPickerWindow": a pop-up, in the manner of a drop-down menu, with an
// "Automático" row, a grid of the 40 named colours and a "Más colores..." row that
// opens the full colour dialog. A choice hides the picker and is posted to the owner as
// a ColourPickerEvent with the reply number; Escape, a click outside or the loss of the
// focus hide it without a choice. The owner keeps the picker and shows it again.
class ColourPicker final : public QWidget {
    Q_OBJECT

public:
    // The owner receives the choices and owns the picker.
    explicit ColourPicker(QWidget* owner);

    // Prepares a showing: the reply number sent with the choice, the colour shown as
    // chosen (kAutomaticColour for automatic), whether the owner is told, the number of
    // the "Automático" string (the next one is "Más colores...") and the font of the
    // rows (the owner's dialog font; none gives the picker's own).
    void Setup(int replyNumber, ColourRef current, bool notifyOwner = true,
               int stringBase = str::kAutomatic, const QFont* font = nullptr);

    // Shows the picker with its top-left at `screenPoint` (the top-left of the swatch
    // that opened it), above `anchor` (the swatch on the screen) when the screen ends
    // below it, and takes the keyboard and the mouse.
    void ShowAt(QPoint screenPoint, const QRect& anchor = {});

    // Chooses an item as a click or Enter on it would.
    void Choose(int item);

    ColourRef CurrentColour() const { return current_; }
    bool ChoiceMade() const { return choiceMade_; }
    int ReplyNumber() const { return replyNumber_; }
    int ChosenItem() const { return chosen_; }
    int HighlightedItem() const { return highlighted_; }
    bool InColourDialog() const { return inColourDialog_; }
    const ColourPickerLayout& Layout() const { return layout_; }

    // Where "Más colores..." asks for a colour (the platform's dialog unless replaced).
    void SetFullColourDialog(FullColourDialog dialog) { fullDialog_ = std::move(dialog); }

signals:
    // The picker went away, with or without a choice.
    void Closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetHighlight(int item);
    void ApplyFont(const QFont& font);
    void PlaceItemNames();
    // "Más colores...": the chosen colour, or nothing when the dialog was cancelled.
    std::optional<ColourRef> AskForMoreColours(int previousChoice);

    QWidget* owner_;
    int replyNumber_ = 0;
    bool notifyOwner_ = true;
    ColourRef current_ = 0;
    ColourRef lastColour_ = 0;  // the last colour that was not automatic
    int stringBase_ = str::kAutomatic;
    int highlighted_ = picker::kNoItem;
    int chosen_ = picker::kNoItem;
    bool inColourDialog_ = false;
    bool choiceMade_ = false;
    ColourPickerLayout layout_;
    FullColourDialog fullDialog_;
};

}  // namespace quenby
