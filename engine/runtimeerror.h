#pragma once

#include <stdexcept>
#include <string>

namespace orrindel {

// The one error type of the program: the runtime's error number and its message.
// Raised where the forms runtime would raise, caught only where the program handles errors.
class RuntimeError : public std::runtime_error
{
public:
    enum Number : int {
        InvalidProcedureCall = 5,
        Overflow = 6,
        TypeMismatch = 13,
        FileNotFound = 53,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PrinterError = 482,
    };

    RuntimeError(int number, const std::string &message, const std::string &detail = {})
        : std::runtime_error(message), m_number(number), m_detail(detail)
    {
    }

    int number() const noexcept { return m_number; }
    // What went wrong, as one sentence for the user, where the raiser knows more than the
    // number says; else empty.
    const std::string &detail() const noexcept { return m_detail; }

    static RuntimeError overflow() { return {Overflow, "Overflow"}; }
    static RuntimeError typeMismatch() { return {TypeMismatch, "Type mismatch"}; }
    static RuntimeError invalidProcedureCall()
    {
        return {InvalidProcedureCall, "Invalid procedure call or argument"};
    }
    static RuntimeError fileNotFound() { return {FileNotFound, "File not found"}; }
    static RuntimeError printerError(const std::string &detail = {})
    {
        return {PrinterError, detail.empty() ? "Printer error" : "Printer error: " + detail,
                detail};
    }

private:
    int m_number;
    std::string m_detail;
};

} // namespace orrindel
