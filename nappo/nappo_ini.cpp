#include "nappo/nappo_ini.h"

#include "clock/settings/ini_file.h"

namespace nappo {

bool ReadUseDll(const std::string& path) {
    return vistrel::IniFile(path).ReadBool("General", "UseDll", true);
}

void WriteNappoIni(const std::string& path, bool use_dll) {
    // Starting from empty content instead of the file on disk drops whatever else it held; the
    // atomic save replaces the old file in one step, so a failed save leaves it whole.
    vistrel::IniFile fresh(path, "");
    fresh.WriteBool("General", "UseDll", use_dll);
    fresh.UpdateFile();
}

} // namespace nappo
