// Replays a fuzz target's corpus: every file in the folder is fed to the target
// once. A crash or abort fails the test; otherwise it prints how many ran.
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace {

quenby::fuzz::Entry Lookup(const char* name) {
    if (std::strcmp(name, "wxd_reader") == 0)
        return quenby::fuzz::WxdReader;
    if (std::strcmp(name, "settings_reader") == 0)
        return quenby::fuzz::SettingsReader;
    if (std::strcmp(name, "wxg_reader") == 0)
        return quenby::fuzz::WxgReader;
    if (std::strcmp(name, "drawing_path") == 0)
        return quenby::fuzz::DrawingPath;
    return nullptr;
}

}  // namespace

// The font database keeps fontconfig's answers about font names in memory it never
// frees; replaying documents that name made-up fonts would otherwise report it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: quenby_fuzz_replay TARGET CORPUS_FOLDER\n", stderr);
        return 2;
    }
    const quenby::fuzz::Entry entry = Lookup(argv[1]);
    if (!entry) {
        std::fprintf(stderr, "unknown fuzz target %s\n", argv[1]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no corpus in %s\n", argv[2]);
        return 1;
    }
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed through %s\n", static_cast<long long>(files.size()), argv[1]);
    return 0;
}
