#include "print/PrintFailure.h"

namespace quenby {
namespace {

QString ReasonText(PrintFailure failure) {
    switch (failure) {
        case PrintFailure::OutOfMemory:
            return QStringLiteral("Memoria agotada");
        case PrintFailure::OutOfDisk:
            return QStringLiteral("Espacio de disco agotado");
        case PrintFailure::Cancelled:
            return QStringLiteral("Impresión cancelada");
        case PrintFailure::SpoolerAborted:
            return QStringLiteral("Impresión abortada en el administrador de impresión");
        default:
            return QStringLiteral("Error encontrado durante la impresión");
    }
}

}  // namespace

QString PrintFailureText(const QString& title, PrintFailure failure) {
    return QStringLiteral("'%1' no impreso. %2.").arg(title, ReasonText(failure));
}

QString PrintFailureCaption() {
    return QStringLiteral("Error de impresión");
}

}  // namespace quenby
