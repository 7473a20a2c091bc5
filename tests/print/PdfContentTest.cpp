// What a printed PDF file holds: every picture once, at its own pixels and stored
// without loss, and a file with the permissions of any new file of the user's.
#include "PrintTestSupport.h"

#include "platform/Dib.h"
#include "platform/MessageBoxes.h"
#include "print/PdfExport.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace quenby {
namespace {

constexpr double kScreenPixelsPerMm = 96 / 25.4;

// One image object of a PDF file as Qt writes it.
struct PdfImage {
    int object = 0;
    int width = 0;
    int height = 0;
    QString filter;
    int mask = 0;  // object number of its transparency, 0 without one
};

std::vector<PdfImage> PdfImages(const QByteArray& pdf) {
    std::vector<PdfImage> images;
    // The dictionary of each object up to its stream; image dictionaries hold no
    // nested dictionaries.
    static const QRegularExpression object(QStringLiteral("(\\d+) 0 obj\\s*<<([^>]*)>>"));
    static const auto field = [](const QString& dict, const QString& name) {
        const QRegularExpression re(QStringLiteral("/%1\\s*(/?\\w+)").arg(name));
        const auto m = re.match(dict);
        return m.hasMatch() ? m.captured(1) : QString();
    };
    auto it = object.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto m = it.next();
        const QString dict = m.captured(2);
        if (field(dict, QStringLiteral("Subtype")) != QStringLiteral("/Image")) {
            continue;
        }
        images.push_back({m.captured(1).toInt(), field(dict, QStringLiteral("Width")).toInt(),
                          field(dict, QStringLiteral("Height")).toInt(),
                          field(dict, QStringLiteral("Filter")),
                          std::max(field(dict, QStringLiteral("Mask")).toInt(),
                                   field(dict, QStringLiteral("SMask")).toInt())});
    }
    return images;
}

// A picture of `width` × `height` in colours of its own, with a transparent (255)
// frame around a striped middle when `transparent`.
std::unique_ptr<Dib> Picture(int width, int height, int seed, bool transparent) {
    std::unique_ptr<Dib> dib = Dib::Create(width, height, 8);
    for (int i = 0; i < 255; ++i) {
        dib->SetColour(i, std::uint32_t((i * 5 + seed * 70) & 0xFF) << 16 |
                              std::uint32_t((i * 11 + seed) & 0xFF) << 8 | std::uint32_t(i));
    }
    auto bits = dib->Bits();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool edge = x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
            bits[std::size_t(y) * dib->Stride() + std::size_t(x)] =
                transparent && edge ? 255 : std::uint8_t((x + y * 3 + seed) % 250);
        }
    }
    return dib;
}

void AddPicture(Document& doc, const Dib& picture, float x, float y, bool transparent,
                bool turned = false) {
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Picture;
    e->selected = 0;
    e->outlineOn = 0;
    e->transparent = transparent;
    e->halfTurned = turned;
    e->picture = picture.Clone();
    // 384 × 256 units: 600 × 400 dots at 600 dpi, ten dots a pixel of a 60 × 40 picture.
    e->corners = {DocPoint{x, y}, DocPoint{x + 384, y}, DocPoint{x + 384, y + 256},
                  DocPoint{x, y + 256}};
    doc.elements.Append(std::move(e));
}

class PdfContentTest : public ::testing::Test {
protected:
    QByteArray Print(const Document& doc, int dpi) {
        SilentMessageBoxes messages;
        EXPECT_TRUE(PrintDocumentToPdf(doc, path, dpi, kScreenPixelsPerMm, messages));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("card.pdf"));
};

TEST_F(PdfContentTest, EachPictureIsStoredOnceAtItsOwnPixelsWithoutLoss) {
    auto doc = test::MakeCard(4);
    std::vector<std::unique_ptr<Dib>> pictures;
    for (int i = 0; i < 3; ++i) {
        pictures.push_back(Picture(60, 40, i, true));
    }
    const std::unique_ptr<Dib> opaque = Picture(60, 40, 7, false);
    // Each picture twice (copies hold copies of the bitmap), one of them also turned.
    for (int i = 0; i < 3; ++i) {
        AddPicture(*doc, *pictures[std::size_t(i)], 64.0f * i, 0, true);
        AddPicture(*doc, *pictures[std::size_t(i)], 64.0f * i, 640, true);
    }
    AddPicture(*doc, *pictures[0], 0, 1280, true, true);
    AddPicture(*doc, *opaque, 640, 0, false);
    AddPicture(*doc, *opaque, 640, 640, false);

    for (const int dpi : {600, 300}) {
        SCOPED_TRACE(dpi);
        const std::vector<PdfImage> images = PdfImages(Print(*doc, dpi));
        std::vector<int> masks;
        for (const PdfImage& image : images) {
            EXPECT_NE(image.filter, QStringLiteral("/DCTDecode")) << "image " << image.object;
            if (image.mask) {
                masks.push_back(image.mask);
            }
        }
        int pictureImages = 0;
        for (const PdfImage& image : images) {
            if (std::find(masks.begin(), masks.end(), image.object) != masks.end()) {
                continue;  // the transparency of a picture
            }
            ++pictureImages;
            if (dpi == 600) {
                // Whole-number scales: the picture's own pixels, scaled by the file.
                EXPECT_EQ(image.width, 60) << "image " << image.object;
                EXPECT_EQ(image.height, 40) << "image " << image.object;
            }
        }
        // Three transparent pictures, the turned one, the opaque one: each once, also
        // where the scale is not whole and a transparent picture is composed at the
        // printer's pixels (once for all its copies at one size).
        EXPECT_EQ(pictureImages, 5);
        EXPECT_EQ(masks.size(), 4u);
    }
}

TEST_F(PdfContentTest, APrintedFileGetsANewFilesPermissions) {
    auto doc = test::MakeCard(4);
    test::AddBox(*doc, 0, 10, 10, 100, 100);
    const mode_t mask = ::umask(022);
    Print(*doc, 150);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

}  // namespace
}  // namespace quenby
