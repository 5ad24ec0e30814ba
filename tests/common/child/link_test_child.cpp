// Child program of the process and registry tests:
//   link_test_child exit <code>                      ends with the code
//   link_test_child sleep <ms> <code>                waits, then ends with the code
//   link_test_child args <file> <arg>...             writes each argument on a line
//   link_test_child regwrite <file> <prefix> <count> writes values Prefix1..count
//                                                    into a registry store file
#include "common/RegistryStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "exit" && argc > 2)
        return std::atoi(argv[2]);
    if (command == "sleep" && argc > 3) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
        return std::atoi(argv[3]);
    }
    if (command == "args" && argc > 2) {
        std::FILE* file = std::fopen(argv[2], "wb");
        if (!file)
            return 2;
        for (int i = 3; i < argc; ++i)
            std::fprintf(file, "%s\n", argv[i]);
        std::fclose(file);
        return 0;
    }
    if (command == "regwrite" && argc > 4) {
        const RegistryStore store(argv[2], argv[2]);
        const int count = std::atoi(argv[4]);
        for (int i = 1; i <= count; ++i)
            if (!store.WriteLong(i, modUtils::RegRoot::CurrentUser, "Software\\Test",
                                 argv[3] + std::to_string(i)))
                return 3;
        return 0;
    }
    return 1;
}
