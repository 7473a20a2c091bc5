#include "app/AboutDialog.h"

#include "platform/ResourceImages.h"
#include "platform/ResourceStrings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenby {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("Acerca de este programa"));

    auto* icon = new QLabel(this);
    icon->setPixmap(ResourceIcon(990).pixmap(64, 64));
    auto* name = new QLabel(ResourceString(7999), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* info = new QLabel(this);  // field 22002, left empty
    info->setObjectName(QStringLiteral("Field22002"));
    auto* credits = new QLabel(
        QStringLiteral("Dibujos, plantillas y programa: el equipo de Wexmoor Arts."), this);
    credits->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(info);
    text->addWidget(credits);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

}  // namespace quenby
