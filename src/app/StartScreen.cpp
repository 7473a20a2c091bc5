#include "app/StartScreen.h"

#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include <array>

namespace quenby {

namespace {

constexpr int kButtonWidth = 155;
constexpr int kButtonHeight = 39;
constexpr int kButtonX = 394;
constexpr std::array<int, 5> kButtonY{184, 226, 268, 309, 351};
constexpr QSize kFallbackSize(600, 420);

// Shown on a button only when its picture is missing.
const std::array<const char*, 5> kFallbackTexts{
    "Crear una tarjeta", "Crear un cartel", "Usar una plantilla", "Abrir un documento", "Salir"};

}  // namespace

PictureButton::PictureButton(int id, const QString& fallbackText, QWidget* parent)
    : QAbstractButton(parent),
      id_(id),
      fallbackText_(fallbackText),
      normal_(ResourceImage(id + 9700)),
      pressed_(ResourceImage(id + 9710)) {
    setObjectName(QStringLiteral("StartButton%1").arg(id));
    setAccessibleName(fallbackText);
    setToolTip(fallbackText);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& picture = isDown() ? pressed_ : normal_;
    if (!picture.isNull()) {
        painter.drawImage(QPoint(0, 0), picture);  // unscaled, as drawn
        return;
    }
    // No picture: a plain button with its name, so that the screen stays usable.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(40, 40, 90), 2));
    painter.setBrush(isDown() ? QColor(250, 200, 60) : QColor(255, 230, 120));
    painter.drawRoundedRect(r, 8, 8);
    painter.setPen(QColor(40, 40, 90));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(r, Qt::AlignCenter, fallbackText_);
}

StartScreen::StartScreen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), background_(ResourceImage(10000)) {
    setObjectName(QStringLiteral("StartScreen"));
    setWindowTitle(ResourceString(7999));
    setModal(false);
    const QSize size = background_.isNull()
                           ? kFallbackSize
                           : background_.size().expandedTo(
                                 QSize(kButtonX + kButtonWidth, kButtonY.back() + kButtonHeight));
    setFixedSize(size);
    for (int i = 0; i < 5; ++i) {
        const int id = kCardButton + i;
        auto* button = new PictureButton(id, QString::fromUtf8(kFallbackTexts[i]), this);
        button->setGeometry(kButtonX, kButtonY[i], kButtonWidth, kButtonHeight);
        connect(button, &QAbstractButton::clicked, this, [this, id] { emit buttonChosen(id); });
    }
}

PictureButton* StartScreen::button(int id) const {
    return findChild<PictureButton*>(QStringLiteral("StartButton%1").arg(id));
}

void StartScreen::CentreOnScreen() {
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.left() + area.width() / 2 - width() / 2,
         area.top() + area.height() / 2 - height() / 2);
}

void StartScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!background_.isNull()) {
        painter.drawImage(QPoint(0, 0), background_);
        return;
    }
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0, 57, 132));
    sky.setColorAt(1, QColor(90, 150, 220));
    painter.fillRect(rect(), sky);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 40, width(), 80), Qt::AlignCenter, ResourceString(7999));
}

void StartScreen::reject() {}

void StartScreen::closeEvent(QCloseEvent* event) {
    event->ignore();
    QMetaObject::invokeMethod(
        this, [this] { emit buttonChosen(kExitButton); }, Qt::QueuedConnection);
}

}  // namespace quenby
