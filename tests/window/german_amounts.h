#pragma once

// What each front end's window shows under a German locale, whose decimal separator is the
// comma, for amounts typed with "kasprel" one after the other: either separator reads as the
// decimal point, results are written with a comma, and a grouped amount is refused with the
// invalid-amount message, keeping the result before it.
namespace quillmar::german_amounts {

struct typed_amount {
    const char* amount;
    const char* shown;
};

inline constexpr typed_amount in_turn[] = {
    {"1,5", "1,95g"},
    {"1.5", "1,95g"},
    {"-0,001", "-0,00g"},
    {"1.000,50", "-0,00g"},
};

inline constexpr char refused[] = "Please enter a valid numeric amount.";

} // namespace quillmar::german_amounts
