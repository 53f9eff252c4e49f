#include "platform/message.h"

#include <cstdio>
#include <string>

namespace platform {

namespace {

MessageSink& Installed() {
    static MessageSink sink;
    return sink;
}

}  // namespace

void ShowError(std::string_view text) {
    if (Installed()) {
        Installed()(text);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

MessageSink InstallMessageSink(MessageSink sink) {
    MessageSink previous = std::move(Installed());
    Installed() = std::move(sink);
    return previous;
}

}  // namespace platform
