// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a saved or served page as UTF-8, whatever encoding its browser or server wrote.
#pragma once

#include <string>
#include <string_view>

namespace sumafac {

// The encoding told by a byte-order mark (UTF-8, UTF-16), else UTF-16 when its ASCII markup pairs with zero bytes,
// else UTF-8 when the bytes are well-formed UTF-8 and Windows-1252 (which browsers read for ISO-8859-1) otherwise.
// A page's own charset declaration is not trusted: pages saved by a browser are sometimes rewritten in UTF-8 with
// the old declaration left in.
std::string pageAsUtf8(std::string_view bytes);

// c appended to out in UTF-8.
void appendUtf8(std::string& out, char32_t c);

} // namespace sumafac
