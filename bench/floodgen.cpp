// SPDX-License-Identifier: GPL-3.0-or-later
// Prints as fast as it can what a flood into the log is made of:
//   N             N progress lines of about 80 characters, each in a write of its own, like
//                 yt-dlp --newline flushing every progress update;
//   --both N      the same on standard output and, at the same time, on standard error;
//   --returns N   N progress updates separated by carriage returns only, as a tool that redraws a
//                 line in place prints;
//   --long BYTES  that many bytes with no line break, in writes of 64 KiB;
//   --large N     N progress lines in writes of 1 MiB, through a pipe made that large, as a tool
//                 that buffers its output writes it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// The i-th of lines progress lines, as yt-dlp prints them, ended by end; its length.
int progressLine(char (&line)[128], long i, long lines, char end)
{
    return std::snprintf(line, sizeof line,
                         "[download] %5.1f%% of  812.37MiB at    5.21MiB/s ETA 02:%02ld (frag %ld/99999)%c",
                         100.0 * i / lines, i % 60, i, end);
}

bool progress(int fd, long lines, char end)
{
    char line[128];
    for (long i = 0; i < lines; ++i) {
        const int length = progressLine(line, i, lines, end);
        if (::write(fd, line, length) != length)
            return false;
    }
    return true;
}

// When the writer is done, in ns since the epoch, to the file FLOODGEN_END names.
void noteTheEnd()
{
    const char *file = std::getenv("FLOODGEN_END");
    timespec now;
    if (!file || clock_gettime(CLOCK_REALTIME, &now) != 0)
        return;
    if (FILE *end = std::fopen(file, "w")) {
        std::fprintf(end, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fclose(end);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    std::atexit(noteTheEnd);
    const bool mode = argc > 2;
    const long count = std::atol(mode ? argv[2] : argc > 1 ? argv[1] : "200000");
    if (mode && std::strcmp(argv[1], "--returns") == 0)
        return progress(STDOUT_FILENO, count, '\r') ? 0 : 1;
    if (mode && std::strcmp(argv[1], "--long") == 0) {
        static char block[64 * 1024];
        std::memset(block, 'x', sizeof block);
        for (long left = count; left > 0; left -= long(sizeof block)) {
            const size_t size = left < long(sizeof block) ? size_t(left) : sizeof block;
            if (::write(STDOUT_FILENO, block, size) != ssize_t(size))
                return 1;
        }
        return 0;
    }
    if (mode && std::strcmp(argv[1], "--large") == 0) {
        ::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
        std::string buffer;
        char line[128];
        for (long i = 0; i < count; ++i) {
            buffer.append(line, size_t(progressLine(line, i, count, '\n')));
            if (buffer.size() >= (1 << 20) || i + 1 == count) {
                if (::write(STDOUT_FILENO, buffer.data(), buffer.size()) != ssize_t(buffer.size()))
                    return 1;
                buffer.clear();
            }
        }
        return 0;
    }
    if (mode && std::strcmp(argv[1], "--both") == 0) {
        const pid_t errors = ::fork();
        if (errors == 0)
            _exit(progress(STDERR_FILENO, count, '\n') ? 0 : 1);
        const bool written = progress(STDOUT_FILENO, count, '\n');
        int status = 0;
        ::waitpid(errors, &status, 0);
        return written && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
    }
    return progress(STDOUT_FILENO, count, '\n') ? 0 : 1;
}
