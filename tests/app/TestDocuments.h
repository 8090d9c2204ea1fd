// Documents for window tests: the committed fixtures, and documents the engine writes.
#pragma once

#include <string>

// The path of a committed fixture file.
std::string Fixture(const std::string& Name);

// Writes a document of Pages blank pages to Path with the engine beside the test executable.
void MakeBlankDocument(const std::string& Path, int Pages);
