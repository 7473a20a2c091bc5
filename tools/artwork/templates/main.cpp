// Builds the template documents from their descriptions: one .wxd file per
// template in the numbered category folders of the program's Templates folder.
//
//   quenby-template-builder TEMPLATES.json PICTURES-FOLDER OUTPUT-FOLDER [--year N]
#include "TemplateBuilder.h"

#include "document/Document.h"
#include "document/DocumentFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cstdio>
#include <set>

using namespace quenby;

namespace {

constexpr int kCategories = 12;
// Documents are measured in quarter screen pixels; templates are laid out for the
// usual 96 dots per inch, as quenby-tool measures.
constexpr double kPixelsPerMm = 96.0 / 25.4;

int Fail(const QString& why) {
    std::fprintf(stderr, "quenby-template-builder: %s\n", qPrintable(why));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);  // fonts, for measuring the letters
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        return Fail(QStringLiteral(
            "usage: quenby-template-builder TEMPLATES.json PICTURES OUTPUT [--year N]"));
    }
    // Calendars are for the coming year: the year of the build, or the next one once
    // the last quarter has begun.
    const QDate today = QDate::currentDate();
    int year = today.month() >= 10 ? today.year() + 1 : today.year();
    const int yearAt = int(args.indexOf(QStringLiteral("--year")));
    if (yearAt > 0 && yearAt + 1 < args.size()) {
        year = args.at(yearAt + 1).toInt();
    }

    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (json.isNull()) {
        return Fail(QStringLiteral("%1: %2 at %3")
                        .arg(args.at(1), parseError.errorString())
                        .arg(parseError.offset));
    }

    // The category folders belong to this builder: start them afresh so that a
    // renamed template leaves no old copy behind.
    const QDir out(args.at(3));
    for (int c = 1; c <= kCategories; ++c) {
        QDir folder(out.filePath(QString::number(c)));
        if (folder.exists()) {
            for (const QString& old : folder.entryList({QStringLiteral("*.wxd")}, QDir::Files)) {
                folder.remove(old);
            }
        } else if (!out.mkpath(QString::number(c))) {
            return Fail(QStringLiteral("cannot make %1").arg(folder.path()));
        }
    }

    templates::TemplateBuilder builder(args.at(2), year, kPixelsPerMm);
    std::set<QString> written;
    int count = 0;
    for (const QJsonValue& v : json.object().value(QStringLiteral("templates")).toArray()) {
        const QJsonObject t = v.toObject();
        const int category = t.value(QStringLiteral("category")).toInt();
        const QString name = t.value(QStringLiteral("name")).toString();
        const QString where = QStringLiteral("%1/%2.wxd").arg(category).arg(name);
        if (category < 1 || category > kCategories || name.isEmpty() ||
            name.contains(QLatin1Char('/'))) {
            return Fail(QStringLiteral("bad category or name: %1").arg(where));
        }
        if (!written.insert(where).second) {
            return Fail(QStringLiteral("two templates named %1").arg(where));
        }
        Document doc;
        if (!builder.Build(t, doc)) {
            return Fail(where + QStringLiteral(": ") + builder.Errors().join(QStringLiteral("; ")));
        }
        std::vector<std::uint8_t> bytes;
        wxd::WriteDocument(doc, bytes);
        QSaveFile target(out.filePath(where));
        if (!target.open(QIODevice::WriteOnly) ||
            target.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
                qint64(bytes.size()) ||
            !target.commit()) {
            return Fail(QStringLiteral("cannot write %1").arg(target.fileName()));
        }
        ++count;
    }
    std::printf("%d templates written to %s\n", count, qPrintable(out.path()));
    return 0;
}
