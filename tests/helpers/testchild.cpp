// A child program for the process tests. It performs its arguments in order:
//
//   out:TEXT    write TEXT to standard output as one piece, then wait until
//               the parent has read it, so that each piece arrives in a read
//               of its own
//   err:TEXT    the same on standard error
//   sleep:MS    sleep MS milliseconds
//   cat         copy standard input to standard output until end of input
//   fill:N      write N bytes of "x" to standard output, without a line
//               terminator and without waiting for the parent
//   pid:PATH    write the process id to PATH
//   cwd:PATH    write the working directory to PATH
//   touch:PATH  create PATH (used to prove the program still runs)
//   crash       end by abort()
//   exit:CODE   end with CODE
//
// TEXT understands \n, \r, \t, \\ and \xHH, so that tests can cut a UTF-8
// character in two.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#define getcwd _getcwd
#define getpid _getpid
#endif

namespace {

std::string unescape(const char *text)
{
    std::string result;
    for (const char *p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            result += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'n': result += '\n'; break;
        case 'r': result += '\r'; break;
        case 't': result += '\t'; break;
        case 'x':
            if (p[1] && p[2]) {
                const char hex[3] = { p[1], p[2], 0 };
                result += char(std::strtol(hex, nullptr, 16));
                p += 2;
            }
            break;
        default: result += *p; break;
        }
    }
    return result;
}

void sleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Waits until the reading end has taken everything out of the pipe.
void waitUntilRead(FILE *stream)
{
#if defined(__linux__)
    const int fd = fileno(stream);
    for (int i = 0; i < 10000; ++i) {
        int pending = 0;
        if (ioctl(fd, FIONREAD, &pending) != 0 || pending == 0)
            break;
        sleepMs(1);
    }
    sleepMs(20);
#else
    (void)stream;
    sleepMs(300);
#endif
}

void writePiece(FILE *stream, const char *text)
{
    const std::string bytes = unescape(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
    waitUntilRead(stream);
}

bool startsWith(const char *text, const char *prefix, const char **rest)
{
    const size_t n = std::strlen(prefix);
    if (std::strncmp(text, prefix, n) != 0)
        return false;
    *rest = text + n;
    return true;
}

void writeFile(const char *path, const std::string &content)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

}

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *value = nullptr;
        if (startsWith(argv[i], "out:", &value)) {
            writePiece(stdout, value);
        } else if (startsWith(argv[i], "err:", &value)) {
            writePiece(stderr, value);
        } else if (startsWith(argv[i], "sleep:", &value)) {
            sleepMs(std::atol(value));
        } else if (std::strcmp(argv[i], "cat") == 0) {
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
                std::fwrite(buffer, 1, n, stdout);
            std::fflush(stdout);
        } else if (startsWith(argv[i], "fill:", &value)) {
            const std::string block(1 << 16, 'x');
            for (long left = std::atol(value); left > 0; left -= long(block.size()))
                std::fwrite(block.data(), 1, std::min<size_t>(block.size(), size_t(left)), stdout);
            std::fflush(stdout);
        } else if (startsWith(argv[i], "pid:", &value)) {
            writeFile(value, std::to_string(getpid()));
        } else if (startsWith(argv[i], "cwd:", &value)) {
            char buffer[4096];
            writeFile(value, getcwd(buffer, sizeof buffer) ? buffer : "");
        } else if (startsWith(argv[i], "touch:", &value)) {
            writeFile(value, "alive");
        } else if (std::strcmp(argv[i], "crash") == 0) {
            std::abort();
        } else if (startsWith(argv[i], "exit:", &value)) {
            return std::atoi(value);
        } else {
            std::fprintf(stderr, "testchild: unknown operation %s\n", argv[i]);
            return 100;
        }
    }
    return 0;
}
