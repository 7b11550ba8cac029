// Numbers as the data files write and read them: the general text of a float
// (plain decimals, up to 15 significant digits, no trailing zeros, never an
// exponent) and the strict reading of one field.
#pragma once
#include <string>
#include <string_view>

std::string GeneralNumber(double v);
// A whole field as a number: blanks around it allowed, optional sign, digits
// with an optional ".", an optional exponent (E or D, signed). An empty field
// is 0. False when anything else is in the field.
bool ParseNumber(std::string_view field, double& out);

// The number a text begins with, 0 when it begins with none: blanks, tabs and
// line feeds anywhere are ignored; an optional sign, digits with an optional
// ".", an optional exponent (E or D, signed); "&H" hexadecimal and "&O"
// octal integers. Whatever follows the number is ignored. Never the locale.
double LeadingNumber(std::string_view text);

// Rounds v in place to 5 decimals (halves away from zero) and returns its
// general text: shortest form, up to 15 significant digits, no trailing zeros.
std::string FormatNumber5(double& v);
// FormatNumber5 appending to `out`: the writer's hot path.
void AppendNumber5(std::string& out, double& v);
// The decimal text of a whole number, appended to `out`.
void AppendInt(std::string& out, long v);
