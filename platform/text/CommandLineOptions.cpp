#include "text/CommandLineOptions.h"

#include "text/NearestName.h"

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

std::vector<std::string> SplitNames(const std::string& names) {
    std::vector<std::string> out;
    std::string current;
    for (char c : names + ",") {
        if (c == ',' || c == ' ') {
            if (!current.empty()) out.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return out;
}

std::string JoinChoices(const std::vector<std::string>& choices) {
    std::string text;
    for (const std::string& c : choices) text += (text.empty() ? "" : "|") + c;
    return text;
}

}  // namespace

OptionParser::OptionParser(std::string program, std::string summary) : m_program(std::move(program)), m_summary(std::move(summary)) {}

void OptionParser::Flag(const std::string& names, bool& target, const std::string& help) {
    Option option;
    option.names = SplitNames(names);
    option.help = help;
    option.flag = &target;
    m_options.push_back(std::move(option));
}

void OptionParser::Value(const std::string& names, const std::string& valueName, const std::string& help,
                         std::function<bool(const std::string&)> store) {
    Option option;
    option.names = SplitNames(names);
    option.valueName = valueName;
    option.help = help;
    option.store = std::move(store);
    m_options.push_back(std::move(option));
}

void OptionParser::Text(const std::string& names, const std::string& valueName, std::string& target, const std::string& help) {
    Value(names, valueName, help, [&target](const std::string& v) {
        target = v;
        return true;
    });
}

void OptionParser::Count(const std::string& names, const std::string& valueName, long long most, long long& target,
                         const std::string& help) {
    Value(names, valueName, help, [&target, most](const std::string& v) {
        if (v.empty() || v.size() > 15 || v.find_first_not_of("0123456789") != std::string::npos) return false;
        const long long n = std::stoll(v);
        if (n > most) return false;
        target = n;
        return true;
    });
}

void OptionParser::Choice(const std::string& names, const std::vector<std::string>& choices, std::string& target,
                          const std::string& help) {
    Value(names, JoinChoices(choices), help, [&target, choices](const std::string& v) {
        for (const std::string& c : choices)
            if (c == v) return target = v, true;
        return false;
    });
}

void OptionParser::Positional(const std::string& name, std::string& target, bool required) {
    Plain plain;
    plain.name = name;
    plain.single = &target;
    plain.required = required;
    m_plain.push_back(std::move(plain));
}

void OptionParser::Positionals(const std::string& name, std::vector<std::string>& target, size_t least) {
    Plain plain;
    plain.name = name;
    plain.many = &target;
    plain.required = least > 0;
    plain.least = least;
    m_plain.push_back(std::move(plain));
}

void OptionParser::Rule(std::function<std::string()> check) { m_rules.push_back(std::move(check)); }

const OptionParser::Option* OptionParser::Find(const std::string& name) const {
    for (const Option& option : m_options)
        for (const std::string& n : option.names)
            if (n == name) return &option;
    return nullptr;
}

int OptionParser::Fail(const std::string& message) const {
    const std::string hint = m_errorHint.empty() ? "Run '" + m_program + " --help' for its options." : m_errorHint;
    std::fprintf(stderr, "%s: %s\n%s\n%s\n", m_program.c_str(), message.c_str(), Usage().c_str(), hint.c_str());
    return 2;
}

int OptionParser::Parse(const std::vector<std::string>& args) {
    size_t plainIndex = 0;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "-h" || arg == "--help") {
                std::fputs(Help().c_str(), stdout);
                std::fflush(stdout);
                return 0;
            }
            std::string name = arg, value;
            bool inlineValue = false;
            if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                inlineValue = true;
            }
            const Option* option = Find(name);
            // A short option's value may follow it at once, as getopt allows ("-j4").
            if (!option && arg[1] != '-' && arg.size() > 2) {
                const Option* shortOption = Find(arg.substr(0, 2));
                if (shortOption && !shortOption->flag) {
                    option = shortOption;
                    name = arg.substr(0, 2);
                    value = arg.substr(2);
                    inlineValue = true;
                }
            }
            if (!option) {
                std::vector<std::string> known;
                for (const Option& o : m_options)
                    for (const std::string& n : o.names)
                        if (n.rfind("--", 0) == 0) known.push_back(n);
                const std::string nearest = name.rfind("--", 0) == 0 ? NearestName(name, known) : std::string();
                return Fail("unknown option " + name + (nearest.empty() ? "" : "; did you mean " + nearest + "?"));
            }
            if (option->flag) {
                if (inlineValue) return Fail(name + " takes no value");
                *option->flag = true;
                continue;
            }
            if (!inlineValue) {
                if (i + 1 >= args.size()) return Fail(name + " needs a value (" + option->valueName + ")");
                value = args[++i];
            }
            if (!option->store(value)) return Fail("'" + value + "' is not a value of " + name + " (" + option->valueName + ")");
            continue;
        }
        while (plainIndex < m_plain.size() && m_plain[plainIndex].single && !m_plain[plainIndex].single->empty()) ++plainIndex;
        if (plainIndex >= m_plain.size()) return Fail("unexpected argument '" + arg + "'");
        const Plain& plain = m_plain[plainIndex];
        if (plain.single) {
            *plain.single = arg;
            ++plainIndex;
        } else {
            plain.many->push_back(arg);
        }
    }
    for (const Plain& plain : m_plain) {
        if (plain.single && plain.required && plain.single->empty()) return Fail("missing " + plain.name);
        if (plain.many && plain.many->size() < plain.least) return Fail("missing " + plain.name);
    }
    for (const auto& rule : m_rules)
        if (const std::string message = rule(); !message.empty()) return Fail(message);
    return -1;
}

int OptionParser::Parse(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return Parse(args);
}

std::string OptionParser::Usage() const {
    std::string text = "usage: " + m_program;
    if (!m_synopsis.empty()) return text + " " + m_synopsis;
    for (const Plain& plain : m_plain) {
        const std::string name = plain.many ? plain.name + "..." : plain.name;
        text += " " + (plain.required ? name : "[" + name + "]");
    }
    for (const Option& option : m_options) {
        text += " [" + option.names.back();
        if (!option.valueName.empty()) text += " " + option.valueName;
        text += "]";
    }
    return text;
}

std::string OptionParser::Help() const {
    std::string text = Usage() + "\n\n" + m_summary + "\n";
    if (!m_options.empty()) text += "\noptions:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Option& option : m_options) {
        std::string left;
        for (const std::string& n : option.names) left += (left.empty() ? "" : ", ") + n;
        if (!option.valueName.empty()) left += " " + option.valueName;
        rows.emplace_back(left, option.help);
    }
    rows.emplace_back("-h, --help", "print this help and exit");
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    if (m_options.empty()) text += "\noptions:\n";
    for (const auto& [left, help] : rows) text += "  " + left + std::string(width - left.size() + 3, ' ') + help + "\n";
    if (!m_epilogue.empty()) text += "\n" + m_epilogue + (m_epilogue.back() == '\n' ? "" : "\n");
    return text;
}

}  // namespace platform
