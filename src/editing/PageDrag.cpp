#include "editing/PageDrag.h"

#include "editing/ToolContext.h"

namespace quenby {

PageDrag::PageDrag(EditingSession& session, ToolContext& context)
    : session_(session), context_(context) {}

PageDrag::~PageDrag() = default;

bool PageDrag::FeedbackStillShown() {
    return shown_ && generation_ == context_.SurfaceGeneration();
}

void PageDrag::FeedbackDrawn() {
    shown_ = true;
    generation_ = context_.SurfaceGeneration();
}

}  // namespace quenby
