#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "form/keywords.h"

namespace tessaly {

// What the command line asks for.
struct CommandLine {
    enum class Mode { Window, Dump, Format, Help, Version, Error };
    Mode mode = Mode::Window;
    std::string file;          // the form file (Dump, Format, and optionally Window)
    std::string keywordsPath;  // --keywords PATH; empty for the usual lookup
    std::string ideFile;       // --ide-file PATH (Window): the IDE's copy of the source
    std::string ideSelection;  // --ide-selection SEL: the IDE's selection in that copy
    std::string snapshot;      // --snapshot OUT.png (Window, with FILE): write the preview, quit
    std::string error;         // Mode::Error: what was wrong with the arguments
};

// Parses the arguments after the program name. Never throws; bad arguments give Mode::Error.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// Runs every mode but Window and returns the exit status: 0 on success, 2 when a file cannot be
// read or the arguments are wrong. exeDir is where the installed keywords.json lies.
int runCommandLine(const CommandLine& cl, const std::string& exeDir, std::ostream& out,
                   std::ostream& err);

// Reports a keyword table that was read but holds no list of calls (a JSON value that is not an
// array): one line on err naming the file. Says nothing for a table without such a note.
void reportKeywordNote(const KeywordLoad& load, std::ostream& err);

// The usage text shown by --help.
std::string usageText();

}  // namespace tessaly
