#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace quenby {

// The small window without a title shown while a category's thumbnails load:
// "Cargando 3 de 25", "Espere por favor" and a gauge in per cent. Every step is
// painted at once, as the loading gives the event loop no other chance.
class LoadingProgress final : public QDialog {
    Q_OBJECT

public:
    explicit LoadingProgress(QWidget* parent = nullptr);

    // `done` of `count` pictures loaded.
    void ShowStep(qint64 done, qint64 count);

    QString Text() const;
    int Percent() const;

private:
    QLabel* text_ = nullptr;
    QProgressBar* gauge_ = nullptr;
};

}  // namespace quenby
