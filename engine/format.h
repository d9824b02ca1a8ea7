#pragma once
// Numbers as the program writes them: fixed-point, rounded to a number of significant
// digits (the precision) and shown with a number of decimals, with the locale's decimal
// separator passed in. A value with more integer digits than the precision is written in
// exponent form.

#include <string>

namespace nmk {

// FormatirajBroj(12.3456, 6, 2) == "12.35"; FormatirajBroj(40, 5, 2, ',') == "40,00";
// FormatirajBroj(12345.678, 5, 2) == "12346.00"; FormatirajBroj(1234567, 5, 2) == "1.2346E+06".
std::string FormatirajBroj(double x, int preciznost, int decimale, char separator = '.');

} // namespace nmk
