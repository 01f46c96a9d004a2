// The anchor of the window benchmarks: a plain wxWidgets program that shows one frame with the
// controls a form file creates, made directly (no registry, no picker, no second window), or,
// with --bare, an empty frame. Gadget kinds without a control of their own here become panels.
// With --capped it makes only as many gadget controls as the tool's preview does for a big form;
// with --controls N, a frame of N labels and text fields, about the tool's main window.
//   plain_form [--capped] FILE | plain_form --bare | plain_form --controls N
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/code_text.h"
#include "form/keywords.h"
#include "form/live_preview_wx.h"
#include "form/number_text.h"
#include "form/read_file.h"
#include "form/reader.h"

namespace {

using namespace tessaly;

std::string value(const sElement& e, size_t i) {
    return i < e.Parameters.size() ? e.Parameters[i].Value : std::string();
}

int number(const sElement& e, size_t i) {
    return numberTextAsInt32(value(e, i));
}

wxWindow* controlFor(wxWindow* parent, const sElement& e) {
    const std::string keyword = e.KeyWord;
    const wxString text = wxString::FromUTF8(value(e, 5));
    if (keyword == "ButtonGadget") return new wxButton(parent, wxID_ANY, text);
    if (keyword == "TextGadget") return new wxStaticText(parent, wxID_ANY, text);
    if (keyword == "StringGadget") return new wxTextCtrl(parent, wxID_ANY, text);
    if (keyword == "CheckBoxGadget") return new wxCheckBox(parent, wxID_ANY, text);
    if (keyword == "ListViewGadget") return new wxListBox(parent, wxID_ANY);
    return new wxPanel(parent, wxID_ANY);
}

}  // namespace

int main(int argc, char** argv) {
    long most = -1;
    if (argc > 2 && std::string(argv[1]) == "--capped") {
        most = LivePreview::kMaxGadgets;
        ++argv;
        --argc;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: plain_form [--capped] FILE | plain_form --bare | "
                     "plain_form --controls N\n");
        return 2;
    }
    const std::string arg = argv[1];
    const int plainControls = arg == "--controls" && argc > 2 ? std::atoi(argv[2]) : 0;
    ElementList list;
    if (arg != "--bare" && arg != "--controls") {
        std::string text, error;
        if (!readWholeFile(arg, text, error)) {
            std::fprintf(stderr, "plain_form: %s\n", error.c_str());
            return 2;
        }
        const KeywordLoad keywords = loadKeywordFile(TESSALY_SOURCE_DIR "/assets/keywords.json");
        scanLines(CodeText(text), keywords.table, list);
    }
    wxApp::SetInstance(new wxApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv)) return 1;
    wxTheApp->CallOnInit();
    wxString title = "bare";
    wxSize inner(800, 600);
    for (const sElement& e : list) {
        if (e.KeyWord != "OpenWindow") continue;
        title = wxString::FromUTF8(value(e, 5));
        if (number(e, 3) > 0 && number(e, 4) > 0) inner = wxSize(number(e, 3), number(e, 4));
        break;
    }
    auto* frame = new wxFrame(nullptr, wxID_ANY, title);
    frame->SetClientSize(inner);
    for (const sElement& e : list) {
        if (e.Sort != kSortGadget) continue;
        if (most-- == 0) break;
        controlFor(frame, e)->SetSize(number(e, 1), number(e, 2), number(e, 3), number(e, 4));
    }
    for (int i = 0; i < plainControls; ++i) {
        const wxPoint at(5 + (i % 2) * 100, 5 + (i / 2) * 25);
        if (i % 2 == 0) {
            new wxStaticText(frame, wxID_ANY, "Label", at, wxSize(90, 20));
        } else {
            new wxTextCtrl(frame, wxID_ANY, "Text", at, wxSize(180, 22));
        }
    }
    frame->Show();
    const int status = wxTheApp->OnRun();
    wxEntryCleanup();
    return status;
}
