// SPDX-License-Identifier: MIT
#include "WindowProgram.h"

#include "CommandLineRun.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace quorvane {

namespace {

constexpr char kWindowProgram[] = "quorvane-window";

// The folder this program was started from.
std::string OwnFolder()
{
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return ".";
    std::string own(path.data(), static_cast<std::size_t>(length));
    return own.substr(0, own.rfind('/'));
}

} // namespace

int StartWindowProgram(char* argv[])
{
    const std::string folder = OwnFolder();
    for (const std::string& candidate :
         {folder + "/" + kWindowProgram,
          folder + "/" + QUORVANE_WINDOW_FROM_BIN + "/" + kWindowProgram}) {
        execv(candidate.c_str(), argv);
        if (errno != ENOENT) {
            std::fprintf(stderr, "quorvane: cannot start the window (%s): %s\n", candidate.c_str(),
                         std::strerror(errno));
            return exit_status::kNotAsWritten;
        }
    }
    std::fputs("quorvane: the window is not installed (it is in the package quorvane); with "
               "an ADDRESS, quorvane prints its results (try --help)\n",
               stderr);
    return exit_status::kNotAsWritten;
}

} // namespace quorvane
