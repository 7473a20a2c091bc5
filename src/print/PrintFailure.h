#pragma once

#include <QString>

namespace quenby {

// Why a job was not printed.
enum class PrintFailure {
    None,
    NotStarted,      // the print dialog was cancelled: nothing to report
    OutOfMemory,     // "Memoria agotada"
    OutOfDisk,       // "Espacio de disco agotado"
    Cancelled,       // "Impresión cancelada"
    SpoolerAborted,  // "Impresión abortada en el administrador de impresión"
    General,         // "Error encontrado durante la impresión"
};

// "'%s' no impreso. %s." with the job title and the reason.
QString PrintFailureText(const QString& title, PrintFailure failure);
QString PrintFailureCaption();  // "Error de impresión"

}  // namespace quenby
