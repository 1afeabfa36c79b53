// A Windows helper of the console tests, run under Wine:
//   consoleprobe start PROGRAM [ARGUMENTS...]   starts PROGRAM with no standard handles and no
//                                               console, prints its process id, waits for it
//                                               and ends with its exit status
//   consoleprobe read PID FILE                  writes the text of PID's console to FILE

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: consoleprobe start PROGRAM [ARGUMENTS...]\n"
                         "       consoleprobe read PID FILE\n");
    return 2;
}

std::string quoted(const char* argument) { return std::string("\"") + argument + "\""; }

int startWithoutHandles(int argc, char** argv) {
    std::string commandLine = quoted(argv[2]);
    for (int i = 3; i < argc; ++i) {
        commandLine += " " + quoted(argv[i]);
    }
    // Standard handles given, and all empty: the program has no standard output at all, as
    // when a launcher without a console starts it.
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                       nullptr, &startup, &process) == 0) {
        std::fprintf(stderr, "consoleprobe: cannot start %s\n", argv[2]);
        return 2;
    }
    std::printf("%lu\n", process.dwProcessId);
    std::fflush(stdout);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

int readConsole(const char* pid, const char* path) {
    FreeConsole();
    if (AttachConsole(static_cast<DWORD>(std::strtoul(pid, nullptr, 10))) == 0) {
        std::fprintf(stderr, "consoleprobe: process %s has no console\n", pid);
        return 1;
    }
    HANDLE screen =
        CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (screen == INVALID_HANDLE_VALUE || GetConsoleScreenBufferInfo(screen, &info) == 0) {
        std::fprintf(stderr, "consoleprobe: cannot read the console of process %s\n", pid);
        return 1;
    }
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "consoleprobe: cannot write %s\n", path);
        return 1;
    }
    // The rows up to the cursor's, without the blanks that fill each row to the width.
    std::string row(static_cast<std::size_t>(info.dwSize.X), ' ');
    for (SHORT y = 0; y < info.dwCursorPosition.Y; ++y) {
        DWORD length = 0;
        ReadConsoleOutputCharacterA(screen, &row[0], static_cast<DWORD>(row.size()), {0, y},
                                    &length);
        const std::string text = row.substr(0, length);
        std::fprintf(out, "%s\n", text.substr(0, text.find_last_not_of(' ') + 1).c_str());
    }
    std::fclose(out);
    CloseHandle(screen);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "start" && argc >= 3) {
        return startWithoutHandles(argc, argv);
    }
    if (command == "read" && argc == 4) {
        return readConsole(argv[2], argv[3]);
    }
    return usage();
}
