#pragma once

#include <string_view>

namespace vesrin {

// Where plain code shows an error message box with an OK button. A message is named by
// the English text of its word-table row; the window side shows that row in the current
// language.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowError(std::string_view englishRow) = 0;
};

} // namespace vesrin
