#pragma once

#include <string>

#include "storage/text_scanner.h"

// One "[value]" field of a saved game.

// Appends "[value]" in plain decimal.
void AppendField(std::string& out, int value);

// Reads "[value]": the opening bracket must come next, white space may precede the number,
// the closing bracket must follow the number at once. False when the text does not match or
// the value lies outside min..max; value is then unchanged.
bool ReadField(TextScanner& in, int& value, int min, int max);
