// The dialog templates as data, for ports that build their dialogs themselves.
#pragma once

#include <cstdint>
#include <span>

namespace res {

struct ControlTemplate {
    const char* text;
    int id;
    const char* className;  // "Button", "Edit", "Static", "msctls_updown32"
    std::uint32_t style;
    int x, y, cx, cy;  // dialog units
    std::uint32_t exStyle;
    int iconId;  // for an icon control, the icon resource it shows; otherwise 0
};

struct DialogTemplate {
    int id;
    int x, y, cx, cy;  // dialog units
    std::uint32_t style;
    std::uint32_t exStyle;
    const char* caption;
    int points;
    const char* face;
    std::span<const ControlTemplate> controls;
};

// The template `id`, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
