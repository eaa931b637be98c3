#pragma once

#include "store/ConfigData.h"
#include "store/IniText.h"

#include <QString>

// What a value of the store's INI files reads as, by the reading rule of every settings file: a value that
// holds no number reads as 0, no text as "", no colour as the invalid colour. The "@..." forms read as the
// settings layer reads them.
qint64 numberOfValue(const ini::ValueText& value);
QString textOfValue(const ini::ValueText& value);
RgbColor colourOfValue(const ini::ValueText& value);

// A line's value bytes that are a plain decimal number ("300", "-1"); false for anything else.
bool plainNumber(const char* begin, const char* end, qint64& number);
