#pragma once

// A program folder of its own for each test, with picture categories and calendar
// artwork written as real graphic files.
#include "editing/PictureChooser.h"
#include "graphics/GraphicFileWriter.h"
#include "platform/ArtworkLocations.h"
#include "platform/Dib.h"
#include "support/ByteBuilder.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace quenby::test {

// No volume at all: the artwork CD is never found.
class NoVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override {
        return std::vector<MountedVolume>{};
    }
};

// An 8-bit picture: palette index 1 red, 2 blue, 255 white; every pixel `index`.
inline std::unique_ptr<Dib> SolidPicture(int width, int height, std::uint8_t index = 1) {
    auto picture = Dib::Create(width, height, 8);
    picture->SetColour(1, 0xFF0000);
    picture->SetColour(2, 0x0000FF);
    picture->SetColour(255, 0xFFFFFF);
    for (std::uint8_t& b : picture->Bits()) {
        b = index;
    }
    return picture;
}

inline std::vector<std::uint8_t> PictureFile(int width, int height, std::uint8_t resolution = 1,
                                             bool transparent = true, std::uint8_t index = 1) {
    return wxg::EncodeGraphicFile(*SolidPicture(width, height, index),
                                  wxg::WriteOptions{transparent, resolution});
}

// A file with the signature and then garbage: refused by the reader.
inline std::vector<std::uint8_t> DamagedFile() {
    ByteBuilder b;
    b.text("Wexmoor Arts").zeros(52).fill(40, 0x5A);
    return b.bytes;
}

// The program folder with its artwork, the locations over it and the context the
// chooser and the calendar get.
struct ArtworkFolder {
    QTemporaryDir dir;
    NoVolumes volumes;
    ArtworkLocations locations{dir.path() + u'/', volumes};
    FakeMessages messages;
    PictureContext context{locations, messages, 0, 96.0f / 25.4f, nullptr};

    ArtworkFolder() {
        locations.imagesLocal = true;
        locations.calendarsLocal = true;
    }

    QString Path(const QString& relative) const { return dir.filePath(relative); }

    // Writes `bytes` to `relative` below the program folder, making its folders.
    QString Put(const QString& relative, const std::vector<std::uint8_t>& bytes) const {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        return WriteFile(path, bytes);
    }
};

// Every control a user can reach has a name the accessibility tools can read.
inline void ExpectAccessibleNames(const QWidget& root) {
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        const bool control = qobject_cast<const QAbstractButton*>(w) ||
                             qobject_cast<const QAbstractItemView*>(w) ||
                             qobject_cast<const QAbstractSpinBox*>(w);
        if (control) {
            EXPECT_FALSE(w->accessibleName().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
}

}  // namespace quenby::test
