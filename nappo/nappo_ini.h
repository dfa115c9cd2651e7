// "Nappo.Ini" beside the program: section "General", key "UseDll". The manager writes it anew at
// every close with that one key, so the file never holds anything else.
#pragma once

#include <string>

namespace nappo {

inline constexpr char kNappoIniName[] = "Nappo.Ini";

// True (hook mode) when the file or the key is missing.
bool ReadUseDll(const std::string& path);

// Replaces the file by one holding only UseDll. Throws vistrel::Error when it cannot be saved;
// the old file then stays as it was.
void WriteNappoIni(const std::string& path, bool use_dll);

} // namespace nappo
