// Reading the state table usa_states.txt: single-byte text, one record per
// line, fields separated by commas.
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace orrinvale {

// Sequential line input. A line ends at CR LF or at CR alone; a LF alone is
// part of the line's text. A line end after the last line adds no line.
class StateTableFile {
public:
    // Opens the file; raises a RuntimeError with the system's message when the
    // path cannot be opened as a plain file.
    void open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }

    // True when no byte is left. A read error that has not yet been raised by
    // readLine is no end: the next readLine raises it.
    bool atEnd();

    // The next line without its line end, decoded to UTF-8. Raises a
    // RuntimeError with the system's message when the file cannot be read,
    // and "Out of memory" for a table larger than kMostBytes (sized before
    // anything is read, and counted as it is read, should it grow); after
    // that the file counts as ended.
    std::string readLine();

    // The real table holds some 700 bytes; 16 MiB is far beyond any table
    // and takes well under a second to read.
    static constexpr std::uintmax_t kMostBytes = 16 << 20;

private:
    int peek();
    int get();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::vector<unsigned char> buffer_ = std::vector<unsigned char>(1 << 16);
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    std::uintmax_t consumed_ = 0;  // bytes taken by readLine
    bool tooLarge_ = false;
    int error_ = 0;         // errno of a failed read, until it is raised
    bool failed_ = false;   // a read failed: nothing more is read
};

// Splits a line at every comma; no quoting and no trimming. An empty line has
// no fields at all. Only the first `most` fields are returned: a line of
// millions of commas must not become millions of strings.
std::vector<std::string> splitFields(const std::string& line,
                                     std::size_t most = std::numeric_limits<std::size_t>::max());

// Decodes the table's single-byte text. The table is read as Windows-1252,
// the Western code page, on every platform, so a file reads the same anywhere.
std::string decodeWindows1252(const std::string& bytes);

} // namespace orrinvale
