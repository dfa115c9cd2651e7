// Puts a test's stand-in in place of one of the program's seams for one scope and restores the
// one before (normally the test program's guard).
#pragma once

namespace vistrel::test {

template <class Service, Service* (*Install)(Service*)> class ScopedStandIn {
public:
    explicit ScopedStandIn(Service& stand_in) : previous_(Install(&stand_in)) {}
    ~ScopedStandIn() { Install(previous_); }
    ScopedStandIn(const ScopedStandIn&) = delete;
    ScopedStandIn& operator=(const ScopedStandIn&) = delete;

private:
    Service* previous_;
};

} // namespace vistrel::test
