#pragma once

#include <QString>

#include <exception>

// The run-time errors a calculation can meet. They travel as exceptions from the
// number helpers up to the handler, which decides whether to report them.
enum class ErrorKind {
    TypeMismatch,   // a text that should be a number is not one
    DivisionByZero, // a non-zero value divided by zero
    Overflow,       // a result that is not a finite number (0 ÷ 0 included)
};

class CalculationError : public std::exception
{
public:
    explicit CalculationError(ErrorKind kind) : m_kind(kind) {}

    ErrorKind kind() const { return m_kind; }
    const char *what() const noexcept override;

private:
    ErrorKind m_kind;
};

// The text of the error report: what went wrong, said to a person, in Turkish.
QString errorReportText(ErrorKind kind);
