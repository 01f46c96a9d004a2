#include "app/cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace tessaly {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLineParsing, ModesFilesAndErrors) {
    struct Case {
        std::vector<std::string> args;
        Mode mode;
        std::string file;
        std::string keywords;
    };
    const Case cases[] = {
        {{}, Mode::Window, "", ""},
        {{"form.pb"}, Mode::Window, "form.pb", ""},
        {{"--dump", "a.pb"}, Mode::Dump, "a.pb", ""},
        {{"--keywords", "k.json", "--format", "a.pb"}, Mode::Format, "a.pb", "k.json"},
        {{"--format", "a.pb", "--keywords", "k.json"}, Mode::Format, "a.pb", "k.json"},
        {{"--", "--dump"}, Mode::Window, "--dump", ""},
        {{"--dump", "-"}, Mode::Dump, "-", ""},
        {{"x.pb", "--help"}, Mode::Help, "x.pb", ""},
        {{"--version"}, Mode::Version, "", ""},
        {{"--snapshot", "o.png", "f.pb"}, Mode::Window, "f.pb", ""},
    };
    for (const Case& c : cases) {
        const CommandLine cl = parseCommandLine(c.args);
        EXPECT_EQ(cl.mode, c.mode) << c.args.size();
        if (c.mode != Mode::Help) EXPECT_EQ(cl.file, c.file);
        EXPECT_EQ(cl.keywordsPath, c.keywords);
    }
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--dump"},
                                               {"--keywords"},
                                               {"--dump", "a", "--format", "b"},
                                               {"a.pb", "b.pb"},
                                               {"--dump", "a", "b"},
                                               {"--frobnicate"},
                                               {"--ide-file"},
                                               {"--ide-file", ""},
                                               {"--ide-selection", "1x1x2x1"},
                                               {"--ide-file", "a", "b.pb"},
                                               {"--ide-file", "a", "--dump", "b"},
                                               {"--ide-file", "a", "--ide-selection"},
                                               {"--snapshot", "o.png"},
                                               {"--snapshot", "o.png", "--dump", "a"},
                                               {"--snapshot"}}) {
        const CommandLine cl = parseCommandLine(bad);
        EXPECT_EQ(cl.mode, Mode::Error);
        EXPECT_FALSE(cl.error.empty());
    }
    const CommandLine ide = parseCommandLine({"--ide-selection", "", "--ide-file", "/t/x.pb"});
    EXPECT_EQ(ide.mode, Mode::Window);
    EXPECT_EQ(ide.ideFile, "/t/x.pb");
    EXPECT_EQ(ide.ideSelection, "");
    EXPECT_TRUE(ide.file.empty());
    EXPECT_EQ(parseCommandLine({"--ide-file", "x.pb", "--ide-selection", "2x1x3x1"}).ideSelection,
              "2x1x3x1");
}

class CommandLineRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tessaly-cli-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    int run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return runCommandLine(parseCommandLine(args), TESSALY_SOURCE_DIR "/assets", out_, err_);
    }
    std::filesystem::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(CommandLineRun, DumpPrintsEveryElementWithItsMembers) {
    const std::string form = write("f.pb",
                                   "OpenWindow(0, 0, 0, 300, 200, \"T\")\r\n  b = "
                                   "ButtonGadget(#PB_Any, 1, 2, 3, 4, \"Go\")\r\n"
                                   "AddGadgetItem(#L, -1, \"x\")");
    ASSERT_EQ(run({"--keywords", TESSALY_SOURCE_DIR "/assets/keywords.json", "--dump", form}), 0)
        << err_.str();
    const nlohmann::ordered_json dump = nlohmann::ordered_json::parse(out_.str());
    ASSERT_TRUE(dump.is_array());
    ASSERT_EQ(dump.size(), 3u);
    const auto& button = dump[1];
    std::vector<std::string> keys;
    for (auto it = button.begin(); it != button.end(); ++it) keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"KeyWord", "Sort", "Line", "Position", "Code",
                                              "Parameters"}));
    EXPECT_EQ(button["KeyWord"], "ButtonGadget");
    EXPECT_EQ(button["Sort"], 1);
    EXPECT_EQ(button["Line"], 1);
    EXPECT_EQ(button["Position"], 7);
    EXPECT_EQ(button["Code"], "  b = ButtonGadget(#PB_Any, 1, 2, 3, 4, \"Go\")");
    EXPECT_EQ(
        button["Parameters"][5],
        nlohmann::ordered_json({{"Name", "Text"}, {"Value", "Go"}, {"Type", 8}, {"Mandatory", 1}}));
    EXPECT_EQ(dump[2]["Sort"], 2);
    EXPECT_EQ(dump[2]["Parameters"].size(), 3u);
}

TEST_F(CommandLineRun, FormatRewritesListedCallsAndKeepsEveryOtherByte) {
    const std::string text =
        "; form\r\nOpenWindow(0,0,0,300,200,\"T\")  ; main\r\n\r\n  ButtonGadget(1,1,2,3,4,\"Go\", "
        " )\n"
        "AddGadgetItem( #L,-1,\"x\" )\rCloseGadgetList( )\n";
    const std::string form = write("f.pb", text);
    ASSERT_EQ(run({"--format", form}), 0) << err_.str();
    EXPECT_EQ(out_.str(),
              "; form\r\nOpenWindow(0, 0, 0, 300, 200, \"T\")  ; main\r\n\r\n"
              "  ButtonGadget(1, 1, 2, 3, 4, \"Go\")\nAddGadgetItem( #L,-1,\"x\" "
              ")\rCloseGadgetList( )\n");
}

