#include "platform/prompts.h"
#include "platform/scriptedprompts.h"

#include <utility>

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

QString UkrainianSystemErrors(const QString &text)
{
    // The descriptions as the C library and Qt word them; the longer ones first, so that none is
    // taken for a part of another.
    static const std::pair<const char *, const char *> texts[] = {
        {"No space left on device", "на диску не залишилося вільного місця"},
        {"Read-only file system", "файлова система доступна лише для читання"},
        {"Permission denied", "немає дозволу на доступ"},
        {"Operation not permitted", "дію не дозволено"},
        {"No such file or directory", "немає такого файлу або теки"},
        {"Disk quota exceeded", "перевищено дискову квоту"},
        {"Is a directory", "це тека, а не файл"},
        {"Not a directory", "це не тека"},
        {"Too many open files", "забагато відкритих файлів"},
        {"Input/output error", "помилка введення-виведення"},
        {"File name too long", "задовга назва файлу"},
        {"File too large", "завеликий файл"},
        {"Device or resource busy", "пристрій або ресурс зайнятий"},
        {"Text file busy", "файл зайнятий"},
        {"No medium found", "немає носія"},
        {"Unknown error", "невідома помилка"},
    };
    QString out = text;
    for (const auto &[english, ukrainian] : texts)
        out.replace(QLatin1String(english), QString::fromUtf8(ukrainian), Qt::CaseInsensitive);
    return out;
}

MsgAnswer MsgBox(const QString &text, const QString &title, MsgIcon icon, MsgButtons buttons)
{
    return prompts().message(MessageRequest{UkrainianSystemErrors(text), title, icon, buttons, std::nullopt});
}

} // namespace platform
