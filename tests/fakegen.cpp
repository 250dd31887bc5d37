// Stands in for moc.exe, uic.exe and rcc.exe in the tests. Appends its name and
// argument vector, tab-separated, to the file named by FAKEGEN_RECORD; then
// does what FAKEGEN_<NAME> says (MOC, UIC or RCC):
//   ok (default)  write the file after -o, exit 0
//   print         the same, after printing "<name> says hello"
//   fail          write the file after -o, exit 2
//   refuse        write nothing, exit 2
//   silent        write nothing, exit 0
//   crash         abort
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

std::string programName(const char *argv0)
{
    std::string name = argv0;
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

std::string modeOf(const std::string &name)
{
    std::string variable = "FAKEGEN_";
    for (char c : name)
        variable += char(std::toupper(static_cast<unsigned char>(c)));
    const char *mode = std::getenv(variable.c_str());
    return mode ? mode : "ok";
}

} // namespace

int main(int argc, char **argv)
{
    const std::string name = programName(argv[0]);
    if (const char *record = std::getenv("FAKEGEN_RECORD")) {
        std::ofstream out(record, std::ios::app | std::ios::binary);
        out << name;
        for (int i = 1; i < argc; ++i)
            out << '\t' << argv[i];
        out << '\n';
    }

    const std::string mode = modeOf(name);
    if (mode == "crash")
        std::abort();
    if (mode == "silent")
        return 0;
    if (mode == "refuse")
        return 2;
    if (mode == "print") {
        std::printf("%s says hello\n", name.c_str());
        std::fflush(stdout);
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0) {
            std::ofstream(argv[i + 1], std::ios::binary) << "// made by fake " << name << '\n';
            break;
        }
    }
    return mode == "fail" ? 2 : 0;
}
