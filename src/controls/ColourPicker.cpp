#include "controls/ColourPicker.h"

#include "controls/ColourPickerEvent.h"
#include "controls/ColourPickerKeys.h"
#include "controls/ColourTable.h"
#include "platform/ResourceStrings.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace quenby {

using namespace picker;

namespace {

// The picker's own font when its owner gives none.
QFont DefaultPickerFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    return font;
}

int LineHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.height() + std::max(0, metrics.leading());
}

// Each item has a child widget of its own that draws nothing and lets the mouse
// through: it is there so that screen readers find every colour by its name.
constexpr const char* kItemProperty = "pickerItem";

}  // namespace

std::optional<ColourRef> RunFullColourDialog(ColourRef initial, QWidget* parent) {
    const QColor colour = QColorDialog::getColor(ToQColor(initial), parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return FromQColor(colour);
}

ColourPicker::ColourPicker(QWidget* owner)
    : QWidget(owner, Qt::Popup),
      owner_(owner),
      layout_(LineHeight(DefaultPickerFont())),
      fullDialog_(RunFullColourDialog) {
    setObjectName(QStringLiteral("QVSColorPickerWindow"));
    setAccessibleName(QStringLiteral("Colores"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPalette(QApplication::palette("QMenu"));
    for (int item : {kAutomatic, kMoreColours}) {
        auto* name = new QWidget(this);
        name->setProperty(kItemProperty, item);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (int i = 0; i < kCellCount; ++i) {
        auto* name = new QWidget(this);
        name->setProperty(kItemProperty, i);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        name->setAccessibleName(QString::fromLatin1(kPickerColours[std::size_t(i)].name));
    }
    Setup(0, kAutomaticColour);
}

void ColourPicker::Setup(int replyNumber, ColourRef current, bool notifyOwner, int stringBase,
                         const QFont* font) {
    replyNumber_ = replyNumber;
    notifyOwner_ = notifyOwner;
    current_ = current;
    if (current != kAutomaticColour) {
        lastColour_ = current;
    }
    stringBase_ = stringBase;
    choiceMade_ = false;
    ApplyFont(font ? *font : DefaultPickerFont());
    if (current == kAutomaticColour) {
        chosen_ = kAutomatic;
    } else {
        const int index = PickerColourIndex(current);
        chosen_ = index >= 0 ? index : kMoreColours;
    }
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int item = child->property(kItemProperty).toInt();
        if (item == kAutomatic) {
            child->setAccessibleName(ResourceString(stringBase_));
        } else if (item == kMoreColours) {
            child->setAccessibleName(ResourceString(stringBase_ + 1));
        }
    }
    update();
}

void ColourPicker::ApplyFont(const QFont& font) {
    setFont(font);
    layout_ = ColourPickerLayout(LineHeight(font));
    PlaceItemNames();
}

void ColourPicker::PlaceItemNames() {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        child->setGeometry(layout_.ItemRect(child->property(kItemProperty).toInt()));
    }
}

void ColourPicker::ShowAt(QPoint screenPoint, const QRect& anchor) {
    highlighted_ = kNoItem;
    const QSize size = layout_.Size() + QSize(1, 1);
    QScreen* screen = QGuiApplication::screenAt(screenPoint);
    if (!screen) {
        screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size);
    resize(size);
    move(PlaceColourPicker(screenPoint, anchor, size, area));
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void ColourPicker::SetHighlight(int item) {
    if (item != highlighted_) {
        highlighted_ = item;
        update();
    }
}

void ColourPicker::Choose(int item) {
    if (item == kNoItem) {
        return;
    }
    const int previous = chosen_;
    chosen_ = item;
    repaint();
    ColourRef colour = kAutomaticColour;
    if (item >= 0 && item < kCellCount) {
        colour = kPickerColours[std::size_t(item)].Colour();
    } else if (item == kMoreColours) {
        const std::optional<ColourRef> asked = AskForMoreColours(previous);
        if (!asked) {
            return;
        }
        colour = *asked;
    } else if (item != kAutomatic) {
        chosen_ = previous;
        return;
    }
    current_ = colour;
    if (colour != kAutomaticColour) {
        lastColour_ = colour;
    }
    choiceMade_ = true;
    hide();
    if (notifyOwner_ && owner_) {
        QCoreApplication::postEvent(owner_, new ColourPickerEvent(replyNumber_, colour));
    }
}

std::optional<ColourRef> ColourPicker::AskForMoreColours(int previousChoice) {
    // A pop-up takes every click of the application while it is up: it steps aside for
    // the dialog and comes back where it was when the dialog is cancelled.
    const QPoint place = pos();
    inColourDialog_ = true;
    hide();
    const ColourRef initial = current_ == kAutomaticColour ? lastColour_ : current_;
    const std::optional<ColourRef> asked =
        fullDialog_ ? fullDialog_(initial, owner_) : std::nullopt;
    inColourDialog_ = false;
    if (asked) {
        const int index = PickerColourIndex(*asked);
        chosen_ = index >= 0 ? index : kMoreColours;
        return asked;
    }
    chosen_ = previousChoice;
    move(place);
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
    update();
    return std::nullopt;
}

void ColourPicker::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!inColourDialog_) {
        emit Closed();
    }
}

void ColourPicker::mouseMoveEvent(QMouseEvent* event) {
    SetHighlight(layout_.HitTest(event->position().toPoint()));
}

void ColourPicker::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!rect().contains(p)) {
        hide();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        Choose(layout_.HitTest(p));
    }
}

void ColourPicker::keyPressEvent(QKeyEvent* event) {
    static constexpr std::pair<int, PickerMove> kMoves[] = {
        {Qt::Key_Left, PickerMove::Left}, {Qt::Key_Right, PickerMove::Right},
        {Qt::Key_Up, PickerMove::Up},     {Qt::Key_Down, PickerMove::Down},
        {Qt::Key_Home, PickerMove::Home}, {Qt::Key_End, PickerMove::End}};
    for (const auto& [key, move] : kMoves) {
        if (event->key() == key) {
            SetHighlight(MovePickerHighlight(highlighted_, move));
            event->accept();
            return;
        }
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Choose(highlighted_);
            break;
        case Qt::Key_Escape:
            hide();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ColourPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.window());
    qDrawShadePanel(&painter, rect(), pal, false, 1);

    // The chosen item looks pressed, the one under the pointer or the keys raised.
    auto frameItem = [&](int item, const QRect& r) {
        if (item == chosen_) {
            qDrawShadePanel(&painter, r, pal, true, 1);
        } else if (item == highlighted_) {
            qDrawShadePanel(&painter, r, pal, false, 1);
        }
    };
    painter.setPen(pal.color(QPalette::WindowText));
    const QRect automatic = layout_.AutomaticRow();
    frameItem(kAutomatic, automatic);
    painter.drawText(automatic, Qt::AlignCenter | Qt::TextSingleLine, ResourceString(stringBase_));
    const QRect more = layout_.MoreColoursRow();
    frameItem(kMoreColours, more);
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(more, Qt::AlignCenter | Qt::TextSingleLine, ResourceString(stringBase_ + 1));

    for (int i = 0; i < kCellCount; ++i) {
        const QRect cell = layout_.Cell(i);
        frameItem(i, cell);
        const QRect swatch = cell.adjusted(3, 3, -3, -3);
        painter.fillRect(swatch, ToQColor(kPickerColours[std::size_t(i)].Colour()));
        painter.setPen(pal.color(QPalette::Mid));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

}  // namespace quenby
