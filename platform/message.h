// The error message box. The engine reports every failure here, where it happens; the program
// decides where the text goes (a modal box, standard error, a test's capture).
#pragma once

#include <functional>
#include <string_view>

namespace platform {

using MessageSink = std::function<void(std::string_view text)>;

// Shows `text` and returns when it has been dismissed.
void ShowError(std::string_view text);

// Sends every later message to `sink` and returns the previous one. An empty sink restores the
// default, which writes the text to standard error.
MessageSink InstallMessageSink(MessageSink sink);

}  // namespace platform
