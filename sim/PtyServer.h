#pragma once
// The controller behind a pseudo-terminal, as it sits behind a serial cable: the console
// opens the slave path. A request is answered only when the slave side is set to the
// controller's current baud rate; the baud command changes that rate once acknowledged.

#include "MotorController.h"
#include "ServerThread.h"

#include <memory>
#include <string>

namespace JEX::Sim {

class PtyServer {
public:
    // Bytes kept of one unfinished line; the rest of an over-long line is dropped and the
    // line is refused when its CR comes.
    static constexpr size_t LineLimit = 64;

    explicit PtyServer(std::shared_ptr<MotorController> controller);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the terminal pair (raw, no echo) and starts answering.
    bool start(std::string* error);
    void stop();

    std::string slavePath() const { return slavePath_; }

    // The speed of a termios speed constant in bits per second; 0 for one not listed.
    static uint32_t speedOf(unsigned speedConstant);

private:
    void run();
    void onLine(const Bytes& line);
    uint32_t lineBaud() const;

    std::shared_ptr<MotorController> controller_;
    int master_ = -1;
    // Held open so that the terminal keeps its settings while the console closes and
    // reopens it.
    int slave_ = -1;
    std::string slavePath_;
    ServerThread thread_;
};

} // namespace JEX::Sim
