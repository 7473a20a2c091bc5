#include "library/LoadingProgress.h"

#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace quenby {

LoadingProgress::LoadingProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("LoadingProgress"));
    setModal(false);
    setWindowTitle(QStringLiteral("Descargando"));
    setAccessibleName(QStringLiteral("Descargando"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    text_ = new QLabel(ResourceString(str::kNoText), frame);
    gauge_ = new QProgressBar(frame);
    text_->setObjectName(QStringLiteral("loadingText"));
    text_->setAlignment(Qt::AlignCenter);
    auto* wait = new QLabel(QStringLiteral("Espere por favor"), frame);
    wait->setAlignment(Qt::AlignCenter);
    gauge_->setObjectName(QStringLiteral("loadingGauge"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setFormat(QStringLiteral("%p%"));
    gauge_->setTextVisible(true);
    gauge_->setFixedSize(173, 20);
    gauge_->setAccessibleName(QStringLiteral("Espere por favor"));

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(20, 14, 20, 14);
    inner->addWidget(text_);
    inner->addWidget(wait);
    inner->addSpacing(8);
    inner->addWidget(gauge_, 0, Qt::AlignHCenter);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
}

void LoadingProgress::ShowStep(qint64 done, qint64 count) {
    text_->setText(QStringLiteral("%1 %2 %3 %4")
                       .arg(ResourceString(str::kLoading))
                       .arg(done)
                       .arg(ResourceString(str::kOf))
                       .arg(count));
    gauge_->setValue(count > 0 ? int(done * 100 / count) : 0);
    text_->repaint();
    gauge_->repaint();
}

QString LoadingProgress::Text() const {
    return text_->text();
}

int LoadingProgress::Percent() const {
    return gauge_->value();
}

}  // namespace quenby
