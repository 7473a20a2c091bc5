#include "DesktopIcons.h"

#include "ArtworkCanvas.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace quenby::artwork {

const std::vector<int>& ThemeIconSizes() {
    static const std::vector<int> kSizes{16, 22, 24, 32, 48, 64, 128, 256, 512};
    return kSizes;
}

bool WriteThemeIcon(const QString& svgPath, const QString& theme, const QString& context,
                    const QString& name) {
    // Every size is drawn before anything is written: a drawing that cannot be read
    // leaves no icon behind. Each size is drawn afresh from the lines, never scaled from
    // another size.
    std::vector<QImage> images;
    for (int size : ThemeIconSizes()) {
        images.push_back(RenderSvg(svgPath, size));
        const QImage& image = images.back();
        if (image.isNull() || image.width() != size || image.height() != size) {
            std::fprintf(stderr, "%s does not draw as a %d-pixel square icon\n",
                         qPrintable(svgPath), size);
            return false;
        }
    }
    const QDir root(theme);
    const QString scalable = root.filePath(QStringLiteral("scalable/%1").arg(context));
    const QString svgCopy = QDir(scalable).filePath(name + QStringLiteral(".svg"));
    QFile::remove(svgCopy);
    if (!QDir().mkpath(scalable) || !QFile::copy(svgPath, svgCopy)) {
        std::fprintf(stderr, "cannot copy %s to %s\n", qPrintable(svgPath), qPrintable(svgCopy));
        return false;
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = ThemeIconSizes()[i];
        const QString folder = root.filePath(QStringLiteral("%1x%1/%2").arg(size).arg(context));
        const QString png = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder) || !images[i].save(png, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
            return false;
        }
    }
    return true;
}

}  // namespace quenby::artwork
