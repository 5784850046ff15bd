// Cold start of the console on the demo mount: from the moment the process is started to
// its window's first frame (offscreen), median of several runs. Target: at most 1000 ms;
// the ratio printed is median / 1000 ms.
//
//   bench_startup [--runs N] [--console PATH]
//     --runs N        how many starts (5)
//     --console PATH  the console to start (velmora-console beside this program)

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kTargetMs = 1000.0;

long long nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string besideMe(const char* argv0, const char* name) {
    std::string self = argv0;
    const auto slash = self.rfind('/');
    return (slash == std::string::npos ? std::string() : self.substr(0, slash + 1)) + name;
}

// Milliseconds from spawning the console to its first frame, or -1.
long long oneStart(const std::string& console) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args{const_cast<char*>(console.c_str()), const_cast<char*>("--demo"),
                            const_cast<char*>("--report-first-frame"), nullptr};
    pid_t pid = 0;
    const long long started = nowMs();
    const int spawned = posix_spawn(&pid, console.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const auto at = text.find("first-frame ");
    if (at == std::string::npos)
        return -1;
    return std::atoll(text.c_str() + at + 12) - started;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    std::string console = besideMe(argv[0], "velmora-console");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--console") == 0 && i + 1 < argc)
            console = argv[++i];
        else {
            std::fprintf(stderr, "usage: bench_startup [--runs N] [--console PATH]\n");
            return 2;
        }
    }
    if (runs < 1)
        return 2;

    // A data folder of its own, with no location sensor to wake.
    char dir[] = "/tmp/bench_startup-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    const std::string settings = std::string(dir) + "/Settings.txt";
    if (FILE* f = std::fopen(settings.c_str(), "w")) {
        std::fputs("{\"loc.use_sensor\": false}\n", f);
        std::fclose(f);
    }
    setenv("VELMORA_DATA_DIR", dir, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<long long> ms;
    for (int i = 0; i < runs; ++i) {
        const long long t = oneStart(console);
        if (t < 0) {
            std::fprintf(stderr, "bench_startup: %s did not report its first frame\n",
                         console.c_str());
            return 1;
        }
        ms.push_back(t);
        std::printf("run %d: %lld ms\n", i + 1, t);
    }
    std::remove(settings.c_str());
    rmdir(dir);
    std::sort(ms.begin(), ms.end());
    const double median = double(ms[ms.size() / 2]);
    std::printf("start to first frame, median of %d: %.0f ms (target %.0f ms)\n", runs, median,
                kTargetMs);
    std::printf("ratio to the target: %.3f\n", median / kTargetMs);
    return 0;
}
