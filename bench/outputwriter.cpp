// The child program of the process output benchmark. It writes a given number
// of ASCII bytes to standard output in writes of 4096 bytes and then exits:
//
//   loomwright-bench-outputwriter lines BYTES         lines of 79 characters
//                                                    and '\n'; the output
//                                                    always ends in '\n', so
//                                                    the last line may be
//                                                    shorter
//   loomwright-bench-outputwriter unterminated BYTES  no line terminator at all
//
// It does nothing else on purpose: the reading side is what is measured, and
// the writer must never be the slower end of the pipe.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr std::size_t WriteSize = 4096;
constexpr std::size_t LineLength = 80; // including the '\n'

// Every write is cut out of this pattern at the offset where the stream
// stands, so that lines run on seamlessly across the 4096-byte boundaries
// (4096 is not a multiple of 80) without building anything per write.
std::string makePattern(bool lines)
{
    std::string pattern(LineLength + WriteSize, ' ');
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t column = i % LineLength;
        if (lines && column == LineLength - 1)
            pattern[i] = '\n';
        else
            pattern[i] = char('a' + column % 26);
    }
    return pattern;
}

bool writeAll(const char *data, std::size_t size)
{
    // Unbuffered, one fwrite is one write to the pipe; a short write only
    // happens when a signal interrupts it, and then the rest follows.
    while (size > 0) {
        errno = 0;
        const std::size_t written = std::fwrite(data, 1, size, stdout);
        if (written == 0) {
            if (errno == EINTR) {
                std::clearerr(stdout);
                continue;
            }
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: loomwright-bench-outputwriter lines|unterminated BYTES\n");
    return 2;
}

}

int main(int argc, char *argv[])
{
    if (argc != 3)
        return usage();

    const bool lines = std::strcmp(argv[1], "lines") == 0;
    if (!lines && std::strcmp(argv[1], "unterminated") != 0)
        return usage();

    char *end = nullptr;
    errno = 0;
    const unsigned long long total = std::strtoull(argv[2], &end, 10);
    if (errno != 0 || end == argv[2] || *end != '\0')
        return usage();

#ifdef _WIN32
    // Text mode would turn every '\n' into two bytes.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    std::string pattern = makePattern(lines);
    unsigned long long position = 0;
    while (position < total) {
        const std::size_t size = std::size_t(std::min<unsigned long long>(WriteSize, total - position));
        const char *data = pattern.data() + position % LineLength;
        if (lines && position + size == total && data[size - 1] != '\n') {
            // The last write ends the last line, so that a reader that waits
            // for terminators receives every byte as part of a line.
            std::string last(data, size);
            last.back() = '\n';
            if (!writeAll(last.data(), last.size()))
                return 1;
        } else if (!writeAll(data, size)) {
            return 1;
        }
        position += size;
    }
    return 0;
}
