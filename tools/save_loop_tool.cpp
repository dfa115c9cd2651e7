// Test driver for interrupted saves: writes one of two versions of a file, alternately, for
// ever, through the program's atomic save. A test kills it at random moments and then checks
// that the file is always one whole version, never a mix or a truncation.
//   save_loop <path> <bytes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock/common/file_io.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string path = argv[1];
    const std::size_t size = static_cast<std::size_t>(std::atol(argv[2]));
    const std::string versions[2] = {std::string(size, 'A'), std::string(size, 'B')};
    for (unsigned long i = 0;; ++i) {
        vistrel::WriteFileAtomic(path, versions[i % 2]);
        if (i == 0) {
            std::printf("started\n");
            std::fflush(stdout);
        }
    }
}
