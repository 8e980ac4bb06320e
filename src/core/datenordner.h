#pragma once
// The data folder with the shipped templates, word files and the language
// file: "daten" beside the program, else the installed share folder.

#include <string>

namespace gm {

// The folder of the running program file; empty when it cannot be found.
std::string ProgrammordnerFinden();

// programmordner/daten when that folder exists, else the data folder under the
// install prefix. Ends with a '/'.
std::string DatenordnerFinden(const std::string& programmordner);

}  // namespace gm
