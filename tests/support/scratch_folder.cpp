#include "support/scratch_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vistrel::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vistrel-test-" << std::hex << random() << '-' << stamp << '-' << counter++;
        path_ = fs::temp_directory_path() / name.str();
        if (fs::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ScratchFolder::Path() const {
    return path_.string() + static_cast<char>(fs::path::preferred_separator);
}

std::string ScratchFolder::File(const std::string& name) const { return Path() + name; }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace vistrel::test
