#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace strhaven {

// Numbers in game files and the settings store are read with either a point
// or the user's decimal sign, so that a file written on one machine opens on
// another. Blanks around the number are allowed; group separators are not,
// because "0,5" must not turn into 5 where the comma groups thousands.
// Empty text, text that is not a number and infinities give nothing.
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());

// The shortest decimal form that reads back as the same single-precision
// value, always with a point and never in exponent form: "20", "0.5", "0.2".
QString shortestText(float value);

// To the nearest whole number, halves to the even neighbour (2.5 gives 2,
// 3.5 gives 4): the rule game files and settings written by earlier versions
// were read with, so they read back the same.
double roundHalfEven(double value);

} // namespace strhaven
