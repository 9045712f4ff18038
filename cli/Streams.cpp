// SPDX-License-Identifier: MIT
#include "Streams.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace quorvane {

namespace {

constexpr std::size_t kReadSize = 64 * 1024;

long ReadSome(int descriptor, char* into, std::size_t size)
{
#ifdef _WIN32
    return _read(descriptor, into, static_cast<unsigned>(size));
#else
    return static_cast<long>(read(descriptor, into, size));
#endif
}

long WriteSome(int descriptor, const char* from, std::size_t size)
{
#ifdef _WIN32
    return _write(descriptor, from, static_cast<unsigned>(size));
#else
    return static_cast<long>(write(descriptor, from, size));
#endif
}

} // namespace

bool InputLines::Next(std::string& line)
{
    for (;;) {
        const std::size_t newline = buffer_.find('\n', start_);
        if (newline != std::string::npos || (end_ && start_ < buffer_.size())) {
            const std::size_t end = newline != std::string::npos ? newline : buffer_.size();
            line.assign(buffer_, start_, end - start_);
            if (line.ends_with('\r')) line.pop_back();
            start_ = newline != std::string::npos ? newline + 1 : buffer_.size();
            return true;
        }
        if (end_) return false;
        buffer_.erase(0, start_);
        start_ = 0;
        const std::size_t kept = buffer_.size();
        buffer_.resize(kept + kReadSize);
        long got = 0;
        do {
            got = ReadSome(descriptor_, buffer_.data() + kept, kReadSize);
        } while (got < 0 && errno == EINTR);
        buffer_.resize(kept + static_cast<std::size_t>(got > 0 ? got : 0));
        end_ = got <= 0;
    }
}

bool InputLines::AtHand() const
{
    if (buffer_.find('\n', start_) != std::string::npos || end_) return true;
#ifdef _WIN32
    return false;
#else
    pollfd ready{descriptor_, POLLIN, 0};
    return poll(&ready, 1, 0) > 0;
#endif
}

bool WriteAll(int descriptor, std::string_view text)
{
    while (!text.empty()) {
        const long written = WriteSome(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace quorvane
