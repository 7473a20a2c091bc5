#include "editing/PictureChooser.h"

#include "document/Element.h"
#include "graphics/GraphicFile.h"
#include "platform/ArtworkLocations.h"
#include "platform/Dib.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <cmath>
#include <limits>

namespace quenby {
namespace {

// Document units per picture pixel and screen pixel per millimetre: four units a
// screen pixel, and 25.4/72 or 25.4/150 millimetres a picture pixel.
constexpr float kUnitsAt72 = 1.411111108f;
constexpr float kUnitsAt150 = 0.677333332f;

}  // namespace

int PictureExtent(int pixels, int resolution, float pixelsPerMm) {
    const float k = resolution == 0 ? kUnitsAt72 : kUnitsAt150;
    const float extent = float(pixels) * pixelsPerMm * k;
    // Pictures are at most 32768 pixels each way; only an absurd screen resolution
    // could leave the int range.
    if (!(extent > 0.0f)) {
        return 0;
    }
    if (extent >= float(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return int(extent);
}

bool LoadPictureIntoElement(Element& element, const QString& path, float pixelsPerMm,
                            MessageBoxes& messages) {
    int transparent = 0;
    int resolution = 0;
    std::unique_ptr<Dib> picture = LoadGraphicFile(messages, path, transparent, &resolution);
    if (!picture) {
        messages.Show(ResourceString(str::kPictureNotLoaded), ResourceString(str::kErrorCaption));
        return false;
    }
    const int w = PictureExtent(picture->Width(), resolution, pixelsPerMm);
    const int h = PictureExtent(std::abs(picture->Height()), resolution, pixelsPerMm);
    const DocPoint c0 = element.corners[0];
    element.corners[1] = {c0.x + float(w), c0.y};
    element.corners[2] = {c0.x + float(w), c0.y + float(h)};
    element.corners[3] = {c0.x, c0.y + float(h)};
    element.transparent = std::uint8_t(transparent);
    element.picture = std::move(picture);
    return true;
}

bool ChoosePicture(Element& element, const std::optional<QString>& fileName, bool forCalendar,
                   const PictureContext& context) {
    const bool local =
        forCalendar ? context.locations.calendarsLocal : context.locations.imagesLocal;
    if (!local && !context.locations.CheckArtworkReachable(context.messages)) {
        return false;
    }
    std::optional<QString> path = fileName;
    if (!path) {
        path = context.picker ? context.picker->PickPicture(context) : std::nullopt;
        if (!path) {
            element.picture.reset();
            return false;
        }
    }
    return LoadPictureIntoElement(element, *path, context.pixelsPerMm, context.messages);
}

}  // namespace quenby
