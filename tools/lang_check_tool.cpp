// The translators' check: whether a translation file (lang/en.txt is one) holds every text of
// the program and nothing else, each short enough and with the Japanese's placeholders and line
// breaks.
//   lang_check <file>       prints what is wrong; exit status 1 when anything is
//   lang_check --japanese   prints the built-in texts as a translation file, to start from
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "clock/common/texts.h"
#include "clock/common/translation_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lang_check <translation file> | --japanese\n");
        return 2;
    }
    const std::string arg = argv[1];
    if (arg == "--japanese") {
        std::fputs(vistrel::BuiltInTranslationFile().c_str(), stdout);
        return 0;
    }
    std::ifstream in(arg, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", arg.c_str());
        return 2;
    }
    const std::string content{std::istreambuf_iterator<char>(in), {}};
    const auto problems = vistrel::CheckTranslation(vistrel::ReadTranslationFile(content));
    for (const std::string& p : problems) std::printf("%s: %s\n", arg.c_str(), p.c_str());
    if (!problems.empty()) return 1;
    std::printf("%s: all %zu texts present and well formed\n", arg.c_str(),
                vistrel::TextTable().size());
    return 0;
}
