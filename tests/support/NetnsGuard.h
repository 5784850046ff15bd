#pragma once
// Lets a test program that broadcasts or talks to private addresses run only inside the
// console namespace that netns-run.sh made for it: the namespace named by VELMORA_NETNS
// must be the one this process is in.

#include <QCoreApplication>
#include <QTest>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace JEX::Test {

// Empty when this process runs in the fixture's console namespace, else why not.
inline std::string netnsGuardRefusal() {
    const char* name = std::getenv("VELMORA_NETNS");
    if (!name || !*name)
        return "VELMORA_NETNS is not set: run this program through tests/support/netns-run.sh";
    const std::string named = std::string("/run/netns/") + name;
    if (std::string(name).find('/') != std::string::npos)
        return "VELMORA_NETNS is not a namespace name";
    struct stat own {};
    struct stat fixture {};
    if (::stat("/proc/self/ns/net", &own) != 0 || ::stat(named.c_str(), &fixture) != 0)
        return "cannot compare this process's network namespace with " + named;
    if (own.st_dev != fixture.st_dev || own.st_ino != fixture.st_ino)
        return "this process is not inside the network namespace " + named;
    return {};
}

} // namespace JEX::Test

// The main() of such a program: anywhere else it says why and exits with 77 (skipped).
#define VELMORA_NETNS_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char** argv) {                                                              \
        if (const std::string refusal = JEX::Test::netnsGuardRefusal(); !refusal.empty()) {        \
            std::fprintf(stderr, "SKIP: %s\n", refusal.c_str());                                   \
            return 77;                                                                             \
        }                                                                                          \
        QCoreApplication app(argc, argv);                                                          \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
