// GBK (code page 936) text of ".pgp" documents: conversion to and from the program's UTF-8
// strings through the C library's iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace curvanta {

// The UTF-8 text in GBK bytes; nullopt when a character has no GBK code (or the text is
// not valid UTF-8).
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// GBK bytes as UTF-8; a byte sequence that is no GBK character becomes U+FFFD and decoding
// goes on with the next byte.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace curvanta
