#include "app/cli_output.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "edit/code_writer.h"
#include "form/code_text.h"
#include "form/reader.h"

namespace tessaly {
namespace {

// The whole list built in memory and dumped by the JSON library: what the streamed output must
// equal byte for byte.
std::string wholeDump(const std::string& text, const KeywordTable& table) {
    ElementList list;
    scanLines(CodeText(text), table, list);
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const sElement& e : list) {
        nlohmann::ordered_json element;
        element["KeyWord"] = e.KeyWord;
        element["Sort"] = e.Sort;
        element["Line"] = e.Line;
        element["Position"] = e.Position;
        element["Code"] = e.Code;
        nlohmann::ordered_json params = nlohmann::ordered_json::array();
        for (const sParameter& p : e.Parameters) {
            params.push_back({{"Name", p.Name},
                              {"Value", p.Value},
                              {"Type", p.Type},
                              {"Mandatory", int(p.Mandatory)}});
        }
        element["Parameters"] = std::move(params);
        out.push_back(std::move(element));
    }
    return out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// Every listed call rewritten into the whole code, in list order, as the editor writes edits:
// the calls sharing a statement take theirs from the text the ones before them left.
std::string wholeFormat(const std::string& text, const KeywordTable& table) {
    CodeText code(text);
    ElementList list;
    scanLines(code, table, list);
    for (int i = 0; i < list.count(); ++i) {
        if (list[i].Sort != kSortWindow && list[i].Sort != kSortGadget) continue;
        list.select(i);
        list[i].Code = buildLine(list[i]);
        writeCode(list, code);
        refreshStatement(list, i, table);
    }
    return code.text();
}

KeywordTable table() {
    KeywordTable t;
    t.push_back(
        sKeyWord{"OpenWindow,0,Window,x,y,Width,Height,Title$,Flags?", "", 0, "OpenWindow"});
    t.push_back(
        sKeyWord{"ButtonGadget,0,Gadget,x,y,Width,Height,Text$,Flags?", "", 1, "ButtonGadget"});
    t.push_back(sKeyWord{"CloseGadgetList", "", 2, "CloseGadgetList"});
    t.push_back(sKeyWord{"AddGadgetItem", "", 2, "AddGadgetItem"});
    return t;
}

// Strings of every kind the writer must escape as the JSON library does, line breaks of every
// kind, a line with two calls, a call without arguments and lines without any call.
const std::string kForm =
    "OpenWindow(#W,0,0,200,100,\"Ti\\\"tle\" , #PB_Window_SystemMenu)\r\n"
    "ButtonGadget(#B,1,2,3,4,\"tab\there \\\\ back\x01\")\n"
    "; a comment ButtonGadget(#No, 0, 0, 1, 1)\r"
    "ButtonGadget(#U,1,2,3,4,\"caf\xC3\xA9 \xFF\xFE bad\") : ButtonGadget(#V,5,6,7,8)\n"
    "AddGadgetItem(#L, -1, \"x\")\n"
    "CloseGadgetList()\n"
    "\n"
    "ButtonGadget(#Open, 1, 2";

TEST(CliOutput, DumpStreamsWhatTheJsonLibraryWritesForTheWholeList) {
    for (const std::string& text : {kForm, std::string(), std::string("no call\n")}) {
        std::ostringstream out;
        writeDump(text, table(), out);
        EXPECT_EQ(out.str(), wholeDump(text, table())) << text;
        EXPECT_NO_THROW((void)nlohmann::json::parse(out.str()));
    }
}

TEST(CliOutput, FormatStreamsWhatRewritingTheWholeCodeGives) {
    for (const std::string& text : {kForm, std::string(), std::string("a\r\n\r\nb\r")}) {
        std::ostringstream out;
        writeFormatted(text, table(), out);
        EXPECT_EQ(out.str(), wholeFormat(text, table())) << text;
    }
}

}  // namespace
}  // namespace tessaly
