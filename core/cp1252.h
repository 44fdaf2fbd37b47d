// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252, the single-byte code page of saved files and older exports, to and from the program's UTF-8 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sumafac {

// Every byte has a character: the five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, so that any file read and written back keeps its bytes.
std::string utf8FromCp1252(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character that has no byte in the code page: a saved file
// must never hold something other than what the window showed.
std::optional<std::string> cp1252FromUtf8(std::string_view utf8);

// True when text is well-formed UTF-8.
bool validUtf8(std::string_view text);

} // namespace sumafac
