// The window tests under Qt's offscreen platform. One program, one suite per
// run: "test_window controls", "test_window dialogs", ...

#include "WindowTests.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: test_window SUITE [Qt Test options]\n", stderr);
        return 2;
    }
    const char* suite = argv[1];
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    const int count = static_cast<int>(arguments.size());
    for (const auto& [name, make] : WindowTestSuites()) {
        if (std::strcmp(name, suite) == 0) {
            const std::unique_ptr<QObject> test = make();
            return QTest::qExec(test.get(), count, arguments.data());
        }
    }
    std::fprintf(stderr, "test_window: no suite \"%s\"\n", suite);
    return 2;
}
