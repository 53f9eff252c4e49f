#include "res/templates.h"

#include "platform/framework/types.h"
#include "platform/styles.h"
#include "res/resource.h"

namespace res {

namespace {

#define DIALOG_BEGIN(id, x, y, cx, cy, style, exStyle, caption, points, face) \
    const ControlTemplate kControls_##id[] = {
#define DIALOG_CONTROL(text, id, className, style, x, y, cx, cy, exStyle) \
    {text, id, className, static_cast<std::uint32_t>(style),   x,         \
     y,    cx, cy,        static_cast<std::uint32_t>(exStyle), 0},
#define DIALOG_ICON(iconId, id, style, x, y, cx, cy, exStyle)  \
    {"", id, "Static", static_cast<std::uint32_t>(style),   x, \
     y,  cx, cy,       static_cast<std::uint32_t>(exStyle), iconId},
#define DIALOG_END() \
    }                \
    ;
#include "res/dialogs.def"
#undef DIALOG_BEGIN
#undef DIALOG_CONTROL
#undef DIALOG_ICON
#undef DIALOG_END

#define DIALOG_BEGIN(id, x, y, cx, cy, style, exStyle, caption, points, face) \
    {id,                                                                      \
     x,                                                                       \
     y,                                                                       \
     cx,                                                                      \
     cy,                                                                      \
     static_cast<std::uint32_t>(style),                                       \
     static_cast<std::uint32_t>(exStyle),                                     \
     caption,                                                                 \
     points,                                                                  \
     face,                                                                    \
     kControls_##id},
#define DIALOG_CONTROL(text, id, className, style, x, y, cx, cy, exStyle)
#define DIALOG_ICON(iconId, id, style, x, y, cx, cy, exStyle)
#define DIALOG_END()
const DialogTemplate kDialogs[] = {
#include "res/dialogs.def"
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& dialog : kDialogs) {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}

}  // namespace res
