#include "app/cli.h"

#include <ostream>
#include <sstream>

#include "app/cli_output.h"
#include "form/keywords.h"
#include "form/read_file.h"

namespace tessaly {

namespace {

constexpr const char* kProgramTitle = "Tessaly " TESSALY_VERSION;

}  // namespace

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

    std::string text;
    std::string error;
    if (!readWholeFile(cl.file, text, error)) {
        err << "tessaly: cannot read '" << cl.file << "': " << error << "\n";
        return 2;
    }

    // Both are written as the text is read: big files need no room for all their elements.
    if (cl.mode == CommandLine::Mode::Dump) {
        writeDump(text, keywords.table, out);
        out << "\n";
        return 0;
    }
    writeFormatted(text, keywords.table, out);
    return out.good() ? 0 : 2;
}

}  // namespace tessaly
