// quenby-tool wxg-info, wxg2png and png2wxg: the product's picture files through
// the program's own reader, and the writer the artwork is made with.
#include "ConsoleMessages.h"
#include "Subcommand.h"

#include "graphics/GraphicFile.h"
#include "graphics/GraphicFileWriter.h"
#include "platform/Dib.h"

#include <QImage>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

namespace quenby::tool {

int RunWxgInfo(const QStringList& args) {
    if (args.size() != 1) {
        return Fail(QStringLiteral("usage: quenby-tool wxg-info FILE.wxg"));
    }
    ConsoleMessages messages;
    int transparent = 0, resolution = 0;
    const std::unique_ptr<Dib> picture =
        LoadGraphicFile(messages, args[0], transparent, &resolution);
    if (!picture) {
        return 1;
    }
    const QJsonObject o{{"width", picture->Width()},
                        {"height", picture->Height()},
                        {"transparent", transparent},
                        {"resolution", resolution}};
    const QByteArray json = QJsonDocument(o).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    return 0;
}

int RunWxg2Png(const QStringList& args) {
    if (args.size() != 2) {
        return Fail(QStringLiteral("usage: quenby-tool wxg2png IN.wxg OUT.png"));
    }
    ConsoleMessages messages;
    int transparent = 0;
    const std::unique_ptr<Dib> picture = LoadGraphicFile(messages, args[0], transparent);
    if (!picture) {
        return 1;
    }
    QImage image = picture->ToImage();
    if (transparent) {
        QList<QRgb> table = image.colorTable();
        table[wxg::kTransparentIndex] = qRgba(0, 0, 0, 0);
        image.setColorTable(table);
    }
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit()) {
        return Fail(QStringLiteral("cannot write %1: %2").arg(args[1], out.errorString()));
    }
    return 0;
}

int RunPng2Wxg(const QStringList& args) {
    const QString usage =
        QStringLiteral("usage: quenby-tool png2wxg IN.png OUT.wxg [--opaque] [--resolution 0|1]");
    QStringList files;
    wxg::WriteOptions options;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--opaque")) {
            options.transparent = false;
        } else if (args[i] == QLatin1String("--resolution") && i + 1 < args.size()) {
            const QString v = args[++i];
            if (v != QLatin1String("0") && v != QLatin1String("1"))
                return Fail(usage);
            options.resolution = std::uint8_t(v.toInt());
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return Fail(usage);
        } else {
            files.append(args[i]);
        }
    }
    if (files.size() != 2) {
        return Fail(usage);
    }
    QImageReader reader(files[0]);
    const QImage image = reader.read();
    if (image.isNull()) {
        return Fail(QStringLiteral("cannot read %1: %2").arg(files[0], reader.errorString()));
    }
    const std::vector<std::uint8_t> bytes = wxg::EncodeGraphicFile(image, options);
    if (bytes.empty()) {
        return Fail(QStringLiteral("%1 is too large for a graphic file").arg(files[0]));
    }
    QString error;
    if (!wxg::WriteFileAtomically(files[1], bytes, &error)) {
        return Fail(QStringLiteral("cannot write %1: %2").arg(files[1], error));
    }
    return 0;
}

}  // namespace quenby::tool
