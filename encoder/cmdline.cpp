#include "encoder/cmdline.h"

#include <cctype>

namespace encoder {

CommandLine parseCommandLine(const std::vector<std::string> &args)
{
    CommandLine line;
    std::size_t i = 0;
    while (i < args.size() && args[i] != "-i")
        line.leading.push_back(args[i++]);
    if (i + 1 >= args.size())
        return line; // no "-i FILE"
    line.input = args[i + 1];
    i += 2;
    if (i == args.size()) {
        line.mode = CommandLine::Mode::Probe;
        return line;
    }
    line.options.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end() - 1);
    line.output = args.back();
    line.mode = CommandLine::Mode::Convert;
    return line;
}

bool isDvdReference(std::string_view input) { return input.starts_with("vts://"); }

std::string ffmpegPath(const std::string &path)
{
    if (path.empty() || path.starts_with("file:"))
        return path;
    if (path[0] == '-')
        return "file:" + path;
    // FFmpeg reads "scheme:" (letters, digits, "+", "-", ".") as a protocol.
    std::size_t n = 0;
    while (n < path.size() && (std::isalnum(static_cast<unsigned char>(path[n])) ||
                               path[n] == '+' || path[n] == '-' || path[n] == '.'))
        ++n;
    if (n < path.size() && (path[n] == ':' || path[n] == ','))
        return "file:" + path;
    return path;
}

} // namespace encoder
