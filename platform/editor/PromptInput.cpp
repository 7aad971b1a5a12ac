#include "editor/PromptInput.h"

namespace platform {

namespace {

PromptRequest& Current() {
    static PromptRequest request;
    return request;
}

PromptRequest Of(PromptKind kind) {
    PromptRequest request;
    request.kind = kind;
    return request;
}

}  // namespace

const PromptRequest& CurrentPrompt() { return Current(); }

ScopedPrompt::ScopedPrompt(const PromptRequest& request) : m_previous(Current()) { Current() = request; }

ScopedPrompt::ScopedPrompt(PromptKind kind) : ScopedPrompt(Of(kind)) {}

ScopedPrompt::~ScopedPrompt() { Current() = m_previous; }

}  // namespace platform
