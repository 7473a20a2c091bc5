#include "Subcommand.h"

#include "graphics/ProductFonts.h"
#include "platform/ArtworkLocations.h"
#include "platform/ProcessSignals.h"

#include <QGuiApplication>

#include <cstdio>

using quenby::tool::Subcommand;

namespace {

const Subcommand kSubcommands[] = {
    {"info", "info FILE.wxd", quenby::tool::RunInfo},
    {"resave", "resave IN.wxd OUT.wxd", quenby::tool::RunResave},
    {"render", "render IN.wxd --face N --zoom Z --out OUT.png [--dpi D]", quenby::tool::RunRender},
    {"wxg-info", "wxg-info FILE.wxg", quenby::tool::RunWxgInfo},
    {"wxg2png", "wxg2png IN.wxg OUT.png", quenby::tool::RunWxg2Png},
    {"png2wxg", "png2wxg IN.png OUT.wxg [--opaque] [--resolution 0|1]", quenby::tool::RunPng2Wxg},
    {"print", "print IN.wxd --out OUT.pdf [--dpi D] [--printer-dpi P]", quenby::tool::RunPrint},
};

int Usage() {
    std::fputs("usage: quenby-tool COMMAND ...\n", stderr);
    for (const Subcommand& s : kSubcommands) {
        std::fprintf(stderr, "  quenby-tool %s\n", s.usage);
    }
    return 1;
}

}  // namespace

namespace quenby::tool {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace quenby::tool

int main(int argc, char** argv) {
    // Past a file-size limit (ulimit -f) a write fails and the command says so, instead
    // of the process ending on a signal without a word.
    quenby::IgnoreFileSizeLimitSignal();
    // The same engine as the program, without a screen: fonts and drawing work
    // on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    // Documents name the product typefaces; draw them as the program does.
    quenby::RegisterProductFonts(quenby::ArtworkLocations::DefaultProgramFolder());
    QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        return Usage();
    }
    const QString name = args.at(1);
    args.remove(0, 2);
    for (const Subcommand& s : kSubcommands) {
        if (name == QLatin1String(s.name)) {
            return s.run(args);
        }
    }
    return Usage();
}
