#pragma once
#include <windows.h>

#include <string>

// The setup passes a 256-byte buffer: 255 characters and the terminator.
constexpr std::size_t kMaxMessageLength = 255;

// The raw text of a "TEXTS" resource of module, empty when there is none.
std::string ResourceText(HMODULE module, const char* name);

// Finds the line "number|text" in a table; lines starting with '#' are notes.
bool FindMessage(const std::string& table, int number, std::string& text);

// UTF-8 as the system's narrow code page writes it.
std::string Utf8ToAnsi(const std::string& text);
