#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace quenby {

QStringList QtNameFilters(const QString& barFilter) {
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        const QString pattern = parts[i + 1];
        if (pattern.isEmpty()) {
            continue;
        }
        // File names on Linux are case-sensitive; accept both cases of the pattern.
        QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
        const QStringList given = patterns;
        for (const QString& p : given) {
            for (const QString& v : {p.toLower(), p.toUpper()}) {
                if (!patterns.contains(v))
                    patterns.append(v);
            }
        }
        // Qt takes the patterns from the last parentheses of the text.
        filters.append(QStringLiteral("%1 (%2)").arg(text, patterns.join(u' ')));
    }
    return filters;
}

namespace {

std::optional<QString> Run(QWidget* owner, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner, request.title, request.initialFolder);
    dialog.setNameFilters(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension.toLower());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> WidgetFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
    return Run(owner_, request, false);
}

std::optional<QString> WidgetFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
    return Run(owner_, request, true);
}

}  // namespace quenby
