#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QImage>

namespace quenby {

// A start-screen button drawn from its two pictures, normal and pressed.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(int id, const QString& fallbackText, QWidget* parent);
    int id() const { return id_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_;
    QString fallbackText_;
    QImage normal_;
    QImage pressed_;
};

// Where every use of the program begins: a picture with five buttons (card, page set,
// template, open, exit). It reports the chosen button; the application acts on it.
class StartScreen final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCardButton = 301;
    static constexpr int kPageSetButton = 302;
    static constexpr int kTemplateButton = 303;
    static constexpr int kOpenButton = 304;
    static constexpr int kExitButton = 305;

    explicit StartScreen(QWidget* parent);

    PictureButton* button(int id) const;
    // Centres the screen on the display it shows on.
    void CentreOnScreen();

signals:
    void buttonChosen(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void reject() override;  // Escape does not leave the start screen without a choice
    // Closing the start screen from the desktop (Alt+F4) is the exit button.
    void closeEvent(QCloseEvent* event) override;

private:
    QImage background_;
};

}  // namespace quenby
