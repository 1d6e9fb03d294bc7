// Character classes of a style sheet's syntax, ASCII only: the C library's
// follow the user's locale (Qt sets it), and a sheet must read the same
// everywhere (under a Turkish locale 'I' is no upper-case 'i').
#pragma once

namespace orrinvale::sheet {

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline bool isLetterOrDigit(char c)
{
    return isLetter(c) || isDigit(c);
}
inline char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace orrinvale::sheet
