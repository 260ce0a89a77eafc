// The encoder program "register.dat": describes a media file ("-i FILE") or
// converts one ("-y -i INPUT OPTIONS… OUTPUT") with Debian's FFmpeg, printing
// the lines the converter reads.
#include "encoder/cmdline.h"
#include "encoder/process.h"
#include "encoder/run.h"

#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv)
{
    using namespace encoder;
    installSignalHandling();
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.mode != CommandLine::Mode::Invalid)
        return runCommandLine(line);
    writeAll(STDOUT_FILENO,
             "register.dat: usage: register.dat -i FILE | register.dat -y -i INPUT [OPTIONS] OUTPUT\r\n");
    return 1;
}
