// Some drivers and libraries change the floating-point control word of the process they are
// loaded into. With "/fpu" on the command line the clock puts it back at fixed points (start-up,
// every new second, around each layer of the face, after loading the dial-up library).
#pragma once

#include <cstdint>

namespace vistrel {

// The x87 control word the program resets to: 64-bit precision, round to nearest, every
// exception masked. (Unmasked exceptions would turn a stray division by zero into a crash,
// because C++ does not catch the processor's trap.)
inline constexpr std::uint16_t kProgramFpuControlWord = 0x133F;
// The SSE control and status register the program resets to: all exceptions masked, round to
// nearest, denormals kept.
inline constexpr std::uint32_t kProgramSseControl = 0x1F80;

// The process-wide "/fpu" flag; off by default.
void SetResetFpu(bool on);
bool ResetFpuEnabled();

// Resets the control words to the program's values when the flag is set; otherwise nothing.
void ResetFpu();

// The current control words (for checks; 0 where the processor has none).
std::uint16_t CurrentFpuControlWord();
std::uint32_t CurrentSseControl();

} // namespace vistrel
