// SPDX-License-Identifier: GPL-3.0-or-later
// Prints N progress lines of about 80 characters as fast as it can, each in a write of its own,
// like yt-dlp --newline flushing every progress update.
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const long lines = argc > 1 ? std::atol(argv[1]) : 200000;
    char line[128];
    for (long i = 0; i < lines; ++i) {
        const int length =
            std::snprintf(line, sizeof line,
                          "[download] %5.1f%% of  812.37MiB at    5.21MiB/s ETA 02:%02ld (frag %ld/99999)\n",
                          100.0 * i / lines, i % 60, i);
        if (::write(STDOUT_FILENO, line, length) != length)
            return 1;
    }
    return 0;
}
