// Stands in for moc.exe, uic.exe and rcc.exe in the tests. Appends its name and
// argument vector, tab-separated, to the file named by FAKEGEN_RECORD; then
// does what FAKEGEN_<NAME> says (MOC, UIC or RCC):
//   ok (default)  write the file after -o, exit 0
//   print         the same, after printing "<name> says hello"
//   fail          write the file after -o, exit 2
//   refuse        write nothing, exit 2
//   silent        write nothing, exit 0
//   crash         die as a crashed program does (abort; on Windows the
//                 status of an access violation)
//   killparent    kill the program that started it, as a user's Ctrl-C or
//                 a build tool's time-out would (not on Windows)
// On Windows it takes its arguments as wide text and records them in UTF-8,
// as they arrive on Linux.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

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

#ifdef _WIN32
std::string utf8(const std::wstring &wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(size_t(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
}

std::wstring wide(const std::string &text)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(size_t(size > 0 ? size - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), size);
    return wide;
}

void writeFile(const std::string &path, const std::string &content)
{
    if (FILE *file = _wfopen(wide(path).c_str(), L"wb")) {
        std::fputs(content.c_str(), file);
        std::fclose(file);
    }
}

[[noreturn]] void crash()
{
    ExitProcess(0xC0000005); // what Windows reports for an access violation
}
#else
void writeFile(const std::string &path, const std::string &content)
{
    std::ofstream(path, std::ios::binary) << content;
}

[[noreturn]] void crash()
{
    std::abort();
}

void killParent()
{
    kill(getppid(), SIGKILL);
}
#endif

int fake(const std::vector<std::string> &argv)
{
    const std::string name = programName(argv[0].c_str());
    if (const char *record = std::getenv("FAKEGEN_RECORD")) {
        std::ofstream out(record, std::ios::app | std::ios::binary);
        out << name;
        for (size_t i = 1; i < argv.size(); ++i)
            out << '\t' << argv[i];
        out << '\n';
    }

    const std::string mode = modeOf(name);
    if (mode == "crash")
        crash();
#ifndef _WIN32
    if (mode == "killparent")
        killParent();
#endif
    if (mode == "silent")
        return 0;
    if (mode == "refuse")
        return 2;
    if (mode == "print") {
        std::printf("%s says hello\n", name.c_str());
        std::fflush(stdout);
    }
    for (size_t i = 1; i + 1 < argv.size(); ++i) {
        if (argv[i] == "-o") {
            writeFile(argv[i + 1], "// made by fake " + name + "\n");
            break;
        }
    }
    return mode == "fail" ? 2 : 0;
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t **argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(utf8(argv[i]));
    return fake(arguments);
}
#else
int main(int argc, char **argv)
{
    return fake(std::vector<std::string>(argv, argv + argc));
}
#endif
