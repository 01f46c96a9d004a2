#include "app/cli.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <sstream>

#include "app/cli_output.h"
#include "form/keywords.h"
#include "form/read_file.h"

namespace tessaly {

namespace {

constexpr const char* kProgramTitle = "Tessaly " TESSALY_VERSION;

}  // namespace

void reportKeywordNote(const KeywordLoad& load, std::ostream& err) {
    if (!load.ok || load.error.empty()) return;
    err << "tessaly: keyword file '" << load.path << "': " << load.error
        << "; no call is recognised\n";
}

std::string usageText() {
    std::ostringstream s;
    s << kProgramTitle << " - a live preview and editor for PureBasic form code\n"
      << "\n"
      << "Usage:\n"
      << "  tessaly [FILE]            open the window; the code comes from FILE or the clipboard\n"
      << "  tessaly --dump FILE       print how FILE is read, as JSON\n"
      << "  tessaly --format FILE     print FILE with every listed call line rewritten\n"
      << "  tessaly --ide-file PATH [--ide-selection SEL]\n"
      << "                            open the window on the selected lines of PATH (SEL as\n"
      << "                            LINExCOLUMNxLINExCOLUMN, else all); IDE Update writes\n"
      << "                            them back into PATH\n"
      << "  tessaly --snapshot OUT.png FILE\n"
      << "                            write FILE's preview as a PNG picture and quit\n"
      << "\n"
      << "Options:\n"
      << "  --keywords PATH           use this keyword file instead of keywords.json\n"
      << "  --help                    show this text\n"
      << "  --version                 show the version\n";
    return s.str();
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    auto fail = [&cl](std::string message) {
        cl.mode = CommandLine::Mode::Error;
        cl.error = std::move(message);
        return cl;
    };
    bool modeGiven = false;
    bool onlyFiles = false;
    bool ideSelectionGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!onlyFiles && a == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (a == "--help" || a == "-h")) {
            cl.mode = CommandLine::Mode::Help;
            return cl;
        } else if (!onlyFiles && (a == "--version" || a == "-v")) {
            cl.mode = CommandLine::Mode::Version;
            return cl;
        } else if (!onlyFiles && (a == "--dump" || a == "--format")) {
            if (modeGiven) return fail("choose one of --dump and --format");
            if (i + 1 >= args.size()) return fail(a + " needs a FILE");
            if (!cl.file.empty()) return fail("more than one FILE given");
            cl.mode = a == "--dump" ? CommandLine::Mode::Dump : CommandLine::Mode::Format;
            cl.file = args[++i];
            modeGiven = true;
        } else if (!onlyFiles && a == "--keywords") {
            if (i + 1 >= args.size()) return fail("--keywords needs a PATH");
            cl.keywordsPath = args[++i];
        } else if (!onlyFiles && a == "--ide-file") {
            if (i + 1 >= args.size() || args[i + 1].empty()) return fail("--ide-file needs a PATH");
            cl.ideFile = args[++i];
        } else if (!onlyFiles && a == "--snapshot") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                return fail("--snapshot needs a picture file");
            }
            cl.snapshot = args[++i];
        } else if (!onlyFiles && a == "--ide-selection") {
            if (i + 1 >= args.size()) return fail("--ide-selection needs a SEL");
            cl.ideSelection = args[++i];
            ideSelectionGiven = true;
        } else if (!onlyFiles && a.size() > 1 && a[0] == '-') {
            return fail("unknown option " + a);
        } else {
            if (!cl.file.empty()) return fail("more than one FILE given");
            cl.file = a;
        }
    }
    if (ideSelectionGiven && cl.ideFile.empty()) return fail("--ide-selection needs --ide-file");
    if (!cl.snapshot.empty() && (modeGiven || cl.file.empty() || !cl.ideFile.empty())) {
        return fail("--snapshot OUT.png needs a FILE and nothing else");
    }
    if (!cl.ideFile.empty() && modeGiven) return fail("--ide-file opens the window only");
    if (!cl.ideFile.empty() && !cl.file.empty()) return fail("choose one of FILE and --ide-file");
    return cl;
}

int runCommandLine(const CommandLine& cl, const std::string& exeDir, std::ostream& out,
                   std::ostream& err) {
    switch (cl.mode) {
        case CommandLine::Mode::Help:
            out << usageText();
            return 0;
        case CommandLine::Mode::Version:
            out << kProgramTitle << "\n";
            return 0;
        case CommandLine::Mode::Error:
            err << "tessaly: " << cl.error << "\n"
                << "Try 'tessaly --help'.\n";
            return 2;
        case CommandLine::Mode::Window:
            err << "tessaly: this build has no window program\n";
            return 2;
        case CommandLine::Mode::Dump:
        case CommandLine::Mode::Format:
            break;
    }

    KeywordLoad keywords;
    if (!cl.keywordsPath.empty()) {
        keywords = loadKeywordFile(cl.keywordsPath);
        if (!keywords.ok) {
            err << "tessaly: cannot read keyword file '" << cl.keywordsPath
                << "': " << keywords.error << "\n";
            return 2;
        }
    } else {
        keywords = loadKeywordTableWithFallback(exeDir);
        if (!keywords.ok) {
            err << "tessaly: no keyword table (" << keywords.error << "); no call is recognised\n";
        }
    }
    reportKeywordNote(keywords, err);

    std::string text;
    std::string error;
    if (!readWholeFile(cl.file, text, error)) {
        err << "tessaly: cannot read '" << cl.file << "': " << error << "\n";
        return 2;
    }

    errno = 0;  // what a failed write leaves here names the reason
    // Both are written as the text is read: big files need no room for all their elements.
    if (cl.mode == CommandLine::Mode::Dump) {
        writeDump(text, keywords.table, out);
        out << "\n";
    } else {
        writeFormatted(text, keywords.table, out);
    }
    // A write that failed (a full disk, a closed output) must not pass for success: the output
    // of --format often replaces the form file.
    out.flush();
    if (!out.good()) {
        err << "tessaly: cannot write the output" << (errno != 0 ? ": " : "")
            << (errno != 0 ? std::strerror(errno) : "") << "\n";
        return 2;
    }
    return 0;
}

}  // namespace tessaly
