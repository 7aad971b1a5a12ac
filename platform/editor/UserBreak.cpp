#include "editor/UserBreak.h"

#include "editor/Console.h"

namespace platform {
namespace {

UserBreakPoll& Poll() {
    static UserBreakPoll poll;
    return poll;
}

}  // namespace

UserBreakPoll SetUserBreakPoll(UserBreakPoll poll) {
    UserBreakPoll previous = std::move(Poll());
    Poll() = std::move(poll);
    return previous;
}

}  // namespace platform

int acedUsrBrk() {
    if (platform::TakeInterrupt()) return 1;
    const platform::UserBreakPoll& poll = platform::Poll();
    return poll && poll() ? 1 : 0;
}
