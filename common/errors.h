#pragma once

#include <QString>

#include <exception>

// The run-time errors a calculation can meet. They travel as exceptions from the
// number helpers up to the handler, which decides whether to report them.
enum class ErrorKind {
    TypeMismatch,   // a text that should be a number is not one
    DivisionByZero, // a non-zero value divided by zero
    Overflow,       // a result that is not a finite number (0 ÷ 0 included)
    OutOfRange,     // a number that the figure it stands for cannot be (a negative price)
};

// What is wrong with a figure read from a box, when the figure itself is at fault;
// None for an error of the arithmetic done with figures that were each sound.
enum class Fault {
    None,
    Empty,      // nothing, or only blanks
    NotANumber, // words, or a number written in a way that is not read
    TooLarge,   // beyond the range of a double
    Negative,
    Zero,     // a zero that something is divided by
    NotWhole, // a fraction where only a whole number makes sense

    // What is wrong with a date, or with the two dates of a life.
    EmptyDate,   // nothing, or only blanks, where a date is asked for
    NotADate,    // not a day, a month and a year, as 23.04.1951 is
    ShortYear,   // a year of one or two digits, whose century is anybody's guess
    NoSuchDay,   // a day the calendar does not have: 31.02.1950
    BeforeBirth, // a death before the birth
    AfterToday,  // a death after today
    TooOld,      // an age above any that is lived (oldestAge)
};

// Solar years: a life longer than this is a slip in one of its dates.
inline constexpr int oldestAge = 150;

class CalculationError : public std::exception
{
public:
    explicit CalculationError(ErrorKind kind) : m_kind(kind) {}
    // `input`: which of the calculation's inputs, counted from 0, the fault lies in,
    // where the calculation takes its inputs as texts rather than figures.
    explicit CalculationError(Fault fault, int input = noInput);

    static constexpr int noInput = -1;

    ErrorKind kind() const { return m_kind; }
    Fault fault() const { return m_fault; }
    int input() const { return m_input; }
    const char *what() const noexcept override;

private:
    ErrorKind m_kind;
    Fault m_fault = Fault::None;
    int m_input = noInput;
};

// What is wrong with a figure, in the words both the error report and the file
// reader's refusal say it with: "sıfırdan küçük olamaz". Empty for a fault that is
// not a figure's (a date's, or none).
QString figureFaultWords(Fault fault);

// The text of the error report when no box can be named: what went wrong, said to
// a person, in Turkish.
QString errorReportText(ErrorKind kind);

// The text of the error report for the box at fault: it names the box by its caption
// on the screen and quotes what it holds, so that the user can find and mend it.
// `computed`: the box is one the program fills in, not one the user types into.
QString errorReportText(const CalculationError &error, const QString &caption, const QString &boxText, bool computed);
