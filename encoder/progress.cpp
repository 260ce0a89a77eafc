#include "encoder/progress.h"

#include <cctype>

namespace encoder {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Reads digits at `pos`; returns how many.
std::size_t digitsAt(std::string_view text, std::size_t pos, long long *value)
{
    std::size_t n = 0;
    long long v = 0;
    while (pos + n < text.size() && isDigit(text[pos + n]) && n < 12) {
        v = v * 10 + (text[pos + n] - '0');
        ++n;
    }
    *value = v;
    return n;
}

} // namespace

std::vector<ConsoleLine> LineSplitter::feed(std::string_view bytes)
{
    std::vector<ConsoleLine> lines;
    for (const char c : bytes) {
        if (c == '\n' && afterCR_) { // the LF of a CR LF pair: its line has gone already
            afterCR_ = false;
            continue;
        }
        afterCR_ = false;
        if (c == '\r' || c == '\n') {
            lines.push_back({std::move(pending_), c == '\r' ? LineEnd::CR : LineEnd::LF});
            pending_.clear();
            afterCR_ = c == '\r';
        } else {
            pending_ += c;
        }
    }
    return lines;
}

std::optional<ConsoleLine> LineSplitter::finish()
{
    if (pending_.empty())
        return std::nullopt;
    ConsoleLine line{std::move(pending_), LineEnd::None};
    pending_.clear();
    return line;
}

bool isProgressRecord(std::string_view line)
{
    const std::size_t time = line.find("time=");
    return time != std::string_view::npos && line.find("bitrate=", time) != std::string_view::npos;
}

std::string rewriteProgressRecord(std::string_view line)
{
    const std::size_t time = line.find("time=");
    if (time == std::string_view::npos)
        return std::string(line);
    std::size_t pos = time + 5;
    const bool negative = pos < line.size() && line[pos] == '-';
    if (negative)
        ++pos;
    long long hours = 0, minutes = 0, seconds = 0;
    const std::size_t h = digitsAt(line, pos, &hours);
    if (h == 0 || pos + h >= line.size() || line[pos + h] != ':')
        return std::string(line);
    const std::size_t m = digitsAt(line, pos + h + 1, &minutes);
    if (m != 2 || pos + h + 3 >= line.size() || line[pos + h + 3] != ':')
        return std::string(line);
    const std::size_t s = digitsAt(line, pos + h + 4, &seconds);
    if (s != 2)
        return std::string(line);
    const std::size_t clockEnd = pos + h + 6; // the "." of the fraction, or what follows
    std::string result(line.substr(0, time + 5));
    if (negative)
        result += '-';
    result += std::to_string(hours * 3600 + minutes * 60 + seconds);
    result += line.substr(clockEnd);
    return result;
}

std::string outputLine(const ConsoleLine &line)
{
    if (isProgressRecord(line.text))
        return rewriteProgressRecord(line.text) + (line.end == LineEnd::CR ? "\r" : "\r\n");
    return line.text + "\r\n";
}

} // namespace encoder
