// A translation file, as translators write it (lang/en.txt is one): a number, a tab and the
// text on each line, "\n" a line break, "\t" a tab, "\\" a backslash, "#" a note. The check
// tells what keeps a file from becoming a language library the program can use fully.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

struct TranslationFile {
    std::map<int, std::string> texts;  // by number, with line breaks as "\r\n"
    std::vector<std::string> problems; // lines that could not be read, numbers given twice
};

// Reads a file's content (UTF-8).
TranslationFile ReadTranslationFile(std::string_view content);

// Everything wrong with the file against the program's text table: its own problems, numbers
// missing or unknown, texts the library would cut (over 255 bytes), placeholders ("%1" ...)
// or line breaks other than in the Japanese. Empty when the file is complete.
std::vector<std::string> CheckTranslation(const TranslationFile& file);

// The program's texts as a translation file (the Japanese), a translator's starting point.
std::string BuiltInTranslationFile();

} // namespace vistrel
