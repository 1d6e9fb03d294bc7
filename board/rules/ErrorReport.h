// The "Application Error" box of the window's four trapped handlers.
#pragma once

#include <string>
#include <string_view>

namespace orrinvale {

inline constexpr std::string_view kErrorBoxTitle = "Application Error";

// Origin texts naming each trapped handler in the report. They keep the
// handlers' first names (Form1, PushButton1_Click, piccoor_DragDrop): a
// player's screenshot of the box says where it came from in those words.
namespace origin {
inline constexpr const char* kWindowLoad = "in Orrinvale2021/08/31.Form1.Form_Load ";
inline constexpr const char* kRestart = "in Orrinvale2021/08/31.Form1.PushButton1_Click ";
inline constexpr const char* kExit = "in Orrinvale2021/08/31.Form1.PushButton2_Click ";
inline constexpr const char* kDropVerdict = "in Orrinvale2021/08/31.Form1.piccoor_DragDrop ";
} // namespace origin

// The box's text: the description, CR LF, the origin, "at line " and the
// number, CR, CR, and the request to send a screenshot to the address.
std::string errorReportText(std::string_view description, std::string_view originText, int line,
                            std::string_view supportAddress);

} // namespace orrinvale
