#include "Exceptions.h"

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

void AfxThrowNotSupportedException() { throw CNotSupportedException(); }

void AfxThrowResourceException() { throw CResourceException(); }

void AfxAbortOnUnhandledException()
{
    std::string text = "Unexpected error: ";
    try {
        throw;
    } catch (const CException& e) {
        text += e.What();
    } catch (const std::exception& e) {
        text += e.what();
    } catch (...) {
        text += "unknown exception.";
    }
    MessageBoxA(nullptr, text.c_str(), "Velmora", MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
    std::exit(0);
}
