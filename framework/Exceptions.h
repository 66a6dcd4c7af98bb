#pragma once

// The framework's exceptions. Setup code never throws them itself; they come
// from framework calls that cannot do what was asked.
class CException {
public:
    virtual ~CException() = default;
    virtual const char* What() const = 0;
};

class CNotSupportedException : public CException {
public:
    const char* What() const override { return "A control could not be attached to its window."; }
};

class CResourceException : public CException {
public:
    const char* What() const override { return "A system resource could not be created."; }
};

[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();

// For the catch-all of window and thread procedures: shows what escaped and
// ends the process the way every fatal condition of the setup does.
[[noreturn]] void AfxAbortOnUnhandledException();
