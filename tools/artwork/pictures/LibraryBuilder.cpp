#include "LibraryBuilder.h"

#include "ArtworkCanvas.h"
#include "PictureList.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace quenby::artwork {
namespace {

constexpr std::uint8_t kDetailed = 1;  // 150 pixels per inch
constexpr int kMargin = 2;             // transparent pixels around the ink

}  // namespace

QImage DrawLibraryPicture(const QString& svgPath, double longSideMm) {
    const QImage rendered = RenderSvgFitted(svgPath, PixelsFor(longSideMm, kDetailed), kMargin);
    return rendered.isNull() ? QImage() : HardenEdges(rendered);
}

bool BuildLibrary(const QString& sourceFolder, const QString& outFolder) {
    const QDir sources(sourceFolder);
    const QDir out(outFolder);
    bool ok = true;
    for (int category = 1; category <= 7; ++category) {
        const QString number = QString::number(category);
        QString error;
        const auto list = ReadPictureList(sources.filePath(number + QStringLiteral(".txt")), &error);
        if (!list) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
        const QString drawings = sources.filePath(number);
        error = CompareWithDrawings(*list, drawings);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "category %d: %s\n", category, qPrintable(error));
            return false;
        }
        const QString folder = out.filePath(number);
        QDir().mkpath(folder);
        for (const ListedPicture& p : *list) {
            const QString svg = QDir(drawings).filePath(p.name + QStringLiteral(".svg"));
            const QImage picture = DrawLibraryPicture(svg, p.longSideMm);
            if (picture.isNull()) {
                std::fprintf(stderr, "cannot draw %s\n", qPrintable(svg));
                ok = false;
                continue;
            }
            ok = WriteGraphicFile(QDir(folder).filePath(p.name + QStringLiteral(".wxg")), picture,
                                  true, kDetailed) &&
                 ok;
        }
    }
    // The marker the program looks for on the artwork CD; a CD made from this folder
    // carries it. Its contents are never read.
    QFile marker(out.filePath(QStringLiteral("images.def")));
    if (!marker.open(QIODevice::WriteOnly) || marker.write("Craftbox picture library\n") < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(marker.fileName()));
        return false;
    }
    return ok;
}

}  // namespace quenby::artwork
