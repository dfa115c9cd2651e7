#include "clock/common/fpu.h"

#include <atomic>

namespace vistrel {

namespace {
std::atomic<bool> g_reset_fpu{false};

#if defined(__x86_64__) || defined(__i386__)
void LoadControlWords(std::uint16_t x87, std::uint32_t sse) {
    asm volatile("fldcw %0" : : "m"(x87));
    asm volatile("ldmxcsr %0" : : "m"(sse));
}
#else
void LoadControlWords(std::uint16_t, std::uint32_t) {}
#endif
} // namespace

void SetResetFpu(bool on) { g_reset_fpu = on; }
bool ResetFpuEnabled() { return g_reset_fpu; }

void ResetFpu() {
    if (g_reset_fpu) LoadControlWords(kProgramFpuControlWord, kProgramSseControl);
}

std::uint16_t CurrentFpuControlWord() {
#if defined(__x86_64__) || defined(__i386__)
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
#else
    return 0;
#endif
}

std::uint32_t CurrentSseControl() {
#if defined(__x86_64__) || defined(__i386__)
    std::uint32_t word = 0;
    asm volatile("stmxcsr %0" : "=m"(word));
    return word;
#else
    return 0;
#endif
}

} // namespace vistrel
