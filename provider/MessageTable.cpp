#include "MessageTable.h"

#include <cstdlib>
#include <sstream>

std::string ResourceText(HMODULE module, const char* name)
{
    HRSRC resource = ::FindResourceA(module, name, "TEXTS");
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return data ? std::string(data, ::SizeofResource(module, resource)) : std::string();
}

bool FindMessage(const std::string& table, int number, std::string& text)
{
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string::size_type bar = line.find('|');
        if (line.empty() || line[0] == '#' || bar == std::string::npos || bar == 0)
            continue;
        char* end = nullptr;
        long lineNumber = std::strtol(line.c_str(), &end, 10);
        if (end != line.c_str() + bar || lineNumber != number)
            continue;
        text = line.substr(bar + 1);
        return true;
    }
    return false;
}

std::string Utf8ToAnsi(const std::string& text)
{
    if (text.empty())
        return text;
    int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    int narrowLength = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(narrowLength, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &narrow[0], narrowLength, nullptr, nullptr);
    return narrow;
}
