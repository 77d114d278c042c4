#include "engine/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace Framework {

namespace {
constexpr int levelCount = 3;
} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    auto fail = [&line](const std::string& message) {
        line.error = message;
        return line;
    };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            line.helpRequested = true;
        } else if (option == "--windowed") {
            line.start.windowed = true;
        } else if (option == "--editor") {
            line.start.editor = true;
            if (i + 1 == arguments.size() || arguments[i + 1].rfind("--", 0) == 0) continue;
            const std::string& name = arguments[++i];
            // A plain name from the level folder: "../x" or "a b" would reach past it or not save.
            const bool plain = name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
                                   return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
                               });
            if (name.empty() || !plain)
                return fail("--editor '" + name + "': a level name is letters, digits, '_' and '-'");
            line.start.editorLevel = name;
        } else if (option == "--level") {
            if (i + 1 == arguments.size()) return fail("--level needs a level number, 1 to 3");
            const std::string& value = arguments[++i];
            // One digit only: "02", "2x" and "+2" are typing mistakes, not level 2.
            if (value.size() != 1 || value[0] < '1' || value[0] > '0' + levelCount)
                return fail("--level '" + value + "': there are levels 1 to 3");
            line.start.level = value[0] - '0';
        } else {
            return fail("unknown option '" + option + "' (--help lists the options)");
        }
    }
    return line;
}

const char* CommandLineHelp() {
    return "Usage: hollowtide [options]\n"
           "  --level N     start a new game straight in level N (1 to 3), skipping the splash and menu\n"
           "  --editor [L]  open the level editor on Resources/Level/L.txt (default Level1)\n"
           "  --windowed    start in a window at the size in Resources/init.ini, not full screen\n"
           "  --help        print these options and exit\n";
}

} // namespace Framework
