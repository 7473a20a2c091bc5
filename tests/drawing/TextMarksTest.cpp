// Accented capitals keep their marks on their letter; long, empty and odd texts draw;
// the automatic colour draws as black.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/TextDrawing.h"
#include "graphics/FontMapping.h"

#include <QPainterPath>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace quenby {
namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;

// A text or circular text in bold DejaVu Sans; the circle's centre is at (1200, 1200)
// document units, its outer radius 1000.
constexpr float kCentre = 1200;
ElementPtr MarkedText(ElementKind kind, const QString& text, bool turned) {
    ElementPtr e = test::BoxElement(kind, 200, 200, 2000, 400);
    if (kind == ElementKind::CircularText) {
        const DocPoint c0{kCentre, kCentre};
        e->corners = {c0, DocPoint{c0.x + 500, c0.y}, DocPoint{c0.x + 1000, c0.y},
                      DocPoint{c0.x - 500, c0.y}};
    }
    e->text->SetText(text);
    e->text->font.SetFace(QStringLiteral("DejaVu Sans"));
    e->text->font.height = -100;
    e->text->font.weight = 700;
    if (turned) {
        e->text->circleTurned = 1;
        RotateElement(*e, kHalfTurn, kCentre, kCentre);
    }
    return e;
}

// Where a painted pixel lies along the text: its column for a text, its angle about the
// circle's centre (in half degrees) for a circular text, counted from the side of the
// circle away from the letters so that no text runs across the count's start.
struct AlongText {
    bool circular;
    QPointF centre;
    bool turned = false;
    int operator()(int x, int y) const {
        if (!circular) {
            return x;
        }
        constexpr double pi = std::numbers::pi;
        const double a = std::atan2(centre.y() - (y + 0.5), (x + 0.5) - centre.x());
        const double start = turned ? pi / 2 : -pi / 2;
        return int(std::fmod(a - start + 4 * pi, 2 * pi) * 360.0 / pi);
    }
};

std::vector<int> Histogram(const QImage& image, const AlongText& along, int size) {
    std::vector<int> h(std::size_t(size), 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != kWhitePixel) {
                ++h[std::size_t(std::clamp(along(x, y), 0, size - 1))];
            }
        }
    }
    return h;
}

// The runs of non-empty places: one per letter when letters do not touch.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& h) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < int(h.size()); ++i) {
        if (h[std::size_t(i)] == 0) {
            continue;
        }
        if (!runs.empty() && runs.back().second == i - 1) {
            runs.back().second = i;
        } else {
            runs.push_back({i, i});
        }
    }
    return runs;
}

struct Scene {
    int zoom;
    bool printing;
    ElementKind kind;
    bool turned;
};

std::string Describe(const Scene& s, const QString& letter) {
    return QStringLiteral("%1 zoom %2%3%4")
        .arg(letter)
        .arg(s.zoom)
        .arg(s.kind == ElementKind::CircularText ? QStringLiteral(" circular") : QString())
        .arg(QString(s.turned ? QStringLiteral(" turned") : QString()) +
             (s.printing ? QStringLiteral(" printing") : QString()))
        .toStdString();
}

QImage DrawScene(const Scene& s, const QString& text) {
    FixedOwner owner(s.zoom, {}, s.printing);
    ElementPtr e = MarkedText(s.kind, text, s.turned);
    const int size = int(2 * kCentre) * s.zoom / 400 + 2;
    return test::Render(
        size, size, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); }, s.printing);
}

std::vector<Scene> Scenes() {
    std::vector<Scene> scenes;
    for (int zoom : {25, 100, 300}) {
        scenes.push_back({zoom, false, ElementKind::Text, false});
    }
    // Below 100 % the letters of these circles touch one another.
    for (int zoom : {100, 300}) {
        scenes.push_back({zoom, false, ElementKind::CircularText, false});
        scenes.push_back({zoom, false, ElementKind::CircularText, true});
    }
    scenes.push_back({100, true, ElementKind::Text, false});
    scenes.push_back({100, true, ElementKind::CircularText, false});
    return scenes;
}

