#include "Transcript.h"

#include <cerrno>
#include <cstring>

namespace JEX::Sim {

char Exchange::letter() const {
    for (size_t i = 0; i + 1 < request.size(); ++i)
        if (request[i] == ':')
            return static_cast<char>(request[i + 1]);
    return 0;
}

bool Exchange::hasFault(std::string_view name) const {
    for (const auto& fault : faults)
        if (fault == name)
            return true;
    return false;
}

std::string jsonBytes(const Bytes& bytes) {
    std::string out = "\"";
    for (uint8_t b : bytes) {
        switch (b) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (b < 0x20 || b >= 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", b);
                out += buf;
            } else {
                out += static_cast<char>(b);
            }
        }
    }
    out += '"';
    return out;
}

namespace {
std::string jsonText(const std::string& text) {
    return jsonBytes(Bytes(text.begin(), text.end()));
}
} // namespace

std::string toJsonLine(const Exchange& e) {
    std::string out = "{\"seq\":" + std::to_string(e.seq);
    out += ",\"unix_ms\":" + std::to_string(e.unixMs);
    char sim[32];
    std::snprintf(sim, sizeof sim, "%.6f", e.simSec);
    out += ",\"sim_s\":";
    out += sim;
    out += ",\"channel\":\"";
    out += channelName(e.channel);
    out += "\",\"peer\":" + jsonText(e.peer);
    out += ",\"request\":" + jsonBytes(e.request);
    out += ",\"reply\":" + (e.reply ? jsonBytes(*e.reply) : std::string("null"));
    out += ",\"delay_ms\":" + std::to_string(e.delayMs);
    out += ",\"copies\":" + std::to_string(e.copies);
    out += ",\"faults\":[";
    for (size_t i = 0; i < e.faults.size(); ++i) {
        if (i > 0)
            out += ',';
        out += jsonText(e.faults[i]);
    }
    out += "],\"note\":" + jsonText(e.note) + "}";
    return out;
}

Transcript::Transcript(size_t limit) : limit_(limit > 0 ? limit : 1) {}

Transcript::~Transcript() {
    closeFile();
}

void Transcript::append(Exchange exchange) {
    {
        std::lock_guard lock(mutex_);
        exchange.seq = nextSeq_++;
        if (file_) {
            const std::string line = toJsonLine(exchange) + "\n";
            std::fwrite(line.data(), 1, line.size(), file_);
            std::fflush(file_);
        }
        entries_.push_back(std::move(exchange));
        while (entries_.size() > limit_)
            entries_.pop_front();
    }
    changed_.notify_all();
}

std::vector<Exchange> Transcript::entries() const {
    std::lock_guard lock(mutex_);
    return {entries_.begin(), entries_.end()};
}

std::vector<Exchange> Transcript::entriesFor(char letter) const {
    std::lock_guard lock(mutex_);
    std::vector<Exchange> out;
    for (const auto& e : entries_)
        if (e.letter() == letter)
            out.push_back(e);
    return out;
}

std::optional<Exchange> Transcript::last() const {
    std::lock_guard lock(mutex_);
    if (entries_.empty())
        return std::nullopt;
    return entries_.back();
}

size_t Transcript::size() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

size_t Transcript::count(const std::function<bool(const Exchange&)>& predicate) const {
    std::lock_guard lock(mutex_);
    size_t n = 0;
    for (const auto& e : entries_)
        if (predicate(e))
            ++n;
    return n;
}

std::vector<Bytes> Transcript::requests() const {
    std::lock_guard lock(mutex_);
    std::vector<Bytes> out;
    for (const auto& e : entries_)
        out.push_back(e.request);
    return out;
}

void Transcript::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

bool Transcript::waitForSize(size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return entries_.size() >= n; });
}

bool Transcript::openFile(const std::string& path, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::lock_guard lock(mutex_);
    if (file_)
        std::fclose(file_);
    file_ = file;
    return true;
}

void Transcript::closeFile() {
    std::lock_guard lock(mutex_);
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

} // namespace JEX::Sim
