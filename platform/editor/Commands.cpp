#include "editor/Commands.h"

#include <cstdarg>
#include <cwctype>
#include <deque>
#include <memory>
#include <new>
#include <optional>

#include "db/DbDatabase.h"
#include "db/HostServices.h"
#include "editor/CommandStack.h"
#include "editor/Console.h"
#include "mfc/String.h"
#include "text/Utf8.h"
#include "mfc/WideFormat.h"

namespace {

std::deque<std::wstring>& Queue() {
    static std::deque<std::wstring> queue;
    return queue;
}

// The answers given with a command. Once the command has returned, its unread answers are
// dropped: the source reports its end, so the console removes it when it reaches it (a command
// may have pushed a source of its own, such as a script, above it).
struct AnswerState {
    std::vector<std::string> lines;
    size_t next = 0;
    bool closed = false;
    bool alive = true;
};

class AnswerSource : public platform::LineSource {
public:
    explicit AnswerSource(std::shared_ptr<AnswerState> state) : m_state(std::move(state)) {}
    ~AnswerSource() override { m_state->alive = false; }
    std::optional<std::string> ReadLine() override {
        if (m_state->closed || m_state->next >= m_state->lines.size()) return std::nullopt;
        return m_state->lines[m_state->next++];
    }

private:
    std::shared_ptr<AnswerState> m_state;
};

std::string Number(double value) { return platform::ToUtf8(platform::FormatWide(L"%.16g", value)); }

// The tokens of a queued expression: strings (quotes removed, \" and \\ unescaped) and
// atoms. nullopt for text that is not one parenthesised list.
std::optional<std::vector<std::pair<bool, std::wstring>>> Tokenize(std::wstring_view expr) {
    std::vector<std::pair<bool, std::wstring>> tokens;  // (is string, text)
    size_t i = 0;
    auto skip = [&] {
        while (i < expr.size() && std::iswspace(expr[i])) ++i;
    };
    skip();
    if (i >= expr.size() || expr[i] != L'(') return std::nullopt;
    ++i;
    for (;;) {
        skip();
        if (i >= expr.size()) return std::nullopt;
        if (expr[i] == L')') {
            ++i;
            skip();
            if (i != expr.size()) return std::nullopt;
            return tokens;
        }
        if (expr[i] == L'"') {
            std::wstring text;
            for (++i;; ++i) {
                if (i >= expr.size()) return std::nullopt;
                if (expr[i] == L'\\' && i + 1 < expr.size()) {
                    text.push_back(expr[++i]);
                } else if (expr[i] == L'"') {
                    ++i;
                    break;
                } else {
                    text.push_back(expr[i]);
                }
            }
            tokens.emplace_back(true, text);
        } else if (expr[i] == L'(') {
            return std::nullopt;  // nested lists need an interpreter
        } else {
            std::wstring atom;
            while (i < expr.size() && !std::iswspace(expr[i]) && expr[i] != L')' && expr[i] != L'(') atom.push_back(expr[i++]);
            tokens.emplace_back(false, atom);
        }
    }
}

void Evaluate(const std::wstring& expr) {
    auto tokens = Tokenize(expr);
    bool isCommand = tokens && !tokens->empty() && !(*tokens)[0].first && (*tokens)[0].second.size() == 7 &&
                     platform::CompareNoCase((*tokens)[0].second, L"command") == 0;
    if (!isCommand || tokens->size() < 2 || !(*tokens)[1].first) {
        platform::WriteOutput(L"\nCannot evaluate " + expr + L": this host understands only (command \"NAME\" ...).\n");
        return;
    }
    std::vector<std::string> input;
    for (size_t i = 2; i < tokens->size(); ++i) {
        const auto& [isString, text] = (*tokens)[i];
        input.push_back(platform::ToUtf8(isString || text != L"nil" ? text : std::wstring()));
    }
    platform::ExecuteCommandWithInput((*tokens)[1].second, std::move(input));
}

}  // namespace

int acedCommandS(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    std::vector<std::string> values;
    bool ok = true;
    for (int type = rtype; type != RTNONE && type != 0; type = va_arg(args, int)) {
        switch (type) {
        case RTSTR: {
            const wchar_t* text = va_arg(args, const wchar_t*);
            values.push_back(platform::ToUtf8(text ? text : L""));
            break;
        }
        case RTSHORT:
        case RTLONG: values.push_back(std::to_string(va_arg(args, int))); break;
        case RTREAL:
        case RTANG: values.push_back(Number(va_arg(args, double))); break;
        case RTPOINT:
        case RT3DPOINT: {
            const double* p = va_arg(args, const double*);
            std::string text = Number(p[0]) + "," + Number(p[1]);
            if (type == RT3DPOINT) text += "," + Number(p[2]);
            values.push_back(text);
            break;
        }
        default: ok = false; break;
        }
        if (!ok) break;
    }
    va_end(args);
    if (!ok || values.empty() || values.front().empty()) return RTERROR;
    std::wstring name = platform::FromUtf8(values.front());
    values.erase(values.begin());
    return platform::ExecuteCommandWithInput(name, std::move(values)) ? RTNORM : RTERROR;
}

int ads_queueexpr(const wchar_t* expr) {
    if (!expr) return RTERROR;
    Queue().emplace_back(expr);
    return RTNORM;
}

namespace platform {

bool ExecuteCommand(std::wstring_view name) {
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack) return false;
    const AcEdCommand* command = stack->lookupCmd(std::wstring(name).c_str());
    if (!command) return false;
    // Copy the function: a command may remove itself (or its whole group) while it runs.
    AcRxFunctionPtr function = command->functionAddr();
    // What the command changes in the drawing it starts in is one step of its undo history.
    std::optional<UndoGroup> step;
    if (!(command->commandFlags() & ACRX_CMD_NOUNDOMARKER))
        step.emplace(acdbHostApplicationServices()->workingDatabase(), command->localName());
    // Memory that runs out ends the command, never the program: the drawing and the session
    // stay, and the user can save what was done before.
    try {
        function();
    } catch (const std::bad_alloc&) {
        WriteOutput(std::string_view("\nNot enough memory\n"));
    }
    return true;
}

bool ExecuteCommandWithInput(std::wstring_view name, std::vector<std::string> input) {
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack || !stack->lookupCmd(std::wstring(name).c_str())) {
        ReportUnknownCommand(name);
        return false;
    }
    if (input.empty()) {
        ExecuteCommand(name);
        return true;
    }
    const size_t depth = LineSourceDepth();
    auto answers = std::make_shared<AnswerState>();
    answers->lines = std::move(input);
    PushLineSource(std::make_unique<AnswerSource>(answers));
    ExecuteCommand(name);
    // Answers the command did not read are not left for the next command.
    answers->closed = true;
    if (answers->alive && LineSourceDepth() == depth + 1) PopLineSource();
    return true;
}

int RunQueuedExpressions() {
    int count = 0;
    // An expression may queue another; a bound keeps a self-queuing command from looping.
    while (!Queue().empty() && count < 1000) {
        std::wstring expr = std::move(Queue().front());
        Queue().pop_front();
        WriteOutput(L"\nCommand: " + expr + L"\n");
        Evaluate(expr);
        ++count;
    }
    return count;
}

size_t QueuedExpressionCount() { return Queue().size(); }

void ClearQueuedExpressions() { Queue().clear(); }

void ReportUnknownCommand(std::wstring_view name) {
    WriteOutput(L"\nUnknown command \"" + std::wstring(name) + L"\".\n");
}

}  // namespace platform
