#include "clock/common/translation_file.h"

#include <algorithm>
#include <charconv>

#include "clock/common/text_encoding.h"
#include "clock/common/texts.h"

namespace vistrel {

namespace {

// What a language library can hand over: 255 bytes, counted as the program counts them.
constexpr std::size_t kMostTextBytes = 255;

std::string Where(std::size_t line) { return "line " + std::to_string(line) + ": "; }

// The text of a line with its escapes turned into what they stand for; false for an escape
// that means nothing.
bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
        case 'n': out += "\r\n"; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: return false;
        }
    }
    return true;
}

std::string Escape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\r\n") {
            out += "\\n";
            ++i;
        } else if (text[i] == '\t') {
            out += "\\t";
        } else if (text[i] == '\\') {
            out += "\\\\";
        } else {
            out += text[i];
        }
    }
    return out;
}

// Which placeholders a text uses ("%1" may stand twice in one language and once in another).
std::string Placeholders(std::string_view text) {
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found += text[i + 1];
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::size_t LineBreaks(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != text.npos; at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace

TranslationFile ReadTranslationFile(std::string_view content) {
    TranslationFile file;
    std::size_t line_number = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == content.npos ? content.size() : end + 1);
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == line.npos || line[first] == '#') continue;
        const std::size_t tab = line.find('\t');
        int number = 0;
        const auto [stop, error] = std::from_chars(line.data(), line.data() + line.size(), number);
        if (error != std::errc() || tab == line.npos || stop != line.data() + tab) {
            file.problems.push_back(Where(line_number) + "not a number, a tab and a text");
            continue;
        }
        std::string text;
        if (!Unescape(line.substr(tab + 1), text)) {
            file.problems.push_back(Where(line_number) + "a backslash other than \\n, \\t or \\\\");
            continue;
        }
        if (!file.texts.emplace(number, std::move(text)).second)
            file.problems.push_back(Where(line_number) + "number " + std::to_string(number) +
                                    " is given twice");
    }
    return file;
}

std::vector<std::string> CheckTranslation(const TranslationFile& file) {
    std::vector<std::string> problems = file.problems;
    for (const TextEntry& entry : TextTable()) {
        const int number = NumberOf(entry.text);
        const auto found = file.texts.find(number);
        const std::string n = std::to_string(number) + ": ";
        if (found == file.texts.end()) {
            problems.push_back(n + "missing (the Japanese: " + Escape(entry.japanese) + ")");
            continue;
        }
        const std::string& text = found->second;
        if (CutToSjisBytes(text, kMostTextBytes).size() != text.size())
            problems.push_back(n + "longer than " + std::to_string(kMostTextBytes) + " bytes");
        if (Placeholders(text) != Placeholders(entry.japanese))
            problems.push_back(n + "placeholders other than in the Japanese (" +
                               Escape(entry.japanese) + ")");
        if (LineBreaks(text) != LineBreaks(entry.japanese))
            problems.push_back(n + "line breaks other than in the Japanese (" +
                               Escape(entry.japanese) + ")");
    }
    for (const auto& [number, text] : file.texts) {
        if (!FindText(number))
            problems.push_back(std::to_string(number) + ": not a number of the program's texts");
    }
    return problems;
}

std::string BuiltInTranslationFile() {
    std::string out;
    for (const TextEntry& entry : TextTable())
        out += std::to_string(NumberOf(entry.text)) + "\t" + Escape(entry.japanese) + "\n";
    return out;
}

} // namespace vistrel
