// Message maps: static tables that bind a control identifier or a window message to a member
// function. The port looks up the handler for what arrived and calls it on the dialog's thread;
// a class's table is searched before its base class's.
#pragma once

#include "platform/framework/types.h"

namespace dlg {

class CCmdTarget;

enum class MessageKind { End, Command, Notify, SysCommand, Paint, QueryDragIcon };

// What a message carries in and out, by kind.
struct MessageArgs {
    UINT sysCommand = 0;        // SysCommand
    LPARAM lParam = 0;          // SysCommand
    NMHDR* notify = nullptr;    // Notify
    LRESULT* result = nullptr;  // Notify
    HICON icon = nullptr;       // QueryDragIcon: the answer
};

using MessageHandler = void (*)(CCmdTarget& target, MessageArgs& args);

struct MessageMapEntry {
    MessageKind kind;
    UINT code;  // the notification code for Command and Notify
    int id;     // the control or command identifier for Command and Notify
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;  // ends with an entry of kind End
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Calls the handler bound to (kind, code, id) and returns true, or returns false when this
    // class and its bases bind none. Code and id are ignored for the window messages.
    bool Dispatch(MessageKind kind, UINT code, int id, MessageArgs& args);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};

namespace detail {

template <class F>
struct Owner;
template <class C, class R, class... A>
struct Owner<R (C::*)(A...)> {
    using type = C;
};
template <auto F>
using OwnerOf = typename Owner<decltype(F)>::type;

template <auto F>
void CallCommand(CCmdTarget& target, MessageArgs&) {
    (static_cast<OwnerOf<F>&>(target).*F)();
}
template <auto F>
void CallNotify(CCmdTarget& target, MessageArgs& args) {
    (static_cast<OwnerOf<F>&>(target).*F)(args.notify, args.result);
}
template <auto F>
void CallSysCommand(CCmdTarget& target, MessageArgs& args) {
    (static_cast<OwnerOf<F>&>(target).*F)(args.sysCommand, args.lParam);
}
template <auto F>
void CallQueryIcon(CCmdTarget& target, MessageArgs& args) {
    args.icon = (static_cast<OwnerOf<F>&>(target).*F)();
}

}  // namespace detail

}  // namespace dlg

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const ::dlg::MessageMap* GetThisMessageMap(); \
    const ::dlg::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                 \
    const ::dlg::MessageMap* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                            \
    }                                                          \
    const ::dlg::MessageMap* theClass::GetThisMessageMap() {   \
        using ThisClass [[maybe_unused]] = theClass;           \
        using TheBaseClass = baseClass;                        \
        static const ::dlg::MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                             \
    { ::dlg::MessageKind::End, 0, 0, nullptr }                                        \
    }                                                                                 \
    ;                                                                                 \
    static const ::dlg::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                                      \
    }

#define ON_COMMAND(id, fn) \
    {::dlg::MessageKind::Command, BN_CLICKED, (id), &::dlg::detail::CallCommand<fn>},
#define ON_BN_CLICKED(id, fn) \
    {::dlg::MessageKind::Command, BN_CLICKED, (id), &::dlg::detail::CallCommand<fn>},
#define ON_NOTIFY(code, id, fn) \
    {::dlg::MessageKind::Notify, (code), (id), &::dlg::detail::CallNotify<fn>},
#define ON_WM_SYSCOMMAND()                 \
    {::dlg::MessageKind::SysCommand, 0, 0, \
     &::dlg::detail::CallSysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() \
    {::dlg::MessageKind::Paint, 0, 0, &::dlg::detail::CallCommand<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON()                 \
    {::dlg::MessageKind::QueryDragIcon, 0, 0, \
     &::dlg::detail::CallQueryIcon<&ThisClass::OnQueryDragIcon>},
