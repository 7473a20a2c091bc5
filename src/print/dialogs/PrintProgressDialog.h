#pragma once

#include <QDialog>

namespace quenby {

// The modeless "Imprimiendo" dialog shown while a job prints; its Cancel button
// asks the printing loop to stop at the next page.
class PrintProgressDialog final : public QDialog {
    Q_OBJECT

public:
    PrintProgressDialog(const QString& jobTitle, const QString& device, const QString& port,
                        QWidget* parent = nullptr);

    bool CancelRequested() const { return cancelRequested_; }

protected:
    void reject() override;  // Cancel, Escape and closing the window

private:
    bool cancelRequested_ = false;
};

}  // namespace quenby
