#pragma once

#include <QDialog>

namespace quenby {

// Dialog 22000 "Acerca de este programa": the product's name, icon and credits.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace quenby
