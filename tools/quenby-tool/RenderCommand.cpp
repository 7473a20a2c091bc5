// quenby-tool render: one face of a document drawn into a picture, pixel for pixel as
// the page view draws it at that zoom, without the desk, flap or handles.
#include "ConsoleMessages.h"
#include "Subcommand.h"

#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "print/PaperLayout.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <memory>
#include <optional>

namespace quenby::tool {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 300;
// Beyond this a picture would take gigabytes; no face at 300 % comes near it.
constexpr qint64 kMaxPixels = qint64(200) << 20;

struct RenderOptions {
    QString in;
    QString out;
    int face = -1;
    int zoom = 0;
    double dpi = 96.0;
};

std::optional<int> IntValue(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

// Parses the arguments; a message on standard error and nothing for bad ones.
std::optional<RenderOptions> ParseOptions(const QStringList& args) {
    RenderOptions o;
    bool haveZoom = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--face") && hasValue) {
            const auto v = IntValue(args.at(++i));
            if (!v || *v < 0 || *v > 3) {
                Fail(QStringLiteral("render: --face takes a face number from 0 to 3"));
                return std::nullopt;
            }
            o.face = *v;
        } else if (a == QLatin1String("--zoom") && hasValue) {
            const auto v = IntValue(args.at(++i));
            if (!v || *v < kMinZoom || *v > kMaxZoom) {
                Fail(QStringLiteral("render: --zoom takes a percentage from %1 to %2")
                         .arg(kMinZoom)
                         .arg(kMaxZoom));
                return std::nullopt;
            }
            o.zoom = *v;
            haveZoom = true;
        } else if (a == QLatin1String("--out") && hasValue) {
            o.out = args.at(++i);
        } else if (a == QLatin1String("--dpi") && hasValue) {
            bool ok = false;
            o.dpi = args.at(++i).toDouble(&ok);
            if (!ok || o.dpi < 24.0 || o.dpi > 1200.0) {
                Fail(QStringLiteral("render: --dpi takes a resolution from 24 to 1200"));
                return std::nullopt;
            }
        } else if (o.in.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.in = a;
        } else {
            Fail(
                QStringLiteral("usage: quenby-tool render IN.wxd --face N --zoom Z --out OUT.png "
                               "[--dpi D]"));
            return std::nullopt;
        }
    }
    if (o.in.isEmpty() || o.out.isEmpty() || o.face < 0 || !haveZoom) {
        Fail(QStringLiteral(
            "usage: quenby-tool render IN.wxd --face N --zoom Z --out OUT.png [--dpi D]"));
        return std::nullopt;
    }
    return o;
}

}  // namespace

int RunRender(const QStringList& args) {
    const std::optional<RenderOptions> o = ParseOptions(args);
    if (!o) {
        return 1;
    }
    ConsoleMessages messages;
    auto loaded = std::make_unique<Document>();
    if (!DocumentController::LoadWithoutWindow(o->in, *loaded, messages)) {
        return 1;
    }
    const Document& doc = *loaded;
    if (doc.isCard != kCard && o->face != 0) {
        return Fail(QStringLiteral("render: a page set has only face 0"));
    }
    const QRect page = PageRect(doc, o->zoom, o->dpi / 25.4);
    if (page.isEmpty()) {
        return Fail(QStringLiteral("render: the document has no card or page layout yet"));
    }
    if (qint64(page.width()) * page.height() > kMaxPixels) {
        return Fail(QStringLiteral("render: the face would be %1 × %2 pixels, too large a picture")
                        .arg(page.width())
                        .arg(page.height()));
    }
    QImage image(page.size(), QImage::Format_RGB32);
    if (image.isNull()) {
        return Fail(QStringLiteral("render: not enough memory for the picture"));
    }
    image.fill(ToQColor(doc.pageColour));
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        DrawPage(doc, o->face, dc, FixedOwner(o->zoom), false, 0, 0);
    }
    QSaveFile file(o->out);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        return Fail(QStringLiteral("render: cannot write %1").arg(o->out));
    }
    return 0;
}

}  // namespace quenby::tool
