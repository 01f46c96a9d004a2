#include "app/ide_link.h"

#include "form/number_text.h"

namespace tessaly {

uint32_t editorHandleFrom(std::string_view variableText) {
    return uint32_t(numberTextAsInt32(variableText));
}

void askEditorForSelection(Clipboard& clipboard, EditorLink& link, uint32_t editor) {
    clipboard.putText("");
    link.sendCopy(editor);
}

void pasteIntoEditor(Clipboard& clipboard, EditorLink& link, uint32_t editor,
                     const std::string& code) {
    clipboard.putText(code);
    link.sendPaste(editor);
}

}  // namespace tessaly
