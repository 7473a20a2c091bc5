#include "print/dialogs/PrintProgressDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenby {

PrintProgressDialog::PrintProgressDialog(const QString& jobTitle, const QString& device,
                                         const QString& port, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PrintProgressDialog"));
    setWindowTitle(QStringLiteral("Imprimiendo"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Imprimiendo"), QStringLiteral("'%1' en el").arg(jobTitle),
          QStringLiteral("%1 on %2").arg(device, port)}) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, &PrintProgressDialog::reject);
}

void PrintProgressDialog::reject() {
    // Stays on screen until the loop has stopped; the loop closes it.
    cancelRequested_ = true;
}

}  // namespace quenby
