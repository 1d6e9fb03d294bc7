#include "StateTable.h"

#include "RuntimeError.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace orrinvale {

void StateTableFile::open(const std::string& path)
{
    file_.reset();
    pos_ = len_ = 0;
    tooLarge_ = false;
    error_ = 0;
    failed_ = false;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::is_directory(status))
        throw RuntimeError(std::make_error_code(std::errc::is_a_directory).message());
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw RuntimeError(std::make_error_code(std::errc::invalid_argument).message());
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        const int err = errno ? errno : ENOENT;
        throw RuntimeError(std::generic_category().message(err));
    }
    file_.reset(f);
    consumed_ = 0;
    // A sparse or huge file would take minutes and gigabytes to read.
    const auto size = std::filesystem::file_size(path, ec);
    tooLarge_ = !ec && size > kMostBytes;
}

int StateTableFile::peek()
{
    if (pos_ == len_) {
        if (!file_ || failed_)
            return EOF;
        errno = 0;
        len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
        pos_ = 0;
        if (len_ == 0) {
            if (std::ferror(file_.get())) {
                failed_ = true;
                error_ = errno ? errno : EIO;
            }
            return EOF;
        }
    }
    return buffer_[pos_];
}

int StateTableFile::get()
{
    const int c = peek();
    if (c != EOF)
        ++pos_;
    return c;
}

bool StateTableFile::atEnd()
{
    return peek() == EOF && error_ == 0;
}

std::string StateTableFile::readLine()
{
    std::string bytes;
    for (int c = tooLarge_ ? EOF : get(); c != EOF; c = get()) {
        if (++consumed_ > kMostBytes) {
            tooLarge_ = true;
            break;
        }
        if (c == '\r') {
            if (peek() == '\n')
                get();
            break;
        }
        bytes.push_back(static_cast<char>(c));
    }
    if (tooLarge_) {
        failed_ = true;
        pos_ = len_ = 0;
        throw RuntimeError(errors::kOutOfMemory);
    }
    if (error_ != 0) {
        const int err = error_;
        error_ = 0;
        throw RuntimeError(std::generic_category().message(err));
    }
    return decodeWindows1252(bytes);
}

std::vector<std::string> splitFields(const std::string& line, std::size_t most)
{
    std::vector<std::string> fields;
    if (line.empty())
        return fields;
    std::size_t start = 0;
    while (fields.size() < most) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return fields;
}

namespace {

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// 0x80 to 0x9F of Windows-1252; the five unassigned bytes map to the C1
// controls of the same value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::string decodeWindows1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else if (b < 0xA0)
            appendUtf8(out, kHighControls[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

} // namespace orrinvale