TEST(TextMarks, EveryMarkOfAnAccentedCapitalLiesOverItsOwnLetter) {
    // The same text with the plain letter and with the accented one: both begin with
    // the accented letter, so that the letters have the same height in both and only
    // the mark of the fifth letter differs.
    const std::vector<std::pair<QString, QString>> letters = {
        {QStringLiteral("Á"), QStringLiteral("A")}, {QStringLiteral("É"), QStringLiteral("E")},
        {QStringLiteral("Í"), QStringLiteral("I")}, {QStringLiteral("Ó"), QStringLiteral("O")},
        {QStringLiteral("Ú"), QStringLiteral("U")}, {QStringLiteral("Ñ"), QStringLiteral("N")},
        {QStringLiteral("Ü"), QStringLiteral("U")}};
    for (const Scene& scene : Scenes()) {
        const AlongText along{scene.kind == ElementKind::CircularText,
                              QPointF(kCentre * scene.zoom / 400, kCentre * scene.zoom / 400),
                              scene.turned};
        const int places = along.circular ? 720 : int(2 * kCentre) * scene.zoom / 400 + 2;
        for (const auto& [accented, plain] : letters) {
            const QString head = accented + QStringLiteral("HHH");
            const QImage withMark = DrawScene(scene, head + accented + QStringLiteral("HHH"));
            const QImage without = DrawScene(scene, head + plain + QStringLiteral("HHH"));
            QImage mark = withMark;
            for (int y = 0; y < mark.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(mark.scanLine(y));
                const auto* plainLine = reinterpret_cast<const QRgb*>(without.constScanLine(y));
                for (int x = 0; x < mark.width(); ++x) {
                    if (plainLine[x] != kWhitePixel) {
                        line[x] = kWhitePixel;
                    }
                }
            }
            const auto markRuns = Runs(Histogram(mark, along, places));
            ASSERT_FALSE(markRuns.empty()) << Describe(scene, accented);
            const int markMiddle = (markRuns.front().first + markRuns.back().second) / 2;
            // The mark is centred over the fifth letter of the plain text (counted against
            // the text on a circle that is not turned).
            const auto letterRuns = Runs(Histogram(without, along, places));
            ASSERT_EQ(letterRuns.size(), 8u) << Describe(scene, accented);
            const auto fifth = letterRuns[along.circular && !scene.turned ? 3 : 4];
            EXPECT_GE(markMiddle, fifth.first - 1) << Describe(scene, accented);
            EXPECT_LE(markMiddle, fifth.second + 1) << Describe(scene, accented);
        }
    }
}

TEST(TextMarks, InvertedMarksStayWholeBetweenTheirNeighbours) {
    // "¡" and "¿" are one letter each: the text shows five letters, not six.
    for (const Scene& scene : Scenes()) {
        const AlongText along{scene.kind == ElementKind::CircularText,
                              QPointF(kCentre * scene.zoom / 400, kCentre * scene.zoom / 400),
                              scene.turned};
        const int places = along.circular ? 720 : int(2 * kCentre) * scene.zoom / 400 + 2;
        for (const QString& letter : {QStringLiteral("¡"), QStringLiteral("¿")}) {
            if (scene.zoom < 100) {
                continue;  // at a quarter of their size the letters touch
            }
            const QImage image =
                DrawScene(scene, QStringLiteral("HH") + letter + QStringLiteral("HH"));
            EXPECT_EQ(Runs(Histogram(image, along, places)).size(), 5u) << Describe(scene, letter);
        }
    }
}

