// The busy quarter-fold card printed to PDF by quenby-tool at 600 and 300 dots per
// inch, beside the same content as an SVG sheet turned into a PDF by rsvg-convert,
// each a separate process timed from start to end: wall and CPU seconds, file size
// and the pictures each PDF stores. Without rsvg-convert the peer's row is skipped.
#include "BusyFace.h"
#include "BusySvg.h"

#include "document/DocumentFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace quenby {
namespace {

// The card as a document file and as an SVG sheet, written once for all rows.
struct PeerFiles {
    PeerFiles() {
        // QUENBY_PEER_DIR keeps the files (and the PDFs) there, to look at them.
        const QString kept = qEnvironmentVariable("QUENBY_PEER_DIR");
        folder = kept.isEmpty() ? dir.path() : kept;
        Document doc;
        bench::BuildBusyCard(doc);
        std::vector<std::uint8_t> bytes;
        wxd::WriteDocument(doc, bytes);
        wxdPath = FilePath(QStringLiteral("card.wxd"));
        svg = FilePath(QStringLiteral("card.svg"));
        QFile out(wxdPath);
        ok = out.open(QIODevice::WriteOnly) &&
             out.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
                 qint64(bytes.size());
        out.close();
        QFile sheet(svg);
        const QByteArray text = bench::CardSheetSvg(doc);
        ok = ok && sheet.open(QIODevice::WriteOnly) && sheet.write(text) == text.size();
    }
    QString FilePath(const QString& name) const { return QDir(folder).filePath(name); }

    QTemporaryDir dir;
    QString folder;
    QString wxdPath;
    QString svg;
    bool ok = false;
};

PeerFiles& Files() {
    static PeerFiles files;
    return files;
}

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The images a PDF stores and how many of them are JPEG, by pdfimages when it is
// there; -1 when not.
std::pair<int, int> StoredImages(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    if (tool.isEmpty()) {
        return {-1, -1};
    }
    QProcess list;
    list.start(tool, {QStringLiteral("-list"), pdf});
    if (!list.waitForFinished(120000)) {
        return {-1, -1};
    }
    // One line per use of an image; the object number tells the stored ones apart.
    QSet<QByteArray> images, jpeg;
    const QList<QByteArray> lines = list.readAllStandardOutput().split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {  // two lines of headings
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 11 || fields[2] == "smask" || fields[2] == "stencil") {
            continue;  // a picture's mask is part of the picture
        }
        images.insert(fields[10]);
        if (fields[8] == "jpeg") {
            jpeg.insert(fields[10]);
        }
    }
    return {int(images.size()), int(jpeg.size())};
}

// One process making `pdf`; the row reports its wall and CPU time and the result.
void RunToPdf(benchmark::State& state, const QString& program, const QStringList& args,
              const QString& pdf) {
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        QFile::remove(pdf);
        const double before = ChildCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(program, args);
        if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            state.SkipWithError(("failed: " + program.toStdString() + " " +
                                 process.readAllStandardError().left(200).toStdString())
                                    .c_str());
            return;
        }
        wall += timer.nsecsElapsed() / 1e9;
        cpu += ChildCpuSeconds() - before;
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    const double n = double(state.iterations());
    state.counters["wall_s"] = wall / n;
    state.counters["cpu_s"] = cpu / n;
    state.counters["pdf_MB"] = double(QFileInfo(pdf).size()) / 1e6;
    const auto [images, jpeg] = StoredImages(pdf);
    state.counters["images"] = images;
    state.counters["jpeg"] = jpeg;
}

// quenby-tool print at the row's printer resolution.
void BM_CardPdfByThisProgram(benchmark::State& state) {
    PeerFiles& files = Files();
    if (!files.ok) {
        state.SkipWithError("the card could not be written");
        return;
    }
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/quenby-tool");
    const int dpi = int(state.range(0));
    const QString pdf = files.FilePath(QStringLiteral("card-%1.pdf").arg(dpi));
    RunToPdf(state, tool,
             {QStringLiteral("print"), files.wxdPath, QStringLiteral("--out"), pdf,
              QStringLiteral("--printer-dpi"), QString::number(dpi)},
             pdf);
}
BENCHMARK(BM_CardPdfByThisProgram)
    ->Arg(600)
    ->Arg(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The same content as SVG, by rsvg-convert.
void BM_CardPdfByPeer(benchmark::State& state) {
    PeerFiles& files = Files();
    const QString peer = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (peer.isEmpty()) {
        state.SkipWithError("rsvg-convert is not installed (Debian package librsvg2-bin)");
        return;
    }
    if (!files.ok) {
        state.SkipWithError("the card could not be written");
        return;
    }
    const QString pdf = files.FilePath(QStringLiteral("card-peer.pdf"));
    RunToPdf(state, peer,
             {QStringLiteral("-f"), QStringLiteral("pdf"), QStringLiteral("-o"), pdf, files.svg},
             pdf);
}
BENCHMARK(BM_CardPdfByPeer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace quenby
