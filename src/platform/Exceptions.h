#pragma once
// The exception family of the system: one root class whose message is text in
// the process code page, and the specific kinds that callers tell apart.

#include <exception>
#include <string>
#include <vector>

namespace qvn {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    void SetMessage(std::string m) { message_ = std::move(m); }
    const char* what() const noexcept override { return message_.c_str(); }
    // The class name as the system's reports print it.
    virtual const char* ClassName() const noexcept { return "Exception"; }

private:
    std::string message_;
};

#define QVN_DECLARE_EXCEPTION(Name, Base)                                     \
    class Name : public Base {                                                \
    public:                                                                   \
        using Base::Base;                                                     \
        const char* ClassName() const noexcept override { return #Name; }    \
    };

// The silent abort: unwinds an operation without any message being shown.
QVN_DECLARE_EXCEPTION(EAbort, Exception)
QVN_DECLARE_EXCEPTION(EConvertError, Exception)
QVN_DECLARE_EXCEPTION(EVariantError, Exception)
QVN_DECLARE_EXCEPTION(EOleError, Exception)
QVN_DECLARE_EXCEPTION(ERangeError, Exception)
QVN_DECLARE_EXCEPTION(EDatabaseError, Exception)

// Input/output failure with its I/O result code.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
    const char* ClassName() const noexcept override { return "EInOutError"; }
    int ErrorCode;
};

// Operating-system failure with the system's error code.
class EOSError : public Exception {
public:
    EOSError(std::string message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
    const char* ClassName() const noexcept override { return "EOSError"; }
    int ErrorCode;
};

// Older name the reports still print for operating-system failures.
class EWin32Error : public EOSError {
public:
    using EOSError::EOSError;
    const char* ClassName() const noexcept override { return "EWin32Error"; }
};

// Database engine failure carrying the engine's list of errors.
struct DBError {
    int ErrorCode = 0;
    std::string Message;
};

class EDBEngineError : public EDatabaseError {
public:
    EDBEngineError(std::string message, std::vector<DBError> errors)
        : EDatabaseError(std::move(message)), errors_(std::move(errors)) {}
    const char* ClassName() const noexcept override { return "EDBEngineError"; }
    int ErrorCount() const noexcept { return static_cast<int>(errors_.size()); }
    const DBError& Errors(int i) const { return errors_.at(static_cast<size_t>(i)); }

private:
    std::vector<DBError> errors_;
};

// Raises EOSError from errno (or the given code) with the system's message.
[[noreturn]] void RaiseLastOSError(int errorCode);

}  // namespace qvn