TEST(TextFill, LettersFilledOrClippedCoverTheSamePixels) {
    // Letters are filled figure by figure on images; a gradient paints through a clip of
    // the same letters. Both must cover the same pixels, and those of a whole-path fill
    // but for edge pixels.
    FixedOwner owner(100);
    for (ElementKind kind : {ElementKind::Text, ElementKind::CircularText}) {
        ElementPtr e = MarkedText(kind, QStringLiteral("¡Feliz AÑO, 8 & @!"), false);
        e->text->font.SetFace(QStringLiteral("DejaVu Serif"));
        const QPainterPath letters =
            *WarpPath(LayoutTextPath(*e->text, MapLogFont(e->text->font)), EnvelopeOf(*e, owner));
        const QImage whole = test::Render(
            1200, 1200, [&](DeviceContext& dc) { dc.Painter().fillPath(letters, Qt::black); });
        const QImage filled = test::Render(1200, 1200, [&](DeviceContext& dc) {
            dc.SetSolidBrush(kBlack);
            dc.FillPath(letters);
        });
        const QImage clipped = test::Render(1200, 1200, [&](DeviceContext& dc) {
            dc.ClipToPath(letters);
            dc.Painter().fillRect(0, 0, 1200, 1200, Qt::black);
        });
        int differ = 0, clipDiffers = 0;
        const int painted = test::CountPixels(whole, qRgb(0, 0, 0));
        for (int y = 0; y < 1200; ++y) {
            for (int x = 0; x < 1200; ++x) {
                differ += whole.pixel(x, y) != filled.pixel(x, y);
                clipDiffers += clipped.pixel(x, y) != filled.pixel(x, y);
            }
        }
        EXPECT_GT(painted, 10000);
        EXPECT_LT(differ, painted / 40);
        EXPECT_EQ(clipDiffers, 0);
        // The counters of the letters stay open.
        const QRect box = test::PaintedBox(filled);
        EXPECT_LT(test::CountPixels(filled, qRgb(0, 0, 0)), box.width() * box.height() / 2);
    }
}

TEST(TextDrawing, LongEmptyAndOddTextsDrawWithinTheirFrame) {
    FixedOwner owner(300);
    struct Case {
        QString text;
        std::int32_t height;
        QString face;
    };
    const std::vector<Case> cases = {
        {QString(499, QChar(u'Ñ')), -100, QStringLiteral("DejaVu Sans")},
        {QString(499, QChar(u'W')), 0, QStringLiteral("No Such Face")},
        {QStringLiteral("Hola"), 2147483647, QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Hola"), -2147483647 - 1, QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Hola"), 1, QStringLiteral("")},
        {QStringLiteral("\r\n\r\n\r\n"), -100, QStringLiteral("DejaVu Sans")},
    };
    for (ElementKind kind : {ElementKind::Text, ElementKind::CircularText}) {
        for (const Case& c : cases) {
            ElementPtr e = MarkedText(kind, c.text, false);
            e->text->font.height = c.height;
            e->text->font.SetFace(c.face);
            e->text->outlineOn = 1;
            e->text->shadowOn = 1;
            e->text->fillStyle = kRadialGradient;
            const QImage image = test::Render(1500, 1500, [&](DeviceContext& dc) {
                DrawElementBody(*e, dc, owner);
                DrawElementOutline(*e, dc, owner);
            });
            const QRect painted = test::PaintedBox(image);
            if (c.text.startsWith(QLatin1Char('\r'))) {
                EXPECT_TRUE(painted.isEmpty());
                continue;
            }
            EXPECT_FALSE(painted.isEmpty()) << c.height;
            const QRect frame =
                ElementDeviceRect(*e, owner).adjusted(-20, -20, 20, 20);  // shadow, pen
            EXPECT_TRUE(frame.contains(painted)) << c.height;
        }
    }
}

TEST(TextDrawing, TheAutomaticColourDrawsAsBlack) {
    FixedOwner owner(100);
    ElementPtr e = MarkedText(ElementKind::Text, QStringLiteral("HH"), false);
    e->text->fillColour = 0xFF000000;
    const QImage letters =
        test::Render(1200, 400, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); });
    EXPECT_GT(test::CountPixels(letters, qRgb(0, 0, 0)), 1000);

    ElementPtr box = test::BoxElement(ElementKind::Box, 40, 40, 400, 400);
    box->fillOn = 1;
    box->fillColour = 0xFF000000;
    box->outlineOn = 1;
    box->outlineColour = 0xFF000000;
    const QImage shape = test::Render(200, 200, [&](DeviceContext& dc) {
        DrawElementBody(*box, dc, owner);
        DrawElementOutline(*box, dc, owner);
    });
    const QRect painted = test::PaintedBox(shape);
    EXPECT_GE(painted.width(), 100);
    EXPECT_EQ(test::CountPixels(shape, qRgb(0, 0, 0)),
              shape.width() * shape.height() - test::CountPixels(shape, kWhitePixel));
}

}  // namespace
}  // namespace quenby
