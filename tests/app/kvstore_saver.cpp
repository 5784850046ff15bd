// Saves the settings store in VELMORA_DATA_DIR over and over until it is killed. Each save
// sets "counter" to the next number after the one given, and the number is printed on its
// own line once its save has returned.

#include "QtFileUtil.h"
#include "QtKVStore.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvstore_saver <start>\n");
        return 2;
    }
    // Never outlive the test that started us.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int32_t start = static_cast<int32_t>(std::atol(argv[1]));
    auto store = std::make_shared<JEX::QtKVStore>(QStringLiteral("Settings.txt"),
                                                  std::make_shared<JEX::QtFileUtil>("KD208"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (int32_t n = start + 1; std::chrono::steady_clock::now() < deadline; ++n) {
        store->setInt("counter", n);
        char line[32];
        const int length = std::snprintf(line, sizeof line, "%d\n", n);
        if (write(STDOUT_FILENO, line, static_cast<size_t>(length)) != length)
            return 1;
    }
    return 0;
}