TEST_F(CommandLineRun, UnreadableFilesAreNamedAndGiveStatusTwo) {
    EXPECT_EQ(run({"--dump", (dir_ / "missing.pb").string()}), 2);
    EXPECT_NE(err_.str().find("missing.pb"), std::string::npos);
    EXPECT_NE(err_.str().find("No such file"), std::string::npos);
    EXPECT_TRUE(out_.str().empty());

    EXPECT_EQ(run({"--format", dir_.string()}), 2);
    EXPECT_NE(err_.str().find("is a folder"), std::string::npos);

    const std::string form = write("f.pb", "ButtonGadget(1,1,1,1,1,\"a\")");
    EXPECT_EQ(run({"--keywords", (dir_ / "none.json").string(), "--dump", form}), 2);
    EXPECT_NE(err_.str().find("none.json"), std::string::npos);

    EXPECT_EQ(run({"--dump"}), 2);
    EXPECT_NE(err_.str().find("--help"), std::string::npos);
}

TEST_F(CommandLineRun, DevicesPipesAndHugeFilesAreRefusedBeforeReading) {
    const std::string keywords = write("k.json", "[]");
    const std::string form = write("f.pb", "; form\n");
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = write("huge.pb", "");
    std::filesystem::resize_file(huge, 256ull * 1024 * 1024 + 1);  // sparse: costs no disk
    for (const std::string& bad : {std::string("/dev/zero"), fifo, huge}) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"--dump", bad},
                                                     {"--format", bad},
                                                     {"--keywords", bad, "--dump", form}}) {
            EXPECT_EQ(run(args), 2) << bad;
            EXPECT_NE(err_.str().find("'" + bad + "'"), std::string::npos) << err_.str();
            EXPECT_TRUE(err_.str().find("not a regular file") != std::string::npos ||
                        err_.str().find("larger than 256 MiB") != std::string::npos)
                << err_.str();
        }
    }
    EXPECT_EQ(run({"--keywords", keywords, "--dump", form}), 0);  // the limit is not too tight
}

TEST_F(CommandLineRun, AKeywordFileThatIsNoArrayIsNamedOnce) {
    const std::string form = write("f.pb", "ButtonGadget(1,1,1,1,1,\"a\")");
    for (const char* json : {"{}", "42", "null"}) {
        const std::string keywords = write("k.json", json);
        EXPECT_EQ(run({"--keywords", keywords, "--dump", form}), 0);
        EXPECT_EQ(out_.str(), "[]\n");
        EXPECT_EQ(err_.str(), "tessaly: keyword file '" + keywords +
                                  "': the top-level value is not an array; no call is "
                                  "recognised\n");
    }
}

TEST_F(CommandLineRun, AFailedWriteGivesAMessageAndStatusTwo) {
    const std::string form = write("f.pb", "ButtonGadget(1,1,1,1,1,\"a\")\n");
    const std::string program = "'" TESSALY_BINARY_DIR "/tessaly' ";
    for (const std::string mode : {"--format ", "--dump "}) {
        for (const std::string redirect : {" > /dev/full", " >&-"}) {
            const std::string command = program + mode + "'" + form + "'" + redirect + " 2> '" +
                                        (dir_ / "err").string() + "'";
            const int status = std::system(command.c_str());
            ASSERT_TRUE(WIFEXITED(status)) << command;
            EXPECT_EQ(WEXITSTATUS(status), 2) << command;
            std::ifstream in(dir_ / "err");
            const std::string message((std::istreambuf_iterator<char>(in)), {});
            EXPECT_NE(message.find("cannot write the output"), std::string::npos) << command;
        }
    }
}

TEST_F(CommandLineRun, DumpShowsBytesThatAreNotUtf8InsteadOfFailing) {
    const std::string form = write("f.pb", "ButtonGadget(1,1,1,1,1,\"\xff\xfe\")");
    ASSERT_EQ(run({"--dump", form}), 0);
    const auto dump = nlohmann::json::parse(out_.str());
    EXPECT_EQ(dump[0]["Parameters"][5]["Value"], "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(CommandLineRun, HelpAndVersion) {
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(out_.str(), "Tessaly 0.87\n");
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out_.str().find("--dump FILE"), std::string::npos);
    EXPECT_NE(out_.str().find("--format FILE"), std::string::npos);
    EXPECT_NE(out_.str().find("--keywords PATH"), std::string::npos);
}

TEST_F(CommandLineRun, TheProgramFindsItsInstalledKeywordFileFromAnyFolder) {
    // The build copies keywords.json beside the executable; run it from a folder without one.
    const std::string form = write("f.pb", "  TextGadget(1, 1, 1, 1, 1, \"a\")\n");
    const std::string command = "cd '" + dir_.string() +
                                "' && '" TESSALY_BINARY_DIR
                                "/tessaly' --dump f.pb > out.json 2> err.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(dir_ / "out.json");
    const auto dump = nlohmann::json::parse(in);
    ASSERT_EQ(dump.size(), 1u);
    EXPECT_EQ(dump[0]["KeyWord"], "TextGadget");
    EXPECT_EQ(std::filesystem::file_size(dir_ / "err.txt"), 0u);

    const std::string missing = "cd '" + dir_.string() +
                                "' && '" TESSALY_BINARY_DIR "/tessaly' --format nope.pb 2> err.txt";
    const int status = std::system(missing.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace tessaly
