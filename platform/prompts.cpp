#include "platform/prompts.h"
#include "platform/scriptedprompts.h"

namespace platform {

namespace {
std::unique_ptr<Prompts> &current()
{
    static std::unique_ptr<Prompts> p = std::make_unique<ScriptedPrompts>();
    return p;
}
} // namespace

Prompts &prompts()
{
    return *current();
}

std::unique_ptr<Prompts> setPrompts(std::unique_ptr<Prompts> prompts)
{
    std::unique_ptr<Prompts> old = std::move(current());
    current() = prompts ? std::move(prompts) : std::make_unique<ScriptedPrompts>();
    return old;
}

MsgAnswer MsgBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons)
{
    return prompts().message(MessageRequest{text, title, icon, buttons});
}

} // namespace platform
