// Reads PureBasic statements from standard input, one statement per argument file or the whole
// input as one text, and says what is wrong with them: for the end-to-end stories.
#include <iostream>
#include <iterator>
#include <string>

#include "form/syntax_check.h"

int main() {
    const std::string text((std::istreambuf_iterator<char>(std::cin)),
                           std::istreambuf_iterator<char>());
    const std::string error = tessaly::syntaxError(text);
    if (error.empty()) return 0;
    std::cout << error << "\n";
    return 1;
}
