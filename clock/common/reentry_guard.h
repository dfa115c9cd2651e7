// A place that lets messages run outside the main loop (ProcessMessages, a wait with messages, a
// modal loop) can be reached again from a message it dispatches: a tick, a click, a timer. Each
// such place owns a ReentryGuard; a Scope marks it busy while it lets messages run, and a call
// that finds it busy is refused. ARCHITECTURE.md lists every place and what it keeps out.
#pragma once

#include <optional>

namespace vistrel {

class ReentryGuard {
public:
    // Marks the place busy for its lifetime. Scopes nest: the place stays busy until the
    // outermost one ends.
    class [[nodiscard]] Scope {
    public:
        explicit Scope(ReentryGuard& guard) noexcept : guard_(&guard) { ++guard_->depth_; }
        Scope(Scope&& other) noexcept : guard_(other.guard_) { other.guard_ = nullptr; }
        ~Scope() {
            if (guard_) --guard_->depth_;
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Scope& operator=(Scope&&) = delete;

    private:
        ReentryGuard* guard_;
    };

    ReentryGuard() = default;
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    bool Busy() const noexcept { return depth_ > 0; }
    // A scope when the place is free; nothing when it is busy: the re-entrant call is refused.
    std::optional<Scope> Enter() noexcept {
        if (Busy()) return std::nullopt;
        return std::optional<Scope>(std::in_place, *this);
    }

private:
    int depth_ = 0;
};

} // namespace vistrel
