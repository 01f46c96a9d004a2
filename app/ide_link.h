#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/clipboard.h"
#include "app/edit_hooks.h"

namespace tessaly {

// The environment variable in which the IDE hands its tools the window id of its editor.
inline constexpr const char* kEditorVariable = "PB_TOOL_Scintilla";

// The editor's window id from the variable's text: a number text of which the low 32 bits count.
// 0 (also for a missing, empty or non-number text) means that no editor started us.
uint32_t editorHandleFrom(std::string_view variableText);

// Start-up in editor mode: empties the clipboard, then has the editor copy its selection to it.
// An editor that copies nothing (or does not answer) leaves an empty clipboard, not older text.
void askEditorForSelection(Clipboard& clipboard, EditorLink& link, uint32_t editor);

// IDE Update in editor mode: puts the code on the clipboard, then has the editor paste it over its
// selection. The clipboard keeps the code, so it can still be pasted by hand if the editor is gone.
void pasteIntoEditor(Clipboard& clipboard, EditorLink& link, uint32_t editor,
                     const std::string& code);

}  // namespace tessaly
