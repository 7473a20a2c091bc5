#pragma once

#include <QString>

#include <optional>

namespace quenby {

class ArtworkLocations;
class Dib;
class MessageBoxes;
class PicturePicker;
struct Element;

// What choosing and loading a picture needs from the program around it. The tool
// that places a picture or a calendar fills one in at each use, so that the
// language and the screen's resolution are read afresh.
struct PictureContext {
    // Where the artwork lies; its imagesLocal and calendarsLocal say whether pictures
    // and calendar artwork come from the program folder or from the artwork CD.
    const ArtworkLocations& locations;
    MessageBoxes& messages;
    // The installation's language number: picks the pictures with words and the
    // calendar's weekday names.
    int language = 0;
    // Screen pixels per millimetre: a picture's element size depends on it.
    float pixelsPerMm = 96.0f / 25.4f;
    // The image library dialog; without one only named files can be loaded.
    PicturePicker* picker = nullptr;
};

// The image library as the engine sees it: lets the user pick a picture.
class PicturePicker {
public:
    virtual ~PicturePicker() = default;
    // The full path of the picture the user imported; nothing when cancelled.
    virtual std::optional<QString> PickPicture(const PictureContext& context) = 0;
};

// Fills a picture element: the artwork check (unless the artwork is in the program
// folder), then the picture named by `fileName`, or, when none is given, the one the
// user picks in the image library. The element's first corner must be set; on
// success it owns the picture, its transparent flag follows the file and its other
// three corners give it the picture's size on paper. Returns false when the artwork
// cannot be reached, the user cancels or the file cannot be loaded (after message
// 8016); the caller then removes the half-made element.
bool ChoosePicture(Element& element, const std::optional<QString>& fileName, bool forCalendar,
                   const PictureContext& context);

// The load-and-size step of ChoosePicture without the artwork check: message 8016
// when the file cannot be loaded, and the element left as it was.
bool LoadPictureIntoElement(Element& element, const QString& path, float pixelsPerMm,
                            MessageBoxes& messages);

// Width and height in document units of a picture of `pixels` with resolution byte
// `resolution` (0: 72 pixels per inch, otherwise 150), on a screen of `pixelsPerMm`.
int PictureExtent(int pixels, int resolution, float pixelsPerMm);

}  // namespace quenby
