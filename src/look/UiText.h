#pragma once

#include <QString>

// Every user-visible text goes through this with its exact English wording, so one catalogue
// context ("Osken") covers all folders and lupdate finds each literal.
QString uiText(const char* sourceText);
