#pragma once

// No mounted volume at all: the benchmarks read the artwork of the program folder and
// never look for the artwork CD.
#include "platform/ArtworkLocations.h"

namespace quenby::bench {

class NoVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override {
        return std::vector<MountedVolume>{};
    }
};

}  // namespace quenby::bench
