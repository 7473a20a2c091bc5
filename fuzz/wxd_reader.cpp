// Feeds arbitrary bytes to the document reader, then writes what it read and
// reads that back: the second read must succeed and reproduce the same bytes.
#include "FuzzTarget.h"

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "platform/ByteSource.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace quenby::fuzz {

int WxdReader(const std::uint8_t* data, std::size_t size) {
    auto doc = std::make_unique<Document>();
    MemorySource source(std::span<const std::uint8_t>(data, size));
    if (wxd::ReadDocument(source, *doc) == wxd::ReadOutcome::NotADocument) {
        return 0;
    }
    std::vector<std::uint8_t> written;
    wxd::WriteDocument(*doc, written);

    auto again = std::make_unique<Document>();
    MemorySource second(written);
    if (wxd::ReadDocument(second, *again) != wxd::ReadOutcome::Loaded) {
        std::abort();  // the program could not read its own file
    }
    std::vector<std::uint8_t> rewritten;
    wxd::WriteDocument(*again, rewritten);
    if (rewritten != written) {
        std::abort();
    }
    return 0;
}

}  // namespace quenby::fuzz
